// The checker with its tables at their limits, beside cat reading its
// inputs as often as it reads them.
//
// - every observation record type, 3000 records stored (the working copy
//   full), 2999 stations, 99 instrument and 99 antenna codes;
// - 1497 positions and their *90*: every position compared with every other;
// - 100 control stations tying one auxiliary station (100 candidates), one
//   of them turning to 100 forepoints in one set, 1683 directions in all.

#include <string>
#include <vector>

#include "checker/capacities.hpp"
#include "common/report_lines.hpp"
#include "tests/support/timing.hpp"

namespace {

using corvelin::kCapacities;
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
  void header() {
    add({{11, "HZTLOBS GSOHQ "}, {73, "20040315"}}, "HZ");
    add({{11, "NORTH RIDGE TRIANGULATION"}}, "10");
    add({{11, "1920  2004"}, {23, "NORTH RIDGE"}, {65, "GSO-2004-17"}, {76, "1CO10"}}, "12");
  }
};

std::string position_fields(const std::string& ssn, int n) {
  return format("STATION %s                  %02d%02d%07dN%03d%02d%07dW012345HMD21", ssn.c_str(), 30 + n % 30,
                n % 60, n * 7 % 6000000, 70 + n % 20, n % 60, n * 13 % 6000000);
}

// --- every observation type ----------------------------------------------------------

// Observations of every type, `units` groups of each family, each naming
// new stations (so each is also a 400-series error), `sixties` of the
// 60-series, which name no new station; `extra_angles` more *32* records
// naming two new stations each, the full code tables, and `positions` *80*
// records, the first of them the control stations every observation starts
// from.
constexpr int kControls = 8;

