// Times the checker on decks of every observation record type, at full size
// (3000 stored records, 2999 stations: both tables full) and at a half and a
// quarter of it, and prints the medians and how they grow with the deck.

#include <cstdio>
#include <string>

#include "common/report_lines.hpp"
#include "tests/support/timing.hpp"

namespace {

using orv::format;

std::string card(std::initializer_list<std::pair<int, std::string>> pieces) {
  std::string rec(80, ' ');
  for (const auto& [first, text] : pieces) rec.replace(static_cast<std::size_t>(first - 1), text.size(), text);
  return rec + "\n";
}

struct Deck {
  std::string text;
  int stored = 0;  // every record of these decks is stored (none repeats another)
  int stations = 0;
  int seq = 0;
  int next_station = 1;

  void add(std::initializer_list<std::pair<int, std::string>> pieces, const std::string& code) {
    std::string rec = card(pieces);
    rec.replace(0, 10, format("%06d*%s*", ++seq, code.c_str()));
    text += rec;
    ++stored;
  }
  std::string new_station() {
    ++stations;
    return format("%04d", next_station++);
  }
};

// Observations of every type, `units` groups of each family, each naming
// new stations (so each is also a 400-series error); `extra_angles` more
// *32* records naming two new stations each, and `positions` *80* records,
// the first of them the control stations every observation starts from.
constexpr int kControls = 8;

Deck observation_deck(int units, int extra_angles, int positions) {
  Deck d;
  d.add({{11, "HZTLOBS GSOHQ "}, {73, "20040315"}}, "HZ");
  d.add({{11, "NORTH RIDGE TRIANGULATION"}}, "10");
  d.add({{11, "1920  2004"}, {23, "NORTH RIDGE"}, {65, "GSO-2004-17"}, {76, "1CO10"}}, "12");
  auto control = [](int g) { return format("%04d", 9000 + g % kControls); };
  const std::string date = "950612";
  for (int g = 0; g < units; ++g) {
    d.add({{11, control(g)}, {15, "01"}, {23, "05"}, {33, "001"}, {40, date}, {51, d.new_station()}, {60, "01"},
           {64, "000000000"}}, "20");
    for (int k = 0; k < 4; ++k) {
      d.add({{11, control(g)}, {15, "01"}, {51, d.new_station()}, {60, "01"}, {64, "045301250"}}, "22");
    }
  }
  for (int g = 0; g < units; ++g) {
    const std::string ssn = d.new_station();
    d.add({{11, ssn}, {15, "1"}, {28, "001"}, {33, "101"}}, "25");
    for (int k = 0; k < 2; ++k) d.add({{11, ssn}, {15, date}, {21, format("%02d00", 10 + k)}, {25, "01234"}}, "27");
    d.add({{11, date}, {17, "1200"}, {21, "001"}, {24, "001"}, {27, "0000012345"}}, "28");
  }
  for (int g = 0; g < units; ++g) {
    const int angles = 1 + extra_angles / units + (g < extra_angles % units ? 1 : 0);
    d.add({{11, control(g)}, {15, "01"}, {23, format("%02d", 1 + angles)}, {33, "001"}, {40, date},
           {51, d.new_station()}, {60, "01"}, {64, "04530125"}, {72, d.new_station()}}, "30");
    for (int k = 0; k < angles; ++k) {
      d.add({{11, control(g)}, {15, "01"}, {51, d.new_station()}, {60, "01"}, {64, "04530125"}, {72, d.new_station()}},
            "32");
    }
  }
  for (int g = 0; g < units; ++g) {
    d.add({{11, control(g)}, {15, "01"}, {23, "02"}, {33, "001"}, {36, "0150"}, {40, date}, {51, d.new_station()},
           {55, "0150"}, {60, "01"}, {64, "00212345"}, {72, "E"}}, "40");
    d.add({{11, control(g)}, {15, "01"}, {51, d.new_station()}, {55, "0150"}, {60, "01"}, {64, "09112345"}, {72, "Z"}},
          "42");
  }
  for (int g = 0; g < units; ++g) {
    d.add({{11, control(g)}, {33, "001"}, {40, date}, {51, d.new_station()}, {60, "01"}, {64, "000441000"}}, "45");
    // cc 64-67 make it differ from the *47* of the same station (error 655)
    d.add({{11, control(g)}, {55, "001"}, {58, "GSOHQ "}, {64, format("%04d", g)}}, "47");
  }
  for (int g = 0; g < units; ++g) {
    const std::string sp = control(g);
    d.add({{11, sp}, {23, "001"}, {35, date}, {41, "1000Z"}, {46, d.new_station()}, {60, "01"}, {64, "012345678"},
           {73, "T"}}, "50");
    d.add({{11, sp}, {23, "001"}, {26, "0150"}, {35, date}, {46, d.new_station()}, {60, "01"}, {64, "003803548"},
           {73, "S"}}, "51");
    d.add({{11, sp}, {23, "001"}, {26, "0150"}, {30, "00150"}, {35, date}, {46, d.new_station()}, {50, "0160"},
           {54, "00160"}, {60, "01"}, {64, "009030632"}, {73, "E"}}, "52");
    d.add({{11, sp}, {23, "001"}, {26, "0150"}, {35, date}, {46, d.new_station()}, {59, "01"}, {64, "0009282106"},
           {74, "C"}}, "53");
    d.add({{11, sp}, {23, "001"}, {26, "0150"}, {30, "00150"}, {35, date}, {46, d.new_station()}, {50, "0160"},
           {54, "00160"}, {59, "01"}, {64, "0009282106"}, {74, "E"}}, "54");
  }
  // The 60-series starts no observation set, so it sights the control
  // stations only: more than 100 new forepoints in one set end the run.
  for (int g = 0; g < units; ++g) {
    const std::string sp = control(g);
    const std::string fp = control(g + 1);
    const std::string index = format("%04d", g);  // tells records of one key apart (323)
    d.add({{11, sp}, {15, "1234E"}, {20, "L"}, {33, "001"}, {36, index}, {40, date}, {46, "1200Z"}, {51, fp},
           {60, "01"}, {64, "12345123"}, {72, "N"}}, "60");
    d.add({{11, sp}, {51, fp}, {64, "12345123"}, {72, "S"}, {73, index}}, "61");
  }
  d.add({{11, "0011230150MT"}}, "70");
  d.add({{11, "101"}}, "71");
  for (int c = 0; c < positions; ++c) {
    std::string ssn;
    if (c < kControls) {
      ssn = format("%04d", 9000 + c);
      ++d.stations;
    } else {
      ssn = d.new_station();
    }
    d.add({{11, ssn}, {15, "STATION " + ssn}, {45, format("38%02d1234567N105%02d3456789W165432TCO21", c % 60, c / 60)}},
          "80");
  }
  d.add({{11, format("%04d", 9000)}}, "90");
  d.add({}, "HZ");
  return d;
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  orv::test::Workspace empty;
  empty.write("deck.obs", observation_deck(0, 0, kControls).text);
  const double baseline = orv::test::median_checker_seconds(empty, kRuns);
  std::printf("corvelin on observation decks, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  %-44s %8.4f\n", "deck without observations", baseline);
  // 114 units of 22 observations with 462 further angles and 23 positions
  // make 3000 stored records and 2999 stations; then a half and a quarter.
  double previous = 0.0;
  for (int divisor : {4, 2, 1}) {
    const Deck deck = observation_deck(114 / divisor, 462 / divisor, 23);
    orv::test::Workspace work;
    work.write("deck.obs", deck.text);
    const double seconds = orv::test::median_checker_seconds(work, kRuns);
    const std::string what = format("%d stored records, %d stations", deck.stored, deck.stations);
    std::printf("  %-44s %8.4f  (%.1fx empty", what.c_str(), seconds, seconds / baseline);
    if (previous > 0.0) std::printf(", %.2fx the half deck", seconds / previous);
    std::printf(")\n");
    const std::string report = work.read("report.txt");
    const auto totals = report.rfind(" Number of records in input file");
    const bool fatal = report.find("Fatal termination") != std::string::npos;
    std::printf("  %-44s %s%s", "", fatal ? "FATAL TERMINATION; " : "",
                totals == std::string::npos ? "no totals\n" : report.substr(totals + 1).c_str());
    previous = seconds;
  }
  return 0;
}
