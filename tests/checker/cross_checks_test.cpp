// The checks of the cross-check pass and the station-usage check, on a run
// state set up by hand: tallies and usage marks as the syntax pass leaves them.

#include <gtest/gtest.h>

#include "checker/positioning.hpp"
#include "checker/record_checks.hpp"
#include "common/report_lines.hpp"
#include "tests/checker/checker_fixture.hpp"

namespace {

using namespace corvelin;
using corvelin::test::card;
using Messages = std::vector<int>;

// A control station whose position (cc 45-69) differs from every other SSN's.
std::string control(const std::string& ssn, const std::string& name = "ROCK", char type = 'T',
                    const std::string& elevation = "162345", const std::string& order = "21") {
  return card({{7, "*80*"}, {11, ssn}, {15, name}, {45, "38502012345N1051234" + ssn + "9W"}, {70, elevation},
               {76, std::string(1, type)}, {77, "CO"}, {79, order}});
}

std::string at_one_position(const std::string& ssn, const std::string& name = "ROCK") {
  std::string rec = control(ssn, name);
  return rec.replace(44, 25, "38502012345N105123456789W");
}

std::string auxiliary(const std::string& ssn, const std::string& reference) {
  return card({{7, "*82*"}, {11, ssn}, {15, "AUX " + ssn}, {51, reference}});
}

std::string elevation_83(const std::string& ssn, const std::string& name) {
  return card({{7, "*83*"}, {11, ssn}, {15, name}, {51, "0123456"}});
}

Tallies tallies(int direction_control, int direction_tie, int angle_control, int angle_tie, int distance_tie,
                int occupation) {
  return {direction_control, direction_tie, angle_control, angle_tie, distance_tie, occupation};
}

class CrossChecks : public corvelin::test::CheckerFixture {};

// ---- Station usage ----------------------------------------------------------

struct UsageCase {
  const char* marks;
  Messages messages;
};

class StationUsage : public CrossChecks, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(StationUsage, MarksOfAnAuxiliaryStation) {
  station("0001", kControl, control("0001"));
  Station& aux = station("0002", kAuxiliary, auxiliary("0002", "0001"), "0001");
  aux.marks = GetParam().marks;
  station_usage_check(ck);
  EXPECT_EQ(raised(), GetParam().messages) << GetParam().marks;
}

INSTANTIATE_TEST_SUITE_P(Marks, StationUsage,
                         ::testing::Values(UsageCase{"000", {430}}, UsageCase{"110", {432}},
                                           UsageCase{"100", {432, 431}}, UsageCase{"010", {432}},
                                           UsageCase{"001", {447}}, UsageCase{"101", {431}},
                                           UsageCase{"011", {}}, UsageCase{"111", {}}));

TEST_F(CrossChecks, StationUsageLooksOnlyAtAuxiliaryStationsWithAPositionRecord) {
  station("0001", kControl, control("0001"));
  station("0002", kAuxiliary);
  station("0003", kObserved);
  station("0004", kAuxiliary, auxiliary("0004", "0001"), "0001");
  station_usage_check(ck);
  const auto entries = raised_with_records();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].first, 430);
  EXPECT_EQ(entries[0].second, auxiliary("0004", "0001"));
}

// ---- Auxiliary stations -----------------------------------------------------------

struct PositioningCase {
  Tallies tallies;
  Messages messages;
};

class AuxiliaryPositioning : public CrossChecks, public ::testing::WithParamInterface<PositioningCase> {};

