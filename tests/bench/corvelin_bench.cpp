// Times the checker on maximum-size decks and prints the figures: the median
// of several runs of the built program, in a temporary folder.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;

std::string card(std::string text) {
  text.resize(80, ' ');
  return text + "\n";
}

// A card from (column, text) pairs.
std::string fields(std::initializer_list<std::pair<int, std::string>> parts) {
  std::string text(80, ' ');
  for (const auto& [column, value] : parts) text.replace(static_cast<std::size_t>(column - 1), value.size(), value);
  return card(text);
}

std::string envelope(const std::string& data) {
  return card("000001*HZ*HZTL OBS GSOHQ                                                   20040315") +
         card("000002*10*MAXIMUM SIZE DECK FOR TIMING") +
         card("000003*12*19202004NORTH RIDGE TRIANGULATION                 FIELD PARTY1MD00") + data +
         card("999999*HZ*");
}

std::string position(int seq, int ssn) {
  return card(format("%06d*80*%04dSTATION %04d                  %02d%02d%07dN%03d%02d%07dW012345HMD21", seq, ssn, ssn,
                     30 + ssn % 30, ssn % 60, ssn * 7 % 6000000, 70 + ssn % 20, ssn % 60, ssn * 13 % 6000000));
}

// 1497 control stations, each with its *90*: the position checks compare
// every position record with every other.
std::string position_deck() {
  std::string data = card("000004*70*0011230150MT");
  int seq = 5;
  for (int ssn = 1; ssn <= 1497; ++ssn) data += position(seq++, ssn);
  for (int ssn = 1; ssn <= 1497; ++ssn) data += card(format("%06d*90*%04d", seq++, ssn));
  return envelope(data);
}

// 2992 directions naming 2993 stations, most of them never positioned.
std::string direction_deck() {
  std::string data;
  int seq = 4;
  for (int i = 0; i < 1496; ++i) {
    const int sp = 1 + i * 2;
    data += fields({{1, format("%06d*20*%04d01", seq++, sp)}, {23, "02"}, {33, "001"}, {40, "990612"},
                    {51, format("%04d", sp + 1)}, {60, "01"}, {64, "000000000"}});
    data += fields({{1, format("%06d*22*%04d01", seq++, sp)}, {51, format("%04d", sp + 2)}, {60, "01"},
                    {64, "045301250"}});
  }
  data += card(format("%06d*70*0011230150MT", seq++));
  data += position(seq++, 1);
  data += card(format("%06d*90*0001", seq++));
  return envelope(data);
}

double median_seconds(const orv::test::Workspace& work, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    std::remove((work.folder() / "report.txt").c_str());
    const auto start = std::chrono::steady_clock::now();
    work.run("corvelin", "deck.obs\nreport.txt\n");
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  orv::test::Workspace empty;
  empty.write("deck.obs", envelope(""));
  const double baseline = median_seconds(empty, kRuns);

  orv::test::Workspace positions;
  positions.write("deck.obs", position_deck());
  const double position_time = median_seconds(positions, kRuns);

  orv::test::Workspace directions;
  directions.write("deck.obs", direction_deck());
  const double direction_time = median_seconds(directions, kRuns);

  std::printf("corvelin, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  empty deck                               %8.4f\n", baseline);
  std::printf("  1497 positions + 1497 *90* (3000 stored)  %8.4f  (%.1fx empty)\n", position_time,
              position_time / baseline);
  std::printf("  2992 directions, 2993 stations            %8.4f  (%.1fx empty)\n", direction_time,
              direction_time / baseline);
  return 0;
}
