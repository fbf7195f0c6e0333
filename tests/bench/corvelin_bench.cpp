// Times the checker on maximum-size decks and prints the figures: the median
// of several runs of the built program, in a temporary folder.

#include <cstdio>
#include <string>

#include "common/report_lines.hpp"
#include "tests/support/timing.hpp"

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
         card("000003*12*1920  2004  NORTH RIDGE TRIANGULATION                 FIELD PARTY1MD00") + data +
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

// 30 control stations of elevation type B, each with its *83*, and 900
// auxiliary stations each observed from two of them by 1800 directions:
// every auxiliary station is positioned and gets its candidate list.
std::string positioning_deck() {
  std::string data;
  int seq = 4;
  for (int c = 0; c < 30; ++c) {
    const int sp = 1 + c;
    for (int k = 0; k < 60; ++k) {
      const std::string fp = format("%04d", 1001 + (c * 30 + k) % 900);
      if (k == 0) {
        data += fields({{1, format("%06d*20*%04d01", seq++, sp)}, {23, "60"}, {33, "001"}, {40, "990612"},
                        {51, fp}, {60, "01"}, {64, "000000000"}});
      } else {
        data += fields({{1, format("%06d*22*%04d01", seq++, sp)}, {51, fp}, {60, "01"}, {64, "045301250"}});
      }
    }
  }
  data += card(format("%06d*70*0011230150MT", seq++));
  for (int ssn = 1; ssn <= 30; ++ssn) {
    std::string rec = position(seq++, ssn);
    rec[75] = 'B';
    data += rec;
  }
  for (int ssn = 1001; ssn <= 1900; ++ssn) {
    data += fields({{1, format("%06d*82*%04d", seq++, ssn)}, {15, format("AUX %04d", ssn)}, {51, "0001"}});
  }
  for (int ssn = 1; ssn <= 30; ++ssn) {
    data += fields({{1, format("%06d*83*%04d", seq++, ssn)}, {15, format("STATION %04d", ssn)}, {51, "0123456"}});
  }
  data += card(format("%06d*90*0001", seq++));
  return envelope(data);
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  orv::test::Workspace empty;
  empty.write("deck.obs", envelope(""));
  const double baseline = orv::test::median_checker_seconds(empty, kRuns);

  orv::test::Workspace positions;
  positions.write("deck.obs", position_deck());
  const double position_time = orv::test::median_checker_seconds(positions, kRuns);

  orv::test::Workspace directions;
  directions.write("deck.obs", direction_deck());
  const double direction_time = orv::test::median_checker_seconds(directions, kRuns);

  orv::test::Workspace positioning;
  positioning.write("deck.obs", positioning_deck());
  const double positioning_time = orv::test::median_checker_seconds(positioning, kRuns);

  std::printf("corvelin, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  empty deck                               %8.4f\n", baseline);
  std::printf("  1497 positions + 1497 *90* (3000 stored)  %8.4f  (%.1fx empty)\n", position_time,
              position_time / baseline);
  std::printf("  2992 directions, 2993 stations            %8.4f  (%.1fx empty)\n", direction_time,
              direction_time / baseline);
  std::printf("  900 auxiliary stations positioned by 1800 directions  %8.4f  (%.1fx empty)\n", positioning_time,
              positioning_time / baseline);
  return 0;
}