TEST_P(AuxiliaryPositioning, TalliesDecide) {
  station("0001", kControl, control("0001"));
  station("0002", kAuxiliary, auxiliary("0002", "0001"), "0001").tallies = GetParam().tallies;
  auxiliary_station_check(ck, auxiliary("0002", "0001"));
  EXPECT_EQ(raised(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Tallies, AuxiliaryPositioning,
    ::testing::Values(PositioningCase{tallies(0, 0, 0, 0, 0, 0), {351, 411}},
                      PositioningCase{tallies(0, 0, 0, 0, 0, 1), {351}},
                      PositioningCase{tallies(3, 0, 0, 0, 0, 0), {351, 411}},  // as written: 351 then 411
                      PositioningCase{tallies(0, 0, 3, 0, 0, 0), {}},
                      PositioningCase{tallies(2, 0, 1, 0, 0, 0), {411}},
                      PositioningCase{tallies(0, 1, 0, 0, 0, 0), {411}},
                      PositioningCase{tallies(0, 1, 0, 0, 1, 0), {}},
                      PositioningCase{tallies(0, 0, 0, 2, 0, 0), {}},
                      PositioningCase{tallies(3, 1, 0, 0, 0, 0), {}}));

TEST_F(CrossChecks, AuxiliaryStationWithAnUnknownReferenceOrAControlPosition) {
  station("0001", kControl, control("0001"));
  station("0002", kAuxiliary, auxiliary("0002", "0003"), "0003").tallies.angle_control = 3;
  station("0003", kAuxiliary, auxiliary("0003", "0001"), "0001").tallies.angle_control = 3;
  auxiliary_station_check(ck, auxiliary("0002", "0003"));
  EXPECT_EQ(raised(), Messages{448});
  // A *82* for a station that an *80* entered first.
  auxiliary_station_check(ck, auxiliary("0001", "0001"));
  EXPECT_EQ(raised(), (Messages{448, 339, 351, 411}));
}

// ---- *83* records -----------------------------------------------------------------

TEST_F(CrossChecks, ElevationRecordAgainstTheTypeOfItsControlPosition) {
  station("0001", kControl, control("0001", "ROCK", 'B'));
  station("0002", kControl, control("0002", "ROCK", 'L'));
  station("0003", kControl, control("0003", "ROCK", 'T'));
  station("0004", kObserved);
  elevation_record_check(ck, elevation_83("0001", "ROCK"));
  EXPECT_EQ(raised(), Messages{});
  elevation_record_check(ck, elevation_83("0001", "ROCK RM 1"));
  EXPECT_EQ(raised(), Messages{352});
  elevation_record_check(ck, elevation_83("0002", "ROCK"));
  EXPECT_EQ(raised(), (Messages{352, 353, 351}));
  elevation_record_check(ck, elevation_83("0002", "ROCK RM 1"));
  EXPECT_EQ(raised(), (Messages{352, 353, 351, 351}));
  elevation_record_check(ck, elevation_83("0003", "ROCK RM 1"));
  EXPECT_EQ(raised(), (Messages{352, 353, 351, 351, 354}));
  elevation_record_check(ck, elevation_83("0004", "ROCK RM 1"));
  EXPECT_EQ(raised(), (Messages{352, 353, 351, 351, 354, 351}));
}

TEST_F(CrossChecks, ATiedElevationMarkGetsNo351) {
  station("0004", kObserved).tallies = tallies(0, 1, 0, 0, 1, 0);
  elevation_record_check(ck, elevation_83("0004", "ROCK RM 1"));
  EXPECT_EQ(raised(), Messages{});
}

// ---- Position records ------------------------------------------------------------

TEST_F(CrossChecks, SamePositionAsEveryOtherStation) {
  station("0001", kControl, at_one_position("0001"));
  station("0002", kControl, at_one_position("0002"));
  station("0003", kControl, at_one_position("0003"));
  store(at_one_position("0001", "ROCK OTHER"), Family::k80);  // the same station again
  station("0004", kControl, control("0004"));
  for (const char* ssn : {"0001", "0002", "0003"}) ck.stations.at(ck.stations.find(ssn)).tallies.occupation = 1;
  position_record_check(ck, at_one_position("0001"));
  EXPECT_EQ(raised(), (Messages{336, 336}));
}

TEST_F(CrossChecks, UnobservedControlStation) {
  Station& s = station("0001", kControl, control("0001", "ROCK", 'T', "162345", "1A"));
  position_record_check(ck, control("0001", "ROCK", 'T', "162345", "1A"));
  EXPECT_EQ(raised(), (Messages{439, 321}));
  s.tallies = tallies(3, 0, 2, 0, 0, 0);
  position_record_check(ck, control("0001"));
  EXPECT_EQ(raised(), (Messages{439, 321, 321}));  // under 3 control angles
  s.tallies = tallies(3, 0, 3, 0, 0, 0);
  position_record_check(ck, control("0001"));
  s.tallies = tallies(0, 0, 0, 0, 1, 0);
  position_record_check(ck, control("0001"));
  s.tallies = tallies(0, 0, 0, 0, 0, 1);
  position_record_check(ck, control("0001", "ROCK", 'T', "162345", "1A"));
  EXPECT_EQ(raised(), (Messages{439, 321, 321}));
}

TEST_F(CrossChecks, ElevationTypeAgainstTheStationsElevationRecords) {
  station("0001", kControl, control("0001", "ROCK", 'L'));
  station("0002", kControl, control("0002", "HILL", 'B'));
  store(elevation_83("0001", "ROCK"), Family::k80);
  store(elevation_83("0001", "ROCK RM 2"), Family::k80);
  store(elevation_83("0002", "HILL RM 1"), Family::k80);
  store(elevation_83("0002", "HILL"), Family::k80);
  store(elevation_83("0003", "HILL RM 1"), Family::k80);
  for (const char* ssn : {"0001", "0002"}) ck.stations.at(ck.stations.find(ssn)).tallies.occupation = 1;
  position_record_check(ck, control("0001", "ROCK", 'L'));
  position_record_check(ck, control("0002", "HILL", 'B'));
  const auto entries = raised_with_records();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0], std::make_pair(348, control("0001", "ROCK", 'L')));
  EXPECT_EQ(entries[1], std::make_pair(369, elevation_83("0001", "ROCK")));
  EXPECT_EQ(entries[2], std::make_pair(347, control("0002", "HILL", 'B')));
  EXPECT_EQ(entries[3], std::make_pair(369, elevation_83("0002", "HILL RM 1")));
}

