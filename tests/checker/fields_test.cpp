#include "checker/fields.hpp"

#include <gtest/gtest.h>

namespace {

using namespace corvelin;
using Errors = std::vector<int>;

TEST(CharacterSets, FirstOutside) {
  EXPECT_EQ(first_outside("AB1", kCapitals), 3);
  EXPECT_EQ(first_outside("AB ", kBlankCapitals), 0);
}

TEST(DateField, EveryOutcome) {
  const DateRange range{1920, 2004};
  EXPECT_EQ(date_error("      ", 21, &range), 21);
  EXPECT_EQ(date_error("95 1 2", 21, &range), 22);  // blank followed by a non-blank
  EXPECT_EQ(date_error(" 95   ", 21, &range), 22);
  EXPECT_EQ(date_error("9A0101", 21, &range), 24);
  EXPECT_EQ(date_error("950101", 21, &range), 0);
  EXPECT_EQ(date_error("95    ", 21, &range), 0);    // month and day may be blank
  EXPECT_EQ(date_error("9501  ", 21, &range), 0);
  EXPECT_EQ(date_error("95AB01", 21, &range), 25);
  EXPECT_EQ(date_error("951301", 21, &range), 26);
  EXPECT_EQ(date_error("950001", 21, &range), 26);
  EXPECT_EQ(date_error("95010X", 21, &range), 27);
  EXPECT_EQ(date_error("950132", 21, &range), 28);
  EXPECT_EQ(date_error("950100", 21, &range), 28);
  EXPECT_EQ(date_error("950431", 21, &range), 29);
  EXPECT_EQ(date_error("960230", 21, &range), 29);
  EXPECT_EQ(date_error("950229", 21, &range), 29);
  EXPECT_EQ(date_error("960229", 21, &range), 0);   // leap year
}

TEST(DateField, RangeTakesTheCenturyOfTheNearerEnd) {
  const DateRange range{1920, 2004};
  EXPECT_EQ(date_error("030101", 21, &range), 0);    // 2003
  EXPECT_EQ(date_error("040101", 21, &range), 0);    // 2004, the last year
  EXPECT_EQ(date_error("200101", 21, &range), 0);    // 1920, the first year
  EXPECT_EQ(date_error("100101", 21, &range), 483);  // 2010
  EXPECT_EQ(date_error("120101", 21, &range), 483);  // equally near: 1912
  EXPECT_EQ(date_error("190101", 21, &range), 483);  // 1919
  const DateRange one_century{1980, 1995};
  EXPECT_EQ(date_error("990101", 21, &one_century), 483);
  EXPECT_EQ(date_error("850101", 21, &one_century), 0);
  EXPECT_EQ(date_error("100101", 21, nullptr), 0);   // no range test
}

TEST(DateField, ABlankYearAlwaysComesWithABlankBeforeANonBlank) {
  const DateRange range{1920, 2004};
  // base + 2 cannot be reached: a blank year is followed by a non-blank,
  // or the whole date is blank.
  EXPECT_EQ(date_error("  0101", 21, &range), 22);
  EXPECT_EQ(date_error("  01  ", 21, &range), 22);
  EXPECT_EQ(date_error("9     ", 21, &range), 24);
}

TEST(DateField, DaysAtTheEndOfEachShortMonth) {
  const DateRange range{1920, 2004};
  EXPECT_EQ(date_error("970630", 21, &range), 0);
  EXPECT_EQ(date_error("970631", 21, &range), 29);
  EXPECT_EQ(date_error("970930", 21, &range), 0);
  EXPECT_EQ(date_error("970931", 21, &range), 29);
  EXPECT_EQ(date_error("971131", 21, &range), 29);
  EXPECT_EQ(date_error("970431", 21, &range), 29);
  EXPECT_EQ(date_error("971231", 21, &range), 0);
  EXPECT_EQ(date_error("000229", 21, &range), 0);  // 2000: divisible by 4
  EXPECT_EQ(date_error("970228", 21, &range), 0);
}

TEST(DateField, ARangeOverAnotherCentury) {
  const DateRange range{1850, 1949};
  EXPECT_EQ(date_error("49    ", 121, &range), 0);    // 1949
  EXPECT_EQ(date_error("50    ", 121, &range), 0);    // equally near: 1850
  EXPECT_EQ(date_error("99    ", 121, &range), 0);    // nearer 50: 1899
  EXPECT_EQ(date_error("00    ", 121, &range), 0);    // nearer 49: 1900
  EXPECT_EQ(date_error("49    ", 372, &range), 0);
  const DateRange late{1999, 2001};
  EXPECT_EQ(date_error("98    ", 372, &late), 834);  // 1998
  EXPECT_EQ(date_error("02    ", 372, &late), 834);  // 2002
  EXPECT_EQ(date_error("99    ", 372, &late), 0);
  EXPECT_EQ(date_error("01    ", 372, &late), 0);
}

TEST(StationName, FirstFailingRule) {
  EXPECT_EQ(station_name_error(std::string(30, ' '), 224), 224);
  EXPECT_EQ(station_name_error("ROCK 2 RM/3=A+B.C-D           ", 224), 0);
  EXPECT_EQ(station_name_error("rock                          ", 224), 331);
  EXPECT_EQ(station_name_error(" ROCK                         ", 224), 225);
  EXPECT_EQ(station_name_error("ROCK  HILL                    ", 224), 226);
  EXPECT_EQ(station_name_error("ROCK HILL  2                  ", 267), 269);
  EXPECT_EQ(station_name_error(" rock                         ", 358), 331);  // characters before the blank
  EXPECT_EQ(station_name_error("ROCK HILL 2 X                 ", 358), 0);  // trailing blanks
  EXPECT_EQ(station_name_error("ROCK HILL 2                  X", 358), 360);
  EXPECT_EQ(station_name_error("ROCK\tHILL                     ", 358), 331);
}

TEST(Latitude, BoundariesAndIndependentParts) {
  EXPECT_EQ(latitude_errors("9000000000 ", 227), Errors{});
  EXPECT_EQ(latitude_errors("           ", 227), Errors{227});
  EXPECT_EQ(latitude_errors("38 5300000 ", 227), Errors{228});
  EXPECT_EQ(latitude_errors("3A5300000  ", 227), Errors{229});
  EXPECT_EQ(latitude_errors("9100000000 ", 227), Errors{230});
  EXPECT_EQ(latitude_errors("38X100000  ", 227), Errors{231});
  EXPECT_EQ(latitude_errors("3860000000 ", 227), Errors{232});
  EXPECT_EQ(latitude_errors("385900 1000", 227), Errors{233});  // seconds unreadable
  EXPECT_EQ(latitude_errors("3859595999 ", 227), Errors{});      // 59.59990 s
  EXPECT_EQ(latitude_errors("3859600000 ", 227), Errors{234});   // 60 seconds
  EXPECT_EQ(latitude_errors("9960600000 ", 227), (Errors{230, 232, 234}));
  EXPECT_EQ(latitude_errors("3859-100000", 227), Errors{234});   // negative seconds
  EXPECT_EQ(latitude_errors("00000000000", 227), Errors{});
  EXPECT_EQ(latitude_errors("385905.5   ", 227), Errors{});      // a written point
  EXPECT_EQ(latitude_errors("AB  00     ", 227), Errors{228});   // blank tests first
}

TEST(Longitude, BoundariesAndIndependentParts) {
  EXPECT_EQ(longitude_errors("35959595999 ", 236), Errors{});
  EXPECT_EQ(longitude_errors("            ", 236), Errors{236});
  EXPECT_EQ(longitude_errors("077 3012345 ", 236), Errors{237});
  EXPECT_EQ(longitude_errors("07A3012345  ", 236), Errors{238});
  EXPECT_EQ(longitude_errors("36000000000 ", 236), Errors{239});
  EXPECT_EQ(longitude_errors("077AA012345 ", 236), Errors{240});
  EXPECT_EQ(longitude_errors("07760012345 ", 236), Errors{241});
  EXPECT_EQ(longitude_errors("0773012-345 ", 236), Errors{242});
  EXPECT_EQ(longitude_errors("07730600000 ", 236), Errors{243});
  EXPECT_EQ(longitude_errors("07730-100000", 236), Errors{243});   // negative seconds
  EXPECT_EQ(longitude_errors("0773000    1", 236), Errors{242});   // blank between digits
  EXPECT_EQ(longitude_errors("077300 12345", 236), Errors{237});   // blank in the seventh column
  EXPECT_EQ(longitude_errors("3606060xxxxx", 236), (Errors{239, 241, 242}));
}

TEST(TimeField, HoursMinutesAndZone) {
  EXPECT_EQ(time_errors("     ", 51), Errors{});
  EXPECT_EQ(time_errors("2359Z", 51), Errors{});
  EXPECT_EQ(time_errors("2400 ", 51), Errors{51});
  EXPECT_EQ(time_errors("1260 ", 51), Errors{51});
  EXPECT_EQ(time_errors("12 0 ", 51), Errors{51});
  EXPECT_EQ(time_errors("1200J", 51), Errors{52});
  EXPECT_EQ(time_errors("    z", 51), Errors{52});
  EXPECT_EQ(time_errors("9900J", 114), (Errors{114, 115}));
}

TEST(AngleField, NineAndEightColumns) {
  EXPECT_EQ(angle_errors("359595999", 33), Errors{});
  EXPECT_EQ(angle_errors("         ", 33), Errors{33});
  EXPECT_EQ(angle_errors("12 3000  ", 33), Errors{34});
  EXPECT_EQ(angle_errors("36000000 ", 33), Errors{35 + 1});
  EXPECT_EQ(angle_errors("1203000  ", 33), Errors{});  // blank decimals read as zeros
  EXPECT_EQ(angle_errors("12A3000  ", 33, {359, 0, false}), Errors{35});
  EXPECT_EQ(angle_errors("12060000 ", 33), Errors{38});
  EXPECT_EQ(angle_errors("1203060  ", 33), Errors{40});
  EXPECT_EQ(angle_errors("120306-1 ", 33), Errors{39});
  EXPECT_EQ(angle_errors("09100000", 98, {90, 0, true}), Errors{101});
  EXPECT_EQ(angle_errors("18000000", 98, {179, 327, true}), Errors{327});
  EXPECT_EQ(angle_errors("17959599", 98, {179, 327, true}), Errors{});
  EXPECT_EQ(angle_errors("1203A00  ", 33), Errors{37});
  EXPECT_EQ(angle_errors("12030-100", 33), Errors{40});         // negative seconds
  EXPECT_EQ(angle_errors("12030599", 98, {90, 0, true}), Errors{101});
  EXPECT_EQ(angle_errors("09030599", 98, {90, 0, true}), Errors{});
  EXPECT_EQ(angle_errors("09030600", 98, {90, 0, true}), Errors{105});  // 60.0 seconds
  EXPECT_EQ(angle_errors("X6A6A6A6A", 33), (Errors{35, 37, 39}));
  EXPECT_EQ(angle_errors("        ", 195, {359, 0, false}), (Errors{197, 199}));  // no blank tests
}

}  // namespace
