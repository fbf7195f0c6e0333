#include "checker/builtin_tables.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace corvelin;

TEST(BuiltinTables, EveryListedCodeAndNoOther) {
  EXPECT_TRUE(is_state_code("GL"));
  EXPECT_TRUE(is_state_code("CO"));
  EXPECT_TRUE(is_state_code("YK"));
  EXPECT_FALSE(is_state_code("XX"));
  EXPECT_FALSE(is_state_code("co"));
  EXPECT_FALSE(is_state_code("  "));
  EXPECT_TRUE(is_order_class_code("03"));
  EXPECT_TRUE(is_order_class_code("47"));
  EXPECT_TRUE(is_order_class_code("BB"));
  EXPECT_FALSE(is_order_class_code("00"));
  EXPECT_FALSE(is_order_class_code("  "));
  EXPECT_TRUE(std::none_of(kStateCodes.begin(), kStateCodes.end(), [](auto c) { return c.size() != 2; }));
  EXPECT_TRUE(std::none_of(kOrderClassCodes.begin(), kOrderClassCodes.end(), [](auto c) { return c.size() != 2; }));
}

TEST(BuiltinTables, ZoneSlotsKeepTheirPlacesAndTheEmptySlotsMatchNothing) {
  EXPECT_EQ(kZoneSlots[0], "0101");
  EXPECT_EQ(kZoneSlots[22], "0406");
  EXPECT_EQ(kZoneSlots[23], "");
  EXPECT_EQ(kZoneSlots[24], "0501");
  EXPECT_EQ(kZoneSlots[129], "4900");
  EXPECT_EQ(kZoneSlots[130], "");
  EXPECT_EQ(kZoneSlots[133], "5300");
  EXPECT_EQ(std::count(kZoneSlots.begin(), kZoneSlots.end(), ""), 2);
  EXPECT_TRUE(is_zone_code("5010"));
  EXPECT_TRUE(is_zone_code("2113"));
  EXPECT_FALSE(is_zone_code("5011"));
  EXPECT_FALSE(is_zone_code(""));
  EXPECT_FALSE(is_zone_code("    "));
}

}  // namespace