// ---- Observations ------------------------------------------------------------------

TEST_F(CrossChecks, AnAngleNeedsOneControlStation) {
  station("0001", kAuxiliary, auxiliary("0001", "0009"));
  station("0002", kAuxiliary, auxiliary("0002", "0009"));
  station("0003", kControl, control("0003"));
  const std::string angle = card({{7, "*30*"}, {11, "0001"}, {51, "0002"}, {72, "0004"}});
  observation_to_station_check(ck, angle);
  observation_to_station_check(ck, card({{7, "*32*"}, {11, "0001"}, {51, "0002"}, {72, "0003"}}));
  observation_to_station_check(ck, card({{7, "*20*"}, {11, "0001"}, {51, "0002"}}));
  EXPECT_EQ(raised_with_records(), (std::vector<std::pair<int, std::string>>{{433, angle}}));
}

TEST_F(CrossChecks, OccupiedStationsOrderMustBeAOrB) {
  station("0001", kControl, control("0001", "ROCK", 'T', "162345", "1A"));
  station("0002", kControl, control("0002", "ROCK", 'T', "162345", "21"));
  const std::string at_1 = card({{7, "*25*"}, {11, "0001"}});
  const std::string at_2 = card({{7, "*25*"}, {11, "0002"}});
  const std::string at_3 = card({{7, "*25*"}, {11, "0003"}});
  observation_to_station_check(ck, at_1);
  observation_to_station_check(ck, at_2);
  observation_to_station_check(ck, at_3);
  EXPECT_EQ(raised_with_records(), (std::vector<std::pair<int, std::string>>{
                                       {437, at_2}, {438, control("0002", "ROCK", 'T', "162345", "21")},
                                       {437, at_3}, {438, missing_position_text()}}));
}

std::string height_difference(const std::string& from, const std::string& to, const std::string& value) {
  return card({{7, "*45*"}, {11, from}, {51, to}, {64, value}});
}

TEST_F(CrossChecks, HeightDifferenceAgainstTheTwoElevations) {
  station("0001", kControl, control("0001", "LOW", 'B', "100000"));
  station("0002", kControl, control("0002", "HIGH", 'L', "101230"));
  station("0003", kControl, control("0003", "HIGH", 'L', " 10123"));
  observation_to_station_check(ck, height_difference("0001", "0002", "000123"));   // 12.3 up: agrees
  observation_to_station_check(ck, height_difference("0002", "0001", "-00123"));   // its sign is not looked at
  observation_to_station_check(ck, height_difference("0001", "0002", "000121"));   // 0.2 off
  observation_to_station_check(ck, height_difference("0001", "0003", "008988"));   // 898.8 - 898.77: 0.03 off
  observation_to_station_check(ck, height_difference("0001", "0003", "00898X"));   // unreadable: no test
  EXPECT_EQ(raised(), (Messages{441, 442, 442, 441, 442, 442}));
}

