// What the syntax pass leaves for the cross-checks: the stations that the
// observations name, their tallies within observation sets, and the usage
// marks of auxiliary stations (with error 405).  The column rules themselves
// are shown end to end (tests/e2e/corvelin/obs-*).

#include <gtest/gtest.h>

#include <algorithm>

#include "checker/record_checks.hpp"
#include "common/console.hpp"
#include "tests/checker/checker_fixture.hpp"

namespace {

using namespace corvelin;
using corvelin::test::card;

class SyntaxPass : public corvelin::test::CheckerFixture {
 protected:
  void SetUp() override {
    CheckerFixture::SetUp();
    for (const char* ssn : {"0001", "0002", "0003"}) station(ssn, kControl);
    start_syntax_pass(ck);
  }

  void step(const std::string& rec) { syntax_step(ck, rec); }

  // Observations naming their stations in the columns of their code.
  void direction(const std::string& sp, const std::string& fp) { step(card({{7, "*20*"}, {11, sp}, {51, fp}})); }
  void angle(const std::string& sp, const std::string& first, const std::string& second, const char* code = "*30*") {
    step(card({{7, code}, {11, sp}, {51, first}, {72, second}}));
  }
  void distance(const std::string& sp, const std::string& fp, const char* code = "*50*") {
    step(card({{7, code}, {11, sp}, {46, fp}}));
  }
  void sixty(const std::string& sp, const std::string& fp, const char* code = "*60*") {
    step(card({{7, code}, {11, sp}, {51, fp}}));
  }

