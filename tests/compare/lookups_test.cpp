#include <gtest/gtest.h>

#include "common/report_lines.hpp"
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

// The distances between two stations as a search of the whole table finds
// them: either way round, a station to itself, in table order, and those
// added after a first search.
TEST(ObservationTables, DistancesBetweenTwoStationsInTableOrder) {
  ObservationTables tables({10, 10, 10, 10, 10});
  auto distance = [&](const char* from, const char* to) { tables.distances.push_back({"", Key(from), Key(to)}); };
  distance("0002", "0001");
  distance("0003", "0001");
  distance("0001", "0002");
  distance("0002", "0002");
  EXPECT_EQ(tables.distances_between(Key("0001"), Key("0002")), (std::vector<std::size_t>{0, 2, 3}));
  distance("0001", "0001");
  distance("0002", "0001");
  EXPECT_EQ(tables.distances_between(Key("0002"), Key("0001")), (std::vector<std::size_t>{0, 2, 3, 4, 5}));
  EXPECT_EQ(tables.distances_between(Key("0001"), Key("0001")), (std::vector<std::size_t>{4}));
  EXPECT_EQ(tables.distances_between(Key("0003"), Key("0002")), (std::vector<std::size_t>{3}));
  EXPECT_TRUE(tables.distances_between(Key("0004"), Key("0005")).empty());
}

// The first entry of a key, found while the table grows past the index's
// first size, later entries of the same key never taking its place.
TEST(ObservationTables, FirstEntryOfAKeyWhileTheTableGrows) {
  ObservationTables tables({1000, 10, 10, 10, 10});
  auto add = [&](int n) { tables.stations.push_back({Key(orv::format("%04d", n % 200)), name30("S"), 1.0 * n, "NM"}); };
  for (int n = 0; n < 100; ++n) add(n);
  EXPECT_EQ(tables.find_station(Key("0050")), &tables.stations[50]);
  EXPECT_EQ(tables.find_station(Key("0150")), nullptr);
  for (int n = 100; n < 300; ++n) add(n);
  for (int n = 0; n < 200; ++n) ASSERT_EQ(tables.find_station(Key(orv::format("%04d", n))), &tables.stations[n]);
  EXPECT_EQ(tables.find_station(Key("0200")), nullptr);
  EXPECT_EQ(tables.find_auxiliary(Key("0050")), nullptr);
}

}  // namespace