TEST_F(CrossChecks, HeightDifferenceJustInsideAndOutsideTheTolerance) {
  station("0001", kControl, control("0001", "LOW", 'T', "  1000"));
  station("0002", kControl, control("0002", "HIGH", 'T', "  1198"));
  observation_to_station_check(ck, height_difference("0001", "0002", "   020"));  // 0.02 off
  EXPECT_EQ(raised(), (Messages{441, 442, 442}));
  station("0003", kControl, control("0003", "HIGH", 'T', "  1200"));
  observation_to_station_check(ck, height_difference("0001", "0003", "   020"));
  EXPECT_EQ(raised(), (Messages{441, 442, 442}));
}

TEST_F(CrossChecks, HeightDifferenceToAForepointOfTheWrongElevationType) {
  station("0001", kControl, control("0001", "LOW", 'T', "100000"));
  station("0002", kControl, control("0002", "HIGH", 'G', "101230"));
  station("0003", kAuxiliary, auxiliary("0003", "0001"));
  const std::string obs = height_difference("0001", "0002", "000123");
  observation_to_station_check(ck, obs);
  observation_to_station_check(ck, height_difference("0001", "0003", "000999"));  // not control: no check
  EXPECT_EQ(raised_with_records(), (std::vector<std::pair<int, std::string>>{
                                       {435, obs}, {436, control("0002", "HIGH", 'G', "101230")}}));
}

TEST_F(CrossChecks, AnotherCodeIsReportedAsIllegalAndNotChecked) {
  observation_to_station_check(ck, card({{7, "*21*"}, {11, "0001"}}));
  EXPECT_EQ(raised(), Messages{});
  EXPECT_EQ(report_text(), "\n\n  Illegal data code 21 passed to Zudezo 2.1\n");
}

TEST_F(CrossChecks, AnnexRecordsNeedAControlPosition) {
  station("0001", kControl, control("0001"));
  station("0002", kAuxiliary, auxiliary("0002", "0001"));
  station("0003", kObserved);
  control_position_check(ck, card({{7, "*84*"}, {11, "0001"}}));
  control_position_check(ck, card({{7, "*85*"}, {11, "0002"}}));
  control_position_check(ck, card({{7, "*84*"}, {11, "0003"}}));
  control_position_check(ck, card({{7, "*85*"}, {11, "0004"}}));
  EXPECT_EQ(raised(), (Messages{364, 364, 364}));
}

// ---- Candidate lists ---------------------------------------------------------------

class CandidateLists : public CrossChecks {
 protected:
  void SetUp() override {
    CrossChecks::SetUp();
    station("0001", kControl, control("0001"));
    station("0002", kControl, control("0002"));
    station("0009", kAuxiliary, auxiliary("0009", "0001"), "0001");
  }
  std::vector<std::string> others(const std::vector<Candidate>& list) {
    std::vector<std::string> text;
    for (const Candidate& c : list) {
      text.push_back(std::to_string(c.family) + (c.at_standpoint ? " SP " : " FP ") + c.other);
    }
    return text;
  }
};

TEST_F(CandidateLists, DirectionsToAndFromKnownStationsOnly) {
  store(card({{7, "*20*"}, {11, "0009"}, {51, "0001"}}), Family::k20);
  store(card({{7, "*22*"}, {11, "0009"}, {51, "0001"}}), Family::k20);  // the same tie again
  store(card({{7, "*22*"}, {11, "0009"}, {51, "0005"}}), Family::k20);  // not known
  store(card({{7, "*20*"}, {11, "0002"}, {51, "0009"}}), Family::k20);
  store(card({{7, "*20*"}, {11, "0005"}, {51, "0009"}}), Family::k20);
  EXPECT_EQ(others(build_candidate_list(ck, "0009")), (std::vector<std::string>{"20 SP 0001", "20 FP 0002"}));
}

