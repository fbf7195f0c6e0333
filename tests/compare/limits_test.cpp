// Full tables and candidate lists end a run; the tables hold their stated
// number of entries.  Decks are generated, so the ends are seen in the tail
// of the report.

#include <gtest/gtest.h>

#include <string>

#include "common/report_lines.hpp"
#include "compare/comparer.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card;

// The comparer's capacities, as counts of generated records.
constexpr auto kTables = halvic::kCapacities.tables;
constexpr int most(std::size_t capacity) { return static_cast<int>(capacity); }

std::string ssn(int n) { return format("%04d", n); }

std::string station(int n) {
  return card({{7, "*80*"}, {11, ssn(n)}, {15, "STATION " + ssn(n)}, {70, "100000"}, {77, "NM"}}) + "\n";
}

// A run over the deck and a description that opens and closes its deck.
struct Outcome {
  int status;
  std::string report;
};

Outcome compare(const std::string& deck_body, char layout, const std::string& description_body = "") {
  orv::test::Workspace ws;
  ws.write("deck.obs", card({{7, "*JB*"}}) + "\n" + deck_body);
  ws.write("deck.dsc", card({{7, "*JB*"}}) + "\n" + description_body + card({{7, "*JB*"}}) + "\n");
  const int status = ws.run("halvic", std::string("deck.obs\ny\ndeck.dsc\n") + layout + "\ndeck.rpt\n");
  return {status, ws.read("deck.rpt")};
}

std::string tail(const std::string& report, std::size_t lines) {
  std::size_t at = report.size();
  for (std::size_t n = 0; n <= lines && at > 0; ++n) at = report.rfind('\n', at - 1);
  return report.substr(at == std::string::npos ? 0 : at + 1);
}

// The blank line after a limit message, then the termination step.
const std::string kTerminated = "\n\n PROGRAM HALVIC TERMINATED\n";

std::string repeated(int count, std::string (*make)(int)) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += make(i);
  return text;
}

TEST(TableLimits, Stations) {
  const Outcome full = compare(repeated(most(kTables.stations), station), 'u');
  EXPECT_EQ(full.status, 0);
  EXPECT_NE(full.report.find(" 0999     STATION 0999"), std::string::npos);
  const Outcome over = compare(repeated(most(kTables.stations) + 1, station), 'u');
  EXPECT_EQ(over.status, 1);
  EXPECT_EQ(tail(over.report, 4), " NUMBER OF 80 RECORDS EXCEEDS  999\n" + kTerminated);
}

TEST(TableLimits, AuxiliaryStations) {
  auto aux = [](int n) { return card({{7, "*82*"}, {11, ssn(n)}, {15, "MARK " + ssn(n)}}) + "\n"; };
  std::string deck;
  for (int i = 1; i <= most(kTables.auxiliaries) + 1; ++i) deck += aux(i);
  const Outcome over = compare(deck, 'd');
  EXPECT_EQ(over.status, 1);
  EXPECT_EQ(tail(over.report, 4), " NUMBER OF OBS 82 RECORDS EXCEEDS  999\n" + kTerminated);
}

std::string direction(int n) {
  return card({{1, format("%06d", n)}, {7, "*22*"}, {11, "0001"}, {15, "01"}, {51, ssn(2 + n % 900)}, {64, "000000000"}}) + "\n";
}
std::string angle(int n) {
  return card({{1, format("%06d", n)}, {7, "*32*"}, {11, "0002"}, {15, "01"}, {51, "0001"}, {64, format("%03d0000", n % 360)}, {72, "0003"}}) + "\n";
}
std::string distance(int n) {
  return card({{1, format("%06d", n)}, {7, "*50*"}, {11, "0001"}, {46, "0002"}, {64, format("%09d", 1000000 + n)}, {73, "H"}}) + "\n";
}