  const Station& at(const std::string& ssn) { return ck.stations.at(ck.stations.find(ssn)); }
  const Tallies& tallies(const std::string& ssn) { return at(ssn).tallies; }
  long raised_count(int message) {
    const auto all = raised();
    return std::count(all.begin(), all.end(), message);
  }
};

TEST_F(SyntaxPass, NewStationsAreEnteredWithoutTypeAndReportedOnce) {
  direction("0001", "0100");
  direction("0100", "0001");
  EXPECT_EQ(at("0100").type, kObserved);
  EXPECT_EQ(raised_count(401), 1);
  EXPECT_EQ(raised_count(400), 0);
}

TEST_F(SyntaxPass, DistanceOfCode51EntersItsColumns46To49First) {
  distance("0100", "0200", "*51*");
  EXPECT_EQ(ck.stations.find("0200"), 4);
  EXPECT_EQ(ck.stations.find("0100"), 5);
  EXPECT_EQ(raised_with_records()[0].first, 400);
  EXPECT_EQ(raised_with_records()[1].first, 403);
}

TEST_F(SyntaxPass, DirectionTallies) {
  direction("0001", "0002");  // both control
  direction("0001", "0100");  // control to a new station
  direction("0101", "0003");  // a new station to control, in a new set
  EXPECT_EQ(tallies("0001").direction_control, 1);
  EXPECT_EQ(tallies("0002").direction_tie, 1);
  EXPECT_EQ(tallies("0100").direction_tie, 1);
  EXPECT_EQ(tallies("0101").direction_tie, 1);
  EXPECT_EQ(tallies("0003").direction_tie, 0);
}

TEST_F(SyntaxPass, AForepointCountsOncePerObservationSet) {
  direction("0001", "0100");
  step(card({{7, "*22*"}, {11, "0001"}, {51, "0100"}}));
  distance("0001", "0100");  // same standpoint: the same set
  EXPECT_EQ(tallies("0100").direction_tie, 1);
  EXPECT_EQ(tallies("0100").distance_tie, 0);
  distance("0002", "0100");  // another standpoint opens a set
  distance("0001", "0100");  // and back again: a third set
  EXPECT_EQ(tallies("0100").distance_tie, 2);
}

TEST_F(SyntaxPass, HeightDifferencesAndVerticalAnglesOpenSetsButTallyNothing) {
  distance("0001", "0100");
  step(card({{7, "*45*"}, {11, "0002"}, {51, "0100"}}));
  step(card({{7, "*40*"}, {11, "0003"}, {51, "0100"}}));
  EXPECT_EQ(tallies("0100").distance_tie, 1);
  EXPECT_EQ(tallies("0100").direction_tie, 0);
  distance("0001", "0100");
  EXPECT_EQ(tallies("0100").distance_tie, 2);
}

TEST_F(SyntaxPass, EveryDistanceAndSixtySeriesRecordOpensASetAtANewStandpoint) {
  distance("0001", "0100");
  distance("0001", "0100", "*52*");  // same standpoint: the same set
  EXPECT_EQ(tallies("0100").distance_tie, 1);
  distance("0002", "0100", "*52*");  // another standpoint: a new set, a second tie
  sixty("0003", "0100");
  sixty("0003", "0100", "*61*");
  EXPECT_EQ(tallies("0100").distance_tie, 3);
  distance("0100", "0102", "*53*");  // no control end
  distance("0001", "0002", "*54*");  // two control ends
  EXPECT_EQ(tallies("0100").distance_tie + tallies("0102").distance_tie, 3);
  EXPECT_EQ(tallies("0001").distance_tie + tallies("0002").distance_tie, 0);
}

// Guards the fault of keeping these records in the set of the last *50*/*51*
// standpoint: a sound deck of many *52* distances ended by fatal termination.
TEST_F(SyntaxPass, ManyDistancesFromManyStandpointsDoNotFillOneSet) {
  for (int i = 0; i < 150; ++i) {
    const std::string sp = orv::format("%04d", 1000 + i), fp = orv::format("%04d", 2000 + i);
    if (i % 2 == 0) distance(sp, fp, "*52*");
    else sixty(sp, fp);
  }
  EXPECT_EQ(report_text().find(" ***** Fatal termination"), std::string::npos);
}

TEST_F(SyntaxPass, AngleTallies) {
  angle("0001", "0002", "0100");  // control standpoint: each new observed station
  EXPECT_EQ(tallies("0002").angle_tie, 1);
  EXPECT_EQ(tallies("0100").angle_tie, 1);
  EXPECT_EQ(tallies("0001").angle_control, 0);
  angle("0101", "0001", "0102");  // otherwise the standpoint, once per control station
  EXPECT_EQ(tallies("0101").angle_tie, 1);
  EXPECT_EQ(tallies("0102").angle_tie, 0);
  angle("0003", "0001", "0002");  // all three control
  EXPECT_EQ(tallies("0003").angle_control, 1);
  angle("0003", "0002", "0001", "*32*");  // nothing new in the set
  EXPECT_EQ(tallies("0003").angle_control, 1);
  EXPECT_EQ(tallies("0001").angle_tie, 1);
}

TEST_F(SyntaxPass, EveryOccupationCounts) {
  step(card({{7, "*25*"}, {11, "0001"}}));
  step(card({{7, "*25*"}, {11, "0001"}}));
  EXPECT_EQ(tallies("0001").occupation, 2);
}

TEST_F(SyntaxPass, UsageMarksOfAnAuxiliaryStationWithItsReference) {
  station("0201", kAuxiliary, "", "0001");
  station("0202", kAuxiliary, "", "0001");
  station("0203", kAuxiliary, "", "0002");
  direction("0201", "0001");          // from the auxiliary station
  direction("0001", "0202");          // from the reference
  angle("0201", "0002", "0001");      // at the auxiliary station to its reference
  angle("0001", "0202", "0002");      // at the reference: no mark
  distance("0001", "0201");           // from the reference: no error
  distance("0001", "0201");           // marks also when the forepoint is not new
  distance("0003", "0203");           // not its reference
  EXPECT_EQ(at("0201").marks, "111");
  EXPECT_EQ(at("0202").marks, "010");
  EXPECT_EQ(at("0203").marks, "000");
  EXPECT_EQ(raised_count(405), 0);
}

TEST_F(SyntaxPass, DistanceFromAnAuxiliaryStationToItsReferenceIs405) {
  station("0201", kAuxiliary, "", "0001");
  const char* codes[] = {"*50*", "*51*", "*52*", "*53*", "*54*"};
  for (const char* code : codes) distance("0201", "0001", code);
  sixty("0201", "0001");
  sixty("0201", "0001", "*61*");
  EXPECT_EQ(raised_count(405), 7);
  EXPECT_EQ(at("0201").marks, "001");
  EXPECT_EQ(tallies("0201").distance_tie, 1);
}

TEST_F(SyntaxPass, TheHundredAndFirstForepointOfOneSetEndsTheRun) {
  for (int i = 0; i < 100; ++i) distance("0001", orv::format("%04d", 1000 + i));
  EXPECT_THROW(distance("0001", "2000"), orv::RunEnd);
  EXPECT_NE(report_text().find(" ***** Fatal termination"), std::string::npos);
}

}  // namespace
