// Times the editor on full tables and prints the figures: 999 stations and
// 999 descriptions, each differing in state code and name, thousands of
// directions and distances, every question answered from the script.  The
// editor reads the deck four times and the description twice; cat reading
// the same files as often is the yardstick.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card_line;

constexpr int kStations = 999;

std::string ssn(int n) { return format("%04d", n); }
int neighbour(int s, int step) { return (s - 1 + step) % kStations + 1; }

// Six directions in each of two sets and three slope distances at every
// station (about 12000 directions and 3000 distances), the stations with their
// positions, and a *25* for every tenth.
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

int main() {
  constexpr int kRuns = 9;
  orv::test::Workspace work;
  work.write("deck.obs", deck());
  work.write("deck.dsc", description());
  const std::string script = answers();
  const int status = work.run("morandel", script);
  const std::string report = work.read("deck.rpt");
  if (status != 0 || report.find("UPDATE OBS *80* STATE CODE") == std::string::npos) {
    std::printf("the editor's run did not end normally (status %d)\n", status);
    return 1;
  }

  const double editor = orv::test::median_seconds(kRuns, [&] {
    for (const char* output : {"fixed.obs", "fixed.dsc", "deck.rpt"}) std::remove((work.folder() / output).c_str());
    work.run("morandel", script);
  });
  const std::string cat = "cd '" + work.folder().string() +
                          "' && cat deck.obs deck.obs deck.obs deck.obs deck.dsc deck.dsc >/dev/null";
  const double reading = orv::test::median_seconds(kRuns, [&] {
    if (std::system(cat.c_str()) != 0) std::printf("cat failed\n");
  });

  std::printf("morandel, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  999 stations and descriptions, all differing,\n");
  std::printf("  11988 directions, 2997 distances, 1998 questions   %8.4f\n", editor);
  std::printf("  cat reading the deck 4 times and the description 2 %8.4f\n", reading);
  std::printf("  ratio                                               %8.1fx\n", editor / reading);
  return 0;
}
