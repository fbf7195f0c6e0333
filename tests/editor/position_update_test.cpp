#include <gtest/gtest.h>

#include "editor/editor.hpp"

namespace {

using morandel::angle_text;
using morandel::elevation_text;

double dms(double d, double m, double s) { return d + m / 60.0 + s / 3600.0; }

TEST(AngleText, RoundsToWholeSecondsWithBothCarries) {
  EXPECT_EQ(angle_text(dms(34, 27, 13.84512), 'N', 2), "N342714");
  EXPECT_EQ(angle_text(dms(107, 50, 41.23786), 'W', 3), "W1075041");
  EXPECT_EQ(angle_text(dms(5, 7, 0.0), 'S', 2), "S050700");        // minutes that are no exact binary fraction
  EXPECT_EQ(angle_text(dms(34, 27, 59.6), 'N', 2), "N342800");     // seconds carry into the minutes
  EXPECT_EQ(angle_text(38.9999999, 'N', 2), "N390000");            // and the minutes into the degrees
  EXPECT_EQ(angle_text(dms(179, 59, 59.99999), 'E', 3), "E1800000");
  EXPECT_EQ(angle_text(dms(0, 0, 0.49999), 'N', 2), "N000000");
}

TEST(AngleText, DegreesTooWideForTheirGroupAreAsterisks) {
  EXPECT_EQ(angle_text(dms(99, 99, 99.99999), 'N', 2), "N**4040");
  EXPECT_EQ(angle_text(dms(999, 99, 0), 'W', 3), "W***3900");
}

TEST(ElevationText, EachRangeWithItsRoundingAndSign) {
  EXPECT_EQ(elevation_text(5.23), " 5.23");
  EXPECT_EQ(elevation_text(12.34), "12.34");
  EXPECT_EQ(elevation_text(123.45), "123.4");
  EXPECT_EQ(elevation_text(123.46), "123.5");
  EXPECT_EQ(elevation_text(1234.51), " 1235");
  EXPECT_EQ(elevation_text(12345.0), "12345");
  EXPECT_EQ(elevation_text(-5.23), "-5.23");
  EXPECT_EQ(elevation_text(-12.39), "-12.3");
  EXPECT_EQ(elevation_text(-123.4), "-123.");
  EXPECT_EQ(elevation_text(-1234.51), "-1235");
  EXPECT_EQ(elevation_text(0.0), " 0.00");
  EXPECT_EQ(elevation_text(-0.5), "-0.50");
  EXPECT_EQ(elevation_text(0.005), " 0.00");  // the terms stop short of a half
  EXPECT_EQ(elevation_text(0.00501), " 0.01");
}

TEST(ElevationText, ValueRoundingPastItsRangeTakesTheNextRangesForm) {
  EXPECT_EQ(elevation_text(9.9999), "10.00");
  EXPECT_EQ(elevation_text(99.996), "100.0");
  EXPECT_EQ(elevation_text(999.96), " 1000");
  EXPECT_EQ(elevation_text(9999.51), "10000");
  EXPECT_EQ(elevation_text(-9.999), "-10.0");
  EXPECT_EQ(elevation_text(-99.996), "-100.");
  EXPECT_EQ(elevation_text(-999.96), "-1000");
}

}  // namespace