TEST_F(CandidateLists, AnglesDistancesAndSixtiesByTheirColumnRules) {
  store(card({{7, "*30*"}, {11, "0009"}, {51, "0001"}, {72, "0002"}}), Family::k30);
  store(card({{7, "*32*"}, {11, "0009"}, {51, "0005"}, {72, "002 "}}), Family::k30);
  store(card({{7, "*30*"}, {11, "005 "}, {51, "0009"}, {72, "0001"}}), Family::k30);
  store(card({{7, "*30*"}, {11, "0006"}, {51, "0001"}, {72, "0009"}}), Family::k30);  // cc 14 not blank
  store(card({{7, "*50*"}, {11, "0009"}, {46, "0007"}}), Family::k50);              // cc 49 not blank
  store(card({{7, "*50*"}, {11, "0009"}, {46, "007 "}}), Family::k50);
  store(card({{7, "*51*"}, {11, "008 "}, {46, "0009"}}), Family::k50);
  store(card({{7, "*60*"}, {11, "0009"}, {51, "006 "}}), Family::k60);
  store(card({{7, "*61*"}, {11, "004 "}, {51, "0009"}}), Family::k60);
  ck.stations.append("002 ", kControl, "    ");
  EXPECT_EQ(others(build_candidate_list(ck, "0009")),
            (std::vector<std::string>{"30 SP 0001", "30 SP 002 ", "30 FP 005 ", "50 SP 007 ", "50 FP 008 ",
                                      "60 SP 006 ", "60 FP 004 "}));
}

TEST_F(CandidateLists, TheHundredAndFirstTieIsLeftOutWithANotice) {
  for (int i = 0; i < 102; ++i) {
    const std::string ssn = orv::format("%04d", 1000 + i);
    ck.stations.append(ssn, kControl, "    ");
    store(card({{7, "*20*"}, {11, "0009"}, {51, ssn}}), Family::k20);
  }
  store(card({{7, "*22*"}, {11, "0009"}, {51, "1000"}}), Family::k20);  // listed: dropped without a notice
  store(card({{7, "*22*"}, {11, "0009"}, {51, "1101"}}), Family::k20);  // never listed: a notice again
  EXPECT_EQ(build_candidate_list(ck, "0009").size(), kCapacities.candidates);
  const std::string notice = "\n File of Obs Entries Filled Up in Putawy\n";
  EXPECT_EQ(report_text(), notice + notice + notice);
}

// The search looks at each family's range of the working copy whatever
// records lie in it.
TEST_F(CandidateLists, EachFamilysRangeAsStored) {
  store(card({{7, "*20*"}, {11, "0009"}, {51, "0001"}}), Family::k20);
  store(card({{7, "*30*"}, {11, "0009"}, {51, "0002"}, {72, "0001"}}), Family::k30);
  store(card({{7, "*22*"}, {11, "0002"}, {51, "0009"}}), Family::k20);  // the *30* now lies in the 20 range
  EXPECT_EQ(others(build_candidate_list(ck, "0009")), (std::vector<std::string>{"20 SP 0001", "20 SP 0002", "30 SP 0002"}));
  store(card({{7, "*32*"}, {11, "0009"}, {51, "0005"}, {72, "002 "}}), Family::k30);
  ck.stations.append("002 ", kControl, "    ");
  EXPECT_EQ(others(build_candidate_list(ck, "0009")),  // records added since are searched too
            (std::vector<std::string>{"20 SP 0001", "20 SP 0002", "30 SP 0002", "30 SP 002 "}));
  EXPECT_TRUE(build_candidate_list(ck, "009").empty());  // no four columns name it
}

// A record naming the station twice is looked at once: one tie left out of
// a full list, one notice.
TEST_F(CandidateLists, ARecordNamingTheStationTwiceIsOneTie) {
  for (int i = 0; i < 98; ++i) {
    const std::string ssn = orv::format("%04d", 2000 + i);
    ck.stations.append(ssn, kControl, "    ");
    store(card({{7, "*20*"}, {11, "0009"}, {51, ssn}}), Family::k20);
  }
  store(card({{7, "*22*"}, {11, "0009"}, {51, "0001"}}), Family::k20);
  store(card({{7, "*22*"}, {11, "0009"}, {51, "0002"}}), Family::k20);
  store(card({{7, "*30*"}, {11, "007 "}, {51, "0009"}, {72, "0009"}}), Family::k30);
  EXPECT_EQ(build_candidate_list(ck, "0009").size(), kCapacities.candidates);
  EXPECT_EQ(report_text(), "\n File of Obs Entries Filled Up in Putawy\n");
}

}  // namespace
