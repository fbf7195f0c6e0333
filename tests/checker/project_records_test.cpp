// The *12* project dates: which messages each faulty date gives, and when
// the project span becomes the date range of the later records.

#include <gtest/gtest.h>

#include "checker/record_checks.hpp"
#include "tests/checker/checker_fixture.hpp"

namespace {

using namespace corvelin;
using corvelin::test::card;
using Messages = std::vector<int>;

class ProjectRecord : public corvelin::test::CheckerFixture {
 protected:
  // A *12* sound in everything but the dates of cc 11-22.
  Messages check(const std::string& dates) {
    check_project_record(ck, card({{7, "*12*"}, {11, dates}, {23, "NORTH RIDGE"}, {65, "GSOHQ 2004"},
                                   {76, "1CO00"}}));
    return raised();
  }
  bool range_is(int low, int high) const { return ck.date_range.low == low && ck.date_range.high == high; }
};

TEST_F(ProjectRecord, SoundDatesBecomeTheDateRange) {
  EXPECT_EQ(check("195001199912"), Messages{});
  EXPECT_TRUE(range_is(1950, 1999));
}

TEST_F(ProjectRecord, ASpanJustUnderOneHundredYears) {
  EXPECT_EQ(check("1901  2000  "), Messages{});
  EXPECT_TRUE(range_is(1901, 2000));
}

TEST_F(ProjectRecord, ASecondProjectRecordStartsFromTheDefaultRange) {
  check("195001199912");
  EXPECT_EQ(check("1950  2 04  "), (Messages{542, 547}));
  EXPECT_TRUE(range_is(1920, 2004));
}

struct FaultyDates {
  const char* dates;
  Messages messages;
};

class FaultyProjectDates : public ProjectRecord, public ::testing::WithParamInterface<FaultyDates> {};

TEST_P(FaultyProjectDates, RaiseTheirMessagesAndKeepTheDefaultRange) {
  EXPECT_EQ(check(GetParam().dates), GetParam().messages) << GetParam().dates;
  EXPECT_TRUE(range_is(1920, 2004));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FaultyProjectDates,
    ::testing::Values(
        FaultyDates{"            ", {2, 541}},
        FaultyDates{"19 5  1999  ", {548}},     // begin broken by a blank: not read, counts as 0
        FaultyDates{"195 01199912", {5}},       // begin year with a trailing blank: 1900
        FaultyDates{"19AB  1999  ", {6}},
        FaultyDates{"2195  2004  ", {4, 547}},  // a century out of range is still read
        FaultyDates{"  95  1999  ", {4, 548}},
        FaultyDates{"19501 1999  ", {8}},
        FaultyDates{"195013199912", {7}},
        FaultyDates{"195000199912", {7}},
        FaultyDates{"1950  2 04  ", {542, 547}},
        FaultyDates{"1950  199   ", {543, 547}},
        FaultyDates{"1950  19X9  ", {544, 547}},
        FaultyDates{"1950  2199  ", {545, 548}},
        FaultyDates{"1950  1999 0", {546}},
        FaultyDates{"1950  199913", {546}},
        FaultyDates{"1950      12", {541, 547}},
        FaultyDates{"1999  1950  ", {547}},
        FaultyDates{"1900  2000  ", {548}},
        FaultyDates{"1 50  1 99  ", {542}}));  // both unread: no span to test

TEST_F(ProjectRecord, TheOtherFieldsInTheirOrder) {
  check_project_record(ck, card({{7, "*12*"}, {11, "1920  2004"}, {23, "North"}, {76, "5XX01"}}));
  EXPECT_EQ(raised(), (Messages{601, 602, 9, 10, 11}));
}

}  // namespace
