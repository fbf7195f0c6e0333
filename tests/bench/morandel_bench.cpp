// The editor with full tables: 999 stations and 999 auxiliary stations, 999
// descriptions each differing in state code and name, 999 corrections,
// thousands of directions and distances, every question answered from the
// script; beside cat reading the inputs as often as the editor reads them
// (the deck four times, the description twice).

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/report_lines.hpp"
#include "editor/editor.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card_line;

const int kStations = static_cast<int>(morandel::kCapacities.descriptions);

std::string ssn(int n) { return format("%04d", n); }
int neighbour(int s, int step) { return (s - 1 + step) % kStations + 1; }

// Six directions in each of two sets and three slope distances at every
// station (about 12000 directions and 3000 distances), the stations with their
// positions, an auxiliary station beside each, and a *25* for every tenth.
std::string deck() {
  std::string text = card_line({{1, "000001"}, {7, "*BM*"}, {11, "HZTLOBS GSOFP9BENCH NETWORK"}});
  int seq = 1;
  for (int s = 1; s <= kStations; ++s) {
    for (int set = 1; set <= 2; ++set) {
      for (int m = 0; m < 6; ++m) {
        text += card_line({{1, format("%06d", ++seq)}, {7, m == 0 ? "*20*" : "*22*"}, {11, ssn(s)}, {15, format("%02d", set)},
                      {51, ssn(neighbour(s, m + 1))}, {64, format("%03d%02d%04d", m * 50, set * 7, s % 6000)}});
      }
    }
    for (int m = 1; m <= 3; ++m) {
      text += card_line({{1, format("%06d", ++seq)}, {7, "*50*"}, {11, ssn(s)}, {46, ssn(neighbour(s, m))},
                    {54, format("%5d", (m - 2) * 1234)}, {64, format("%09d", 10000000 + s * 1234 + m)}, {73, "S"}});
    }
    if (s % 10 == 0) text += card_line({{1, format("%06d", ++seq)}, {7, "*25*"}, {11, ssn(s)}});
  }
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{1, format("%06d", ++seq)}, {7, "*80*"}, {11, ssn(s)}, {15, format("STATION %04d", s)},
                  {45, format("%02d%02d%07d", 30 + s % 10, s % 60, s * 997 % 6000000)}, {56, "N"},
                  {57, format("%03d%02d%07d", 100 + s % 20, s * 7 % 60, s * 991 % 6000000)}, {69, "W"},
                  {70, format("%06d", 100000 + s * 37)}, {77, "NM"}});
  }
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{1, format("%06d", ++seq)}, {7, "*82*"}, {11, format("%04d", 5000 + s)},
                       {15, format("MARK %04d", s)}, {51, ssn(s)}});
  }
  return text + card_line({{7, "*BM*"}});
}

// Every station described with another state code and another name, and a
// recovery note.
std::string description() {
  std::string text = card_line({{7, "*BM*"}});
  for (int s = 1; s <= kStations; ++s) {
    text += card_line({{7, "*10*"}, {11, ssn(s)}, {17, "N300000W1000000 1000M"}, {47, "AZ"}, {71, s % 20 == 0 ? "P" : ""}});
    text += card_line({{7, "*13*"}, {11, format("STATION %04d RM", s)}});
    text += card_line({{7, "*20*"}, {11, "RECOVERED IN GOOD CONDITION BY THE BENCH PARTY."}});
  }
  return text + card_line({{7, "*BM*"}});
}

// Each state code corrected in the deck (999 corrections, the most there
// may be), each name in the description.
std::string answers() {
  std::string text = "deck.obs\ny\ndeck.dsc\ny\ny\nfixed.obs\nfixed.dsc\ndeck.rpt\ny\n";
  for (int s = 1; s <= kStations; ++s) text += "n\ny\ny\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  orv::test::Workspace work;
  work.write("deck.obs", deck());
  work.write("deck.dsc", description());
  const orv::test::BenchCase editor{
      "morandel",
      "999 stations, 999 aux, 999 descriptions differing, 999 fixes",
      answers(),
      {"deck.obs", "deck.obs", "deck.obs", "deck.dsc", "deck.dsc", "deck.obs"},
      {"fixed.obs", "fixed.dsc", "deck.rpt"},
      [](int status, const orv::test::Workspace& work) -> std::string {
        if (status != 0) return format("status %d", status);
        const std::string report = work.read("deck.rpt");
        if (report.find("UPDATE OBS *80* STATE CODE") == std::string::npos) return "no state code corrected";
        if (report.find("EXCEEDS") != std::string::npos) return "a table overflowed";
        return "";
      }};
  return orv::test::run_benches(argc, argv, {{&work, editor}});
}