Deck observation_deck(int units, int sixties, int extra_angles, int positions) {
  Deck d;
  d.header();
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
    d.add({{11, ssn}, {15, "1"}, {28, format("%03d", 1 + g % 99)}, {33, format("%03d", 101 + g % 99)}}, "25");
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
  for (int g = 0; g < sixties; ++g) {
    const std::string sp = control(g);
    const std::string fp = control(g + 1);
    const std::string index = format("%04d", g);  // tells records of one key apart (323)
    d.add({{11, sp}, {15, "1234E"}, {20, "L"}, {33, "001"}, {36, index}, {40, date}, {46, "1200Z"}, {51, fp},
           {60, "01"}, {64, "12345123"}, {72, "N"}}, "60");
    d.add({{11, sp}, {51, fp}, {64, "12345123"}, {72, "S"}, {73, index}}, "61");
  }
  for (std::size_t c = 1; c <= kCapacities.instrument_codes; ++c) d.add({{11, format("%03zu1230150MT", c)}}, "70");
  for (std::size_t c = 1; c <= kCapacities.antenna_codes; ++c) d.add({{11, format("%03zu", 100 + c)}}, "71");
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

// --- positions ---------------------------------------------------------------------------

// `count` control stations, each with its *90*: the position checks compare
// every position record with every other.
Deck position_deck(int count) {
  Deck d;
  d.header();
  d.add({{11, "0011230150MT"}}, "70");
  for (int n = 1; n <= count; ++n) d.add({{11, format("%04d", n)}, {15, position_fields(format("%04d", n), n)}}, "80");
  for (int n = 1; n <= count; ++n) d.add({{11, format("%04d", n)}}, "90");
  d.add({}, "HZ");
  return d;
}

// --- candidates ---------------------------------------------------------------------------

// 100 control stations of elevation type B, each with its *83*, and 850
// auxiliary stations, each tied by directions from two controls, the first
// its reference station; every control also turns to station 1001, which
// gets 100 candidates, and the first control's set has 100 forepoints.
constexpr int kAuxiliaries = 850;

Deck candidate_deck() {
  Deck d;
  d.header();
  const auto controls = static_cast<int>(kCapacities.candidates);
  int next_aux = 0;
  std::vector<int> reference(kAuxiliaries, 0);
  for (int c = 1; c <= controls; ++c) {
    const int forepoints = c == 1 ? kCapacities.forepoints_in_set : 17;
    for (int k = 0; k < forepoints; ++k) {
      const int aux = next_aux % kAuxiliaries;
      if (k > 0 && reference[static_cast<std::size_t>(aux)] == 0) reference[static_cast<std::size_t>(aux)] = c;
      const std::string fp = k == 0 ? "1001" : format("%04d", 1002 + next_aux++ % kAuxiliaries);
      if (k == 0) {
        d.add({{11, format("%04d01", c)}, {23, format("%02d", forepoints % 100)}, {33, "001"}, {40, "990612"},
               {51, fp}, {60, "01"}, {64, "000000000"}}, "20");
      } else {
        d.add({{11, format("%04d01", c)}, {51, fp}, {60, "01"}, {64, format("%03d301250", k * 3 % 360)}}, "22");
      }
    }
  }
  d.add({{11, "0011230150MT"}}, "70");
  for (int c = 1; c <= controls; ++c) {
    std::string rec = card({{11, format("%04d", c)}, {15, position_fields(format("%04d", c), c)}});
    d.add({{11, rec.substr(10, 70)}}, "80");
    d.text[d.text.size() - 81 + 75] = 'B';
  }
  d.add({{11, "1001"}, {15, "AUX 1001"}, {51, "0001"}}, "82");
  for (int a = 0; a < kAuxiliaries; ++a) {
    d.add({{11, format("%04d", 1002 + a)}, {15, format("AUX %04d", 1002 + a)},
           {51, format("%04d", reference[static_cast<std::size_t>(a)])}}, "82");
  }
  for (int c = 1; c <= controls; ++c) {
    d.add({{11, format("%04d", c)}, {15, format("STATION %04d", c)}, {51, "0123456"}}, "83");
  }
  d.add({{11, "0001"}}, "90");
  d.add({}, "HZ");
  return d;
}

std::string report_problem(int status, const orv::test::Workspace& work) {
  const std::string report = work.read("report.txt");
  if (report.find("Fatal termination") != std::string::npos) return "fatal termination";
  if (report.find("Filled Up") != std::string::npos) return "a candidate list overflowed";
  if (report.find(" Number of records in input file") == std::string::npos) return "no totals";
  return status == 0 ? "" : format("status %d", status);
}

orv::test::BenchCase checker_case(std::string inputs) {
  // The deck is read three times through; the message file is read a text
  // at a time, and cat reads it once.
  return {"corvelin", std::move(inputs), "deck.obs\nreport.txt\n",
          {"deck.obs", "deck.obs", "deck.obs", "newerror.dir", "contrib.dat"}, {"report.txt"}, report_problem};
}

}  // namespace

int main(int argc, char** argv) {
  // 114 units of 22 observations, 16 of the 60-series, 462 further angles
  // and 23 positions, with the code tables, make 3000 stored records and
  // 2999 stations.
  const Deck full = observation_deck(114, 16, 462, 23);
  if (full.stored != kCapacities.working_copy || full.stations != kCapacities.stations) {
    std::printf("the observation deck holds %d records and %d stations\n", full.stored, full.stations);
    return 1;
  }
  orv::test::Workspace observations;
  observations.write("deck.obs", full.text);
  orv::test::Workspace positions;
  const int position_count = (kCapacities.working_copy - 6) / 2;
  positions.write("deck.obs", position_deck(position_count).text);
  orv::test::Workspace candidates;
  candidates.write("deck.obs", candidate_deck().text);
  return orv::test::run_benches(
      argc, argv,
      {{&observations, checker_case("3000 records of every type, 2999 stations, 99+99 codes")},
       {&positions, checker_case(format("%d positions and their *90*, compared pairwise", position_count))},
       {&candidates, checker_case("100 candidates of one station, 100 forepoints in a set")}});
}