TEST(TableLimits, DirectionsAnglesAndDistancesOfTheOldLayout) {
  const Outcome directions = compare(repeated(most(kTables.directions) + 1, direction), 'o');
  EXPECT_EQ(directions.status, 1);
  EXPECT_EQ(tail(directions.report, 4), " NUMBER OF 20 SERIES OBS EXCEEDS 3000\n" + kTerminated);
  const Outcome angles = compare(repeated(most(kTables.angles) + 1, angle), 'o');
  EXPECT_EQ(tail(angles.report, 4), " NUMBER OF 30 SERIES OBS EXCEEDS  200\n" + kTerminated);
  const Outcome distances = compare(repeated(most(kTables.distances) + 1, distance), 'o');
  EXPECT_EQ(tail(distances.report, 4), " NUMBER OF 50 SERIES OBS EXCEEDS 2000\n" + kTerminated);
  EXPECT_EQ(compare(repeated(most(kTables.directions), direction) + repeated(most(kTables.angles), angle) +
                        repeated(most(kTables.distances), distance),
                    'o')
                .status,
            0);
}

TEST(TableLimits, ReducedEntriesCountAgainstTheDistanceTable) {
  // 1000 slope distances between two known stations fill the table with
  // their chords; the next measured entry does not fit.
  std::string deck = station(1) + station(2);
  for (int i = 0; i < 1000; ++i) deck += card({{7, "*50*"}, {11, "0001"}, {46, "0002"}, {64, "001000000"}, {73, "S"}}) + "\n";
  EXPECT_EQ(compare(deck, 'o').status, 0);
  const Outcome over = compare(deck + distance(1), 'o');
  EXPECT_EQ(tail(over.report, 4), " NUMBER OF 50 SERIES OBS EXCEEDS 2000\n" + kTerminated);
}

TEST(TableLimits, SeriesRecordsAreNotReadForOtherLayouts) {
  std::string deck = repeated(3001, direction) + repeated(201, angle) + repeated(2001, distance);
  deck += card({{7, "*20*"}, {64, "not a direction"}}) + "\n";
  EXPECT_EQ(compare(deck, 'u').status, 0);
  EXPECT_EQ(compare(deck, 'd').status, 0);
}

// Thirty candidates are listed; a thirty-first ends the run.
std::string candidates_report(int entries, bool distances) {
  std::string deck = station(1) + station(2) + station(3);
  for (int i = 1; i <= entries; ++i) deck += distances ? distance(i) : angle(0);
  const std::string description = card({{7, "*10*"}, {11, "002"}}) + "\n" + card({{7, "*30*"}, {11, "$"}}) + "\n" +
                                  card({{7, "*30*"}, {15, "STATION 0001"}, {73, "00000000"}}) + "\n" +
                                  card({{7, "*30*"}, {15, distances ? "STATION 0001" : "STATION 0003"},
                                        {55, distances ? "1.00000" : "       "}, {73, "00000100"}}) + "\n";
  const Outcome run = compare(deck, 'o', description);
  return run.report + format("status %d\n", run.status);
}

TEST(CandidateLimits, Distances) {
  const std::string thirty = candidates_report(30, true);
  EXPECT_NE(thirty.find(" 000030" + std::string(45, ' ') + "   100.003 H\n CC 55-61 MATCHED DISTANCE IN METERS > 3 MM"),
            std::string::npos);
  EXPECT_EQ(tail(candidates_report(31, true), 5),
            " NUMBER OF MATCHED OBS DISTANCES EXCEEDS   30\n" + kTerminated + "status 1\n");
}

TEST(CandidateLimits, Directions) {
  const std::string thirty = candidates_report(30, false);
  EXPECT_NE(thirty.find(std::string(56, ' ') + "01     0  0  0.0\n CC 73-80 MATCHED DIRECTION > 1 SEC"), std::string::npos);
  EXPECT_EQ(tail(candidates_report(31, false), 5),
            " NUMBER OF MATCHED OBS DIRECTIONS EXCEEDS   30\n" + kTerminated + "status 1\n");
}

}  // namespace
