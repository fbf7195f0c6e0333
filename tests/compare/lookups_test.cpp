#include <gtest/gtest.h>

#include "compare/comparer.hpp"

namespace {

using namespace halvic;

std::string name30(const std::string& text) { return text + std::string(30 - text.size(), ' '); }

TEST(NameIndex, AuxiliaryStationsFirstThenTheFirstOfAName) {
  ObservationTables tables({10, 10, 10, 10, 10});
  tables.stations.push_back({Key("0001"), name30("TAVANO"), 0.0, "NM"});
  tables.stations.push_back({Key("0002"), name30("TAVANO AZ MK"), 0.0, "NM"});
  tables.stations.push_back({Key("0003"), name30("TAVANO"), 0.0, "NM"});
  tables.auxiliaries.push_back({Key("1101"), name30("TAVANO AZ MK")});
  const NameIndex names(tables);
  EXPECT_EQ(names.key_of(name30("TAVANO")), Key("0001"));
  EXPECT_EQ(names.key_of(name30("TAVANO AZ MK")), Key("1101"));
  EXPECT_FALSE(names.key_of("TAVANO"));  // names are compared over 30 columns
  EXPECT_FALSE(names.key_of(name30("TAVANO 2")));
}

TEST(DirectionIndex, FirstRunOfAStationWithItsSets) {
  auto direction = [](const char* sp, const char* set) { return Direction{"", set, Key(sp), Key("9999")}; };
  const std::vector<Direction> table = {direction("0001", "01"), direction("0001", "02"), direction("0001", "01"),
                                        direction("0003", "01"), direction("0001", "03")};
  const DirectionIndex index(table);
  const StationDirections* first = index.at(Key("0001"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->first, 0U);
  EXPECT_EQ(first->end, 3U);
  EXPECT_EQ(first->sets.at("01"), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(first->sets.count("03"), 0U);  // a later run of the same station is not its block
  EXPECT_EQ(index.at(Key("0003"))->first, 3U);
  EXPECT_EQ(index.at(Key("0002")), nullptr);
}

}  // namespace
