#include "compare/mark_to_mark.hpp"

#include <gtest/gtest.h>

namespace {

using halvic::arc;
using halvic::chord;

// Expected values computed apart, at 40 significant digits.
TEST(MarkToMark, ChordAgainstIndependentValues) {
  EXPECT_NEAR(*chord(1000.0, 100.0, 50.0), 998.73746239515134, 1e-9);
  EXPECT_NEAR(*chord(380.3548, 1987.42, 1985.10), 380.22920057270061, 1e-9);
  EXPECT_NEAR(*chord(7654.3239, 2345.67, 1500.00), 7605.1695893199343, 1e-8);
  EXPECT_NEAR(*chord(999999.9999, 9999.99, -999.99), 999234.19638809219, 1e-6);
}

TEST(MarkToMark, ArcAgainstIndependentValues) {
  EXPECT_NEAR(*arc(7605.1695893199343), 7605.1700407224784, 1e-8);
  EXPECT_NEAR(*arc(10000000.0), 11497440.122866766, 1e-5);
  EXPECT_NEAR(*arc(2.0 * halvic::kEarthRadius), 20018228.388674163, 1e-5);  // half the circumference
}

TEST(MarkToMark, NoChordWithoutPositiveSquare) {
  EXPECT_FALSE(chord(5.0, -3.0, 2.0));  // q exactly zero
  EXPECT_FALSE(chord(3.0, 10.0, 0.0));  // height difference above the distance
}

TEST(MarkToMark, NoArcBeyondTheDiameter) {
  EXPECT_FALSE(arc(2.0 * halvic::kEarthRadius + 0.001));
  EXPECT_FALSE(arc(999999999.0));
}

}  // namespace
