// The comparer with full observation tables (999 stations, 999 auxiliary
// stations, 3000 directions, 200 angles, 2000 distances) against a
// description of every station in each of the three layouts, and 3000
// directions at one station against 500 reference objects; beside cat
// reading the inputs as often as the comparer reads them.

#include <cstdio>
#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "compare/comparer.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card_line;

const int kStations = static_cast<int>(halvic::kCapacities.tables.stations);

std::string ssn(int n) { return format("%04d", n); }
std::string name(int n) { return format("STATION %04d", n); }
int neighbour(int s, int step) { return (s - 1 + step) % kStations + 1; }

std::string stations_and_marks() {
  std::string text;
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{7, "*80*"}, {11, ssn(s)}, {15, name(s)}, {70, format("%06d", 10000 + s * 7)}, {77, "NM"}});
  }
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{7, "*82*"}, {11, format("%04d", 5000 + s)}, {15, format("MARK %04d", s)}, {51, ssn(s)}});
  }
  return text;
}

std::string direction(int seq, int sp, const char* set, int fp, int degrees) {
  return card_line({{1, format("%06d", seq)}, {7, "*22*"}, {11, ssn(sp)}, {15, set}, {51, ssn(fp)},
               {64, format("%03d%02d%04d", degrees % 360, degrees % 60, degrees * 37 % 6000)}});
}

// Ten directions in two overlapping sets at each of 300 stations, 200
// angles, 1000 slope distances that each leave a chord too: every table full.
std::string full_deck() {
  std::string deck = card_line({{7, "*BM*"}});
  int seq = 1;
  for (int s = 1; s <= 300; ++s) {
    for (int m = 1; m <= 5; ++m) deck += direction(++seq, s, "01", neighbour(s, m), m * 40);
    for (int m = 3; m <= 7; ++m) deck += direction(++seq, s, "02", neighbour(s, m), m * 45);
  }
  for (int s = 301; s <= 500; ++s) {
    deck += card_line({{1, format("%06d", ++seq)}, {7, "*30*"}, {11, ssn(s)}, {15, "01"}, {51, ssn(neighbour(s, 1))},
                  {64, format("%03d00000", s % 360)}, {72, ssn(neighbour(s, 2))}});
  }
  for (int i = 1; i <= 1000; ++i) {
    deck += card_line({{1, format("%06d", ++seq)}, {7, "*50*"}, {11, ssn(neighbour(i, 0))}, {46, ssn(neighbour(i, 1))},
                  {64, format("%09d", 10000000 + i * 1234)}, {73, "S"}});
  }
  return deck + stations_and_marks() + card_line({{7, "*BM*"}});
}

// Every station described, with a group of reference objects: the next
// station (leading), two more turned to (one only in the second set), one
// in feet, an auxiliary mark, and a pair of endpoints.
std::string full_description() {
  std::string text = card_line({{7, "*BM*"}});
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{7, "*10*"}, {11, format("%03d", s)}});
    text += card_line({{7, "*14*"}, {11, name(s)}, {58, "NM"}});
    text += card_line({{7, "*30*"}, {11, "$"}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 1))}, {55, "1001.23"}, {73, "00000000"}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 2))}, {55, "1002.47"}, {73, "04000000"}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 6))}, {73, "12345670"}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 3))}, {49, "3284.9"}, {73, "08000000"}});
    text += card_line({{7, "*30*"}, {15, format("MARK %04d", s)}, {55, "  12.34"}, {73, "27000000"}});
    text += card_line({{7, "*30*"}, {11, "$"}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 1))}});
    text += card_line({{7, "*30*"}, {15, name(neighbour(s, 2))}, {55, "1001.23"}});
  }
  return text + card_line({{7, "*BM*"}});
}

// All 3000 directions at one station, in 100 sets of 30, and a description
// of that station turning to 500 objects, most of them through other sets.
std::string dense_deck() {
  std::string deck = card_line({{7, "*BM*"}});
  for (int k = 0; k < 100; ++k) {
    const std::string set = format("%02d", k);
    for (int m = 0; m < 30; ++m) deck += direction(1 + k * 30 + m, 1, set.c_str(), 2 + (k * 7 + m) % 998, k + m * 11);
  }
  return deck + stations_and_marks() + card_line({{7, "*BM*"}});
}

std::string dense_description() {
  std::string text = card_line({{7, "*BM*"}}) + card_line({{7, "*10*"}, {11, "001"}}) + card_line({{7, "*30*"}, {11, "$"}}) +
                     card_line({{7, "*30*"}, {15, name(2)}, {73, "00000000"}});
  for (int i = 0; i < 500; ++i) text += card_line({{7, "*30*"}, {15, name(3 + i * 13 % 997)}, {73, "12345670"}});
  return text + card_line({{7, "*BM*"}});
}

// The same 999 stations described in the unified layout: a station record
// with its state code, a name record and a note.
std::string unified_description() {
  std::string text = card_line({{7, "*BM*"}});
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{7, "*10*"}, {11, ssn(s)}, {17, "N300000W1000000 1000M"}, {47, "NM"}});
    text += card_line({{7, "*13*"}, {11, name(s)}});
    text += card_line({{7, "*20*"}, {11, "RECOVERED IN GOOD CONDITION BY THE BENCH PARTY."}});
  }
  return text + card_line({{7, "*BM*"}});
}

// And as a D-file: one 203-column record a station.
std::string dfile_description() {
  std::string text;
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{1, "@"}, {2, ssn(s)}, {13, name(s)}, {70, "RECOVERED IN GOOD CONDITION"}, {203, "N"}}, 203);
  }
  return text;
}

orv::test::BenchCase comparer_case(std::string inputs, char layout, std::vector<std::string> reads) {
  return {"halvic", std::move(inputs), std::string("deck.obs\nn\ndeck.dsc\n") + layout + "\ndeck.rpt\n",
          std::move(reads), {"deck.rpt"}, [](int status, const orv::test::Workspace& work) -> std::string {
            if (status != 0) return format("status %d", status);
            if (work.read("deck.rpt").find("EXCEEDS") != std::string::npos) return "a table overflowed";
            return "";
          }};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string deck = full_deck();
  orv::test::Workspace old_layout, unified, dfile, dense;
  for (auto* work : {&old_layout, &unified, &dfile}) work->write("deck.obs", deck);
  old_layout.write("deck.dsc", full_description());
  unified.write("deck.dsc", unified_description());
  dfile.write("deck.dsc", dfile_description());
  dense.write("deck.obs", dense_deck());
  dense.write("deck.dsc", dense_description());
  // Two passes read the observation file through (the stations, then the
  // distances or the occupations), one the description.
  const std::vector<std::string> reads{"deck.obs", "deck.obs", "deck.dsc"};
  return orv::test::run_benches(
      argc, argv,
      {{&old_layout, comparer_case("full tables, old layout, 999 stations with objects", 'o', reads)},
       {&unified, comparer_case("full tables, unified layout, 999 stations", 'u', reads)},
       {&dfile, comparer_case("full tables, D-file, 999 stations", 'd', reads)},
       {&dense, comparer_case("3000 directions at one station, 500 objects", 'o', reads)}});
}
