// Times the comparer with full observation tables and prints the figures:
// the median of several runs of the built program, in a temporary folder.

#include <cstdio>
#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card_line;

constexpr int kStations = 999;

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

double timed(const std::string& deck, const std::string& description, char layout, int runs) {
  orv::test::Workspace work;
  work.write("deck.obs", deck);
  work.write("deck.dsc", description);
  return orv::test::median_seconds(runs, [&] {
    std::remove((work.folder() / "deck.rpt").c_str());
    work.run("halvic", std::string("deck.obs\nn\ndeck.dsc\n") + layout + "\ndeck.rpt\n");
  });
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  const std::string empty = card_line({{7, "*BM*"}});
  const double baseline = timed(empty, empty + empty, 'o', kRuns);
  const double full_old = timed(full_deck(), full_description(), 'o', kRuns);
  const double full_unified = timed(full_deck(), full_description(), 'u', kRuns);
  const double dense = timed(dense_deck(), dense_description(), 'o', kRuns);

  std::printf("halvic, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  one-record deck, empty description            %8.4f\n", baseline);
  std::printf("  full tables, old layout, 999 stations described %8.4f  (%.1fx empty)\n", full_old,
              full_old / baseline);
  std::printf("  full tables, unified layout (stations only)      %8.4f  (%.1fx empty)\n", full_unified,
              full_unified / baseline);
  std::printf("  3000 directions at one station, 500 objects      %8.4f  (%.1fx empty)\n", dense, dense / baseline);
  return 0;
}
