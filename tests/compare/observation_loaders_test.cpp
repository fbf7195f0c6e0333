#include "compare/observation_loaders.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "compare/comparer.hpp"
#include "tests/support/cards.hpp"

namespace {

using namespace halvic;
using orv::test::card;

// Keeps what the loaders report instead of ending the run.
struct Kept : LoadEnds {
  void table_full(Table table) override { full.push_back(table); }
  void field_rejected(const Record& rec, Field field) override {
    rejected.push_back(field);
    records.push_back(rec);
  }
  std::vector<Table> full;
  std::vector<Field> rejected;
  std::vector<Record> records;
};

constexpr TableCapacities kRoomy = kCapacities.tables;

Record station(std::string_view ssn, std::string_view elevation, std::string_view code = "*80*") {
  return card({{7, code}, {11, ssn}, {15, "STATION " }, {23, ssn}, {70, elevation}, {77, "NM"}});
}

Record distance(std::string_view code, std::string_view from, std::string_view to, std::string_view s, char type,
                std::string_view dh = "") {
  const std::string t(1, type);
  return card({{1, "000042"}, {7, code}, {11, from}, {46, to}, {54, dh}, {64, s}, {73, t}});
}

class Loading : public ::testing::Test {
 protected:
  Loading() : tables(kRoomy) {
    load_station(tables, station("1001", "198742"), kept);  // 1987.42 m
    load_station(tables, station("1002", "196215"), kept);  // 1962.15 m
  }
  std::vector<char> types() const {
    std::vector<char> t;
    for (const auto& d : tables.distances) t.push_back(d.type);
    return t;
  }
  ObservationTables tables;
  Kept kept;
};

TEST_F(Loading, StationFields) {
  load_station(tables, station("12 ", "  -150", "*81*"), kept);
  const Station& s = tables.stations.back();
  EXPECT_EQ(s.key.text(), "0012");
  EXPECT_EQ(s.name, "STATION 12" + std::string(20, ' '));
  EXPECT_DOUBLE_EQ(s.elevation, -1.5);
  EXPECT_EQ(s.state, "NM");
  EXPECT_TRUE(kept.rejected.empty());
}

TEST_F(Loading, FurtherStationFieldsAfterTheElevation) {
  std::vector<std::string> seen;
  auto position = [&](const Record& rec) {
    seen.emplace_back(orv::cols(rec, 11, 14));
    return orv::col(rec, 56) == 'N';
  };
  Record north = station("1003", "123456");
  north[55] = 'N';
  load_station(tables, north, kept, position);
  load_station(tables, station("1004", "123456"), kept, position);  // refused by the program
  load_station(tables, station("1005", "12A456"), kept, position);  // the elevation comes first
  EXPECT_EQ(seen, (std::vector<std::string>{"1003", "1004"}));
  EXPECT_EQ(tables.stations.size(), 3U);
  EXPECT_EQ(tables.stations.back().key.text(), "1003");
}

TEST_F(Loading, ElevationThatIsNoNumberEndsTheLoad) {
  for (const char* bad : {"1.2.3 ", "12-3  ", "12A   "}) {
    load_station(tables, station("1003", bad), kept);
  }
  EXPECT_EQ(kept.rejected, std::vector<Field>(3, Field::elevation));
  EXPECT_EQ(tables.stations.size(), 2U);
}

TEST_F(Loading, MeasuredOnlyTypes) {
  load_distance(tables, distance("*50*", "1001", "1002", "003803548", 'H'), kept);
  load_distance(tables, distance("*50*", "1001", "1002", "003803548", 'T'), kept);
  load_distance(tables, distance("*52*", "1001", "1002", "003803548", 'G'), kept);
  load_distance(tables, distance("*52*", "1001", "1002", "  380.35 ", 'E'), kept);  // a written point
  load_distance(tables, distance("*50*", "1001", "1002", "1.2", 'X'), kept);       // other types unread
  load_distance(tables, distance("*52*", "1001", "1002", "1.2", 'S'), kept);
  EXPECT_EQ(types(), (std::vector<char>{'H', 'T', 'G', 'E'}));
  EXPECT_DOUBLE_EQ(tables.distances[0].metres, 380.3548);
  EXPECT_DOUBLE_EQ(tables.distances[3].metres, 380.35);
  EXPECT_EQ(tables.distances[0].sequence, "000042");
  EXPECT_EQ(tables.distances[0].from.text(), "1001");
  EXPECT_EQ(tables.distances[0].to.text(), "1002");
  EXPECT_TRUE(kept.rejected.empty());
}

TEST_F(Loading, SlopeDistanceReducedFromTheKnownEnd) {
  // From end known: H2 = H1 + dh.  To end known: H1 = H2 - dh.
  load_distance(tables, distance("*50*", "1001", "9999", "003803548", 'S', " -232"), kept);
  load_distance(tables, distance("*50*", "9999", "1001", "003803548", 'S', "  232"), kept);
  ASSERT_EQ(types(), (std::vector<char>{'S', 'G', 'S', 'G'}));
  EXPECT_NEAR(tables.distances[1].metres, 380.22920057270061, 1e-9);
  EXPECT_NEAR(tables.distances[3].metres, 380.22920057270061, 1e-9);
}

TEST_F(Loading, SlopeDistanceBetweenUnknownEnds) {
  load_distance(tables, distance("*50*", "8888", "9999", "000050000", 'S', "  300"), kept);  // 5 m, 3 m
  load_distance(tables, distance("*50*", "8888", "9999", "000020000", 'S', "  300"), kept);  // dh above S
  ASSERT_EQ(types(), (std::vector<char>{'S', 'H', 'S'}));
  EXPECT_DOUBLE_EQ(tables.distances[1].metres, 4.0);
}

TEST_F(Loading, SlopeDistanceWithoutHeightDifference) {
  load_distance(tables, distance("*50*", "1001", "1002", "008685168", 'S'), kept);
  load_distance(tables, distance("*50*", "1001", "9999", "008685168", 'S'), kept);  // one end unknown
  ASSERT_EQ(types(), (std::vector<char>{'S', 'G', 'S'}));
  EXPECT_NEAR(tables.distances[1].metres, 867.88012954097706, 1e-9);
}

TEST_F(Loading, ArcsOfThe51And52Records) {
  load_distance(tables, distance("*51*", "1002", "1001", "008685168", 'S'), kept);
  Record x = distance("*52*", "8888", "9999", "076543239", 'X', "15000");
  x.replace(29, 5, "23457");  // standpoint elevation 2345.7, forepoint 1500.0
  load_distance(tables, x, kept);
  load_distance(tables, distance("*51*", "1001", "9999", "008685168", 'S'), kept);  // one end unknown
  ASSERT_EQ(types(), (std::vector<char>{'S', 'G', 'X', 'G', 'S'}));
  EXPECT_NEAR(tables.distances[1].metres, 867.88013021181321, 1e-9);
  EXPECT_NEAR(tables.distances[3].metres, 7605.1666888761080, 1e-8);
}

TEST_F(Loading, NoArcOverAChordLongerThanTheDiameter) {
  load_distance(tables, distance("*51*", "1001", "1002", "99999999.", 'S'), kept);
  ASSERT_EQ(types(), (std::vector<char>{'S'}));
  EXPECT_DOUBLE_EQ(tables.distances[0].metres, 99999999.0);
}

TEST_F(Loading, DistanceFieldsRejected) {
  load_distance(tables, distance("*50*", "1001", "1002", "0038.0.48", 'H'), kept);
  load_distance(tables, distance("*50*", "1001", "1002", "003803548", 'S', "-2-32"), kept);
  Record x = distance("*52*", "1001", "1002", "003803548", 'X', "15000");
  x.replace(29, 5, "2345A");
  load_distance(tables, x, kept);
  x.replace(29, 5, "23456");
  x.replace(53, 5, "1,500");
  load_distance(tables, x, kept);
  EXPECT_EQ(kept.rejected, (std::vector<Field>{Field::distance, Field::elevation_difference,
                                               Field::standpoint_elevation, Field::forepoint_elevation}));
  EXPECT_EQ(types(), (std::vector<char>{'S', 'X', 'X'}));  // S is in before its companions are read
}

TEST(DistanceCapacity, TestedBeforeEachEntry) {
  ObservationTables tables({999, 999, 20, 20, 2});
  Kept kept;
  load_station(tables, station("1001", "198742"), kept);
  load_station(tables, station("1002", "196215"), kept);
  load_distance(tables, distance("*50*", "1001", "1002", "008685168", 'S'), kept);
  EXPECT_TRUE(kept.full.empty());  // two entries fit exactly
  load_distance(tables, distance("*50*", "1001", "1002", "xxxxxxxxx", 'H'), kept);
  EXPECT_EQ(kept.full, std::vector<Table>{Table::distances});
  EXPECT_TRUE(kept.rejected.empty());  // the room is looked for before S is read

  ObservationTables one({999, 999, 20, 20, 1});
  Kept kept_one;
  load_station(one, station("1001", "198742"), kept_one);
  load_station(one, station("1002", "196215"), kept_one);
  load_distance(one, distance("*50*", "1001", "1002", "008685168", 'S'), kept_one);
  EXPECT_EQ(kept_one.full, std::vector<Table>{Table::distances});  // before the reduced entry
  load_distance(one, distance("*50*", "8888", "9999", "000020000", 'S', "  300"), kept_one);
  EXPECT_EQ(kept_one.full.size(), 2U);  // S itself does not fit
}

TEST(DistanceCapacity, NothingToAppendTestsNothing) {
  ObservationTables tables({999, 999, 20, 20, 1});
  Kept kept;
  load_distance(tables, distance("*50*", "8888", "9999", "000020000", 'S', "  300"), kept);  // q < 0
  EXPECT_TRUE(kept.full.empty());
}

TEST(SeriesLoaders, DirectionAndAngleFields) {
  ObservationTables tables(kRoomy);
  Kept kept;
  load_direction(tables, card({{1, "000007"}, {7, "*22*"}, {11, "123"}, {15, "01"}, {51, "1002"}, {59, "R"}, {64, "   253938"}}), kept);
  load_angle(tables, card({{1, "000037"}, {7, "*30*"}, {11, "1101"}, {15, "02"}, {51, "1001"}, {64, "29401030"}, {72, "1002"}, {80, "Z"}}), kept);
  ASSERT_EQ(tables.directions.size(), 1U);
  const Direction& d = tables.directions[0];
  EXPECT_EQ(d.sequence, "000007");
  EXPECT_EQ(d.standpoint.text(), "0123");  // a 3-digit number with column 14 blank
  EXPECT_EQ(d.forepoint.text(), "1002");
  EXPECT_EQ(d.set, "01");
  EXPECT_EQ(d.flag, 'R');
  EXPECT_EQ(d.degrees, 0);  // blank degrees
  EXPECT_EQ(d.minutes, 25);
  EXPECT_FLOAT_EQ(d.seconds, 39.38F);
  ASSERT_EQ(tables.angles.size(), 1U);
  const Angle& a = tables.angles[0];
  EXPECT_EQ(a.backsight.text(), "1001");
  EXPECT_EQ(a.foresight.text(), "1002");
  EXPECT_EQ(a.degrees, 294);
  EXPECT_EQ(a.minutes, 1);
  EXPECT_FLOAT_EQ(a.seconds, 3.0F);
  EXPECT_EQ(a.flag, 'Z');

  load_direction(tables, card({{7, "*20*"}, {64, "0000000.0"}}), kept);  // a point is no digit
  load_angle(tables, card({{7, "*30*"}, {64, "-0000000"}}), kept);
  EXPECT_EQ(kept.rejected, (std::vector<Field>{Field::direction, Field::angle}));
}

TEST(SeriesLoaders, FullTablesAreTestedFirst) {
  ObservationTables tables({1, 1, 1, 1, 1});
  Kept kept;
  load_station(tables, station("1001", "198742"), kept);
  load_station(tables, station("1002", "bad   "), kept);
  load_auxiliary(tables, card({{7, "*82*"}, {11, "1101"}}), kept);
  load_auxiliary(tables, card({{7, "*82*"}, {11, "1102"}}), kept);
  load_direction(tables, card({{7, "*20*"}}), kept);
  load_direction(tables, card({{7, "*20*"}, {64, "bad"}}), kept);
  load_angle(tables, card({{7, "*30*"}}), kept);
  load_angle(tables, card({{7, "*30*"}, {64, "bad"}}), kept);
  EXPECT_EQ(kept.full, (std::vector<Table>{Table::stations, Table::auxiliaries, Table::directions, Table::angles}));
  EXPECT_TRUE(kept.rejected.empty());
}

TEST(SeriesLoaders, CheckedOnlyTablesCheckEveryFieldAndNeverFill) {
  ObservationTables tables({999, 999, kCheckedOnly, kCheckedOnly, kCheckedOnly});
  Kept kept;
  load_station(tables, station("1001", "198742"), kept);
  load_station(tables, station("1002", "196215"), kept);
  for (int i = 0; i < 5000; ++i) {
    load_direction(tables, card({{7, "*22*"}, {11, "1001"}, {51, "1002"}, {64, "090253938"}}), kept);
    load_angle(tables, card({{7, "*32*"}, {11, "1001"}, {51, "1002"}, {64, "29401030"}, {72, "1003"}}), kept);
    load_distance(tables, distance("*50*", "1001", "1002", "008685168", 'S'), kept);
    load_distance(tables, distance("*51*", "1001", "1002", "008685168", 'S'), kept);
  }
  EXPECT_TRUE(kept.full.empty());
  EXPECT_TRUE(kept.rejected.empty());
  EXPECT_TRUE(tables.directions.empty() && tables.angles.empty() && tables.distances.empty());

  load_direction(tables, card({{7, "*20*"}, {64, "0000000.0"}}), kept);
  load_angle(tables, card({{7, "*30*"}, {64, "-0000000"}}), kept);
  load_distance(tables, distance("*50*", "1001", "1002", "0038.0.48", 'H'), kept);
  load_distance(tables, distance("*50*", "1001", "1002", "003803548", 'S', "-2-32"), kept);
  EXPECT_EQ(kept.rejected,
            (std::vector<Field>{Field::direction, Field::angle, Field::distance, Field::elevation_difference}));
  EXPECT_EQ(tables.stations.size(), 2U);
}

// The observation file's passes, read from a file.
class ObservationFile : public ::testing::Test {
 protected:
  std::optional<std::string> load(const std::vector<Record>& records, ObservationPasses passes) {
    std::FILE* file = std::tmpfile();
    for (const auto& r : records) std::fprintf(file, "%s\n", r.c_str());
    orv::CardReader reader(file, orv::kCardWidth);
    auto job = load_observation_file(reader, tables, passes, kept);
    std::fclose(file);
    return job;
  }
  ObservationTables tables{kRoomy};
  Kept kept;
};

TEST_F(ObservationFile, FirstRecordGivesTheJobCodeOnly) {
  const std::vector<Record> deck = {station("1001", "198742", "*TV*"), station("1002", "196215"),
                                    card({{7, "*25*"}, {11, "1001"}}), card({{7, "*25*"}, {11, "1002"}}),
                                    card({{7, "*20*"}, {64, "bad"}})};
  EXPECT_EQ(load(deck, {false, true}), "TV");
  ASSERT_EQ(tables.stations.size(), 1U);
  EXPECT_TRUE(tables.stations[0].occupied_without_p);
  EXPECT_TRUE(kept.rejected.empty());  // directions are not read without the series passes
}

TEST_F(ObservationFile, LaterPassesReadTheFirstRecordToo) {
  const std::vector<Record> deck = {distance("*50*", "1001", "1002", "000010000", 'H'), station("1001", "198742"),
                                    distance("*50*", "1001", "1002", "000020000", 'H')};
  EXPECT_EQ(load(deck, {true, false}), "50");
  EXPECT_EQ(tables.distances.size(), 2U);
}

TEST_F(ObservationFile, EmptyFileHasNoJobCode) { EXPECT_FALSE(load({}, {true, true})); }

}  // namespace
