#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/cards.hpp"
#include "vectors/column_rules.hpp"

namespace {

using orv::test::card;
using tamrel::Chars;
using tamrel::number_ok;

TEST(NumberOk, EachKindOfCharacters) {
  const std::string rec = card({{11, "12 4"}, {21, "-1.2"}, {31, "-12"}, {41, "    "}, {51, "19"}, {61, "1,2"}});
  EXPECT_FALSE(number_ok(rec, 11, 14, Chars::digits));  // a blank is not a digit
  EXPECT_TRUE(number_ok(rec, 11, 14, Chars::digits_blanks));
  EXPECT_TRUE(number_ok(rec, 21, 24, Chars::signed_decimal));
  EXPECT_FALSE(number_ok(rec, 21, 24, Chars::unsigned_decimal));
  EXPECT_FALSE(number_ok(rec, 21, 24, Chars::signed_implied));
  EXPECT_TRUE(number_ok(rec, 31, 33, Chars::signed_implied));
  EXPECT_FALSE(number_ok(rec, 61, 63, Chars::signed_decimal));
  // An all-blank field passes every kind but digits.
  EXPECT_FALSE(number_ok(rec, 41, 44, Chars::digits));
  for (Chars c : {Chars::digits_blanks, Chars::signed_decimal, Chars::unsigned_decimal, Chars::signed_implied}) {
    EXPECT_TRUE(number_ok(rec, 41, 44, c));
  }
  EXPECT_TRUE(number_ok(rec, 14, 11, Chars::digits));  // last before first
  // The century is a code: 18, 19 or 20, never blank.
  const auto century = tamrel::one_of(51, 52, "181920", "CENTURY");
  EXPECT_TRUE(tamrel::rule_passes(rec, century));
  EXPECT_FALSE(tamrel::rule_passes(card({{51, "21"}}), century));
  EXPECT_FALSE(tamrel::rule_passes(card({}), century));
}

TEST(NumberOk, ANumberMustAlsoBeReadable) {
  const std::string rec = card({{21, "-1.2.3"}, {31, "1-2"}, {41, " -12.5"}, {51, "  -  "}});
  EXPECT_FALSE(number_ok(rec, 21, 26, Chars::signed_decimal));
  EXPECT_FALSE(number_ok(rec, 31, 33, Chars::signed_implied));
  EXPECT_TRUE(number_ok(rec, 41, 46, Chars::signed_decimal));
  EXPECT_TRUE(number_ok(rec, 51, 55, Chars::signed_implied));  // reads 0
}

class RunWithAgencies : public ::testing::Test {
 protected:
  void TearDown() override {
    if (list_ != nullptr) std::fclose(list_);
    if (out_ != nullptr) std::fclose(out_);
  }
  tamrel::Run& run_with(const char* lines) {
    list_ = std::tmpfile();
    std::fputs(lines, list_);
    out_ = std::tmpfile();
    console_.emplace(stdin, out_);
    run_.emplace(*console_);
    run_->agencies.emplace(list_, orv::BlankCode::found_in_any_line);
    return *run_;
  }

 private:
  std::FILE* list_ = nullptr;
  std::FILE* out_ = nullptr;
  std::optional<orv::Console> console_;
  std::optional<tamrel::Run> run_;
};

TEST_F(RunWithAgencies, ABlankCodeIsFoundInAnyList) {
  tamrel::Run& run = run_with(" GSOHQ   HEADQUARTERS\n GSOFP1  FIELD PARTY 1\n");
  EXPECT_TRUE(tamrel::agency_found(run, "      "));
  EXPECT_TRUE(tamrel::agency_found(run, "GSOFP1"));
  EXPECT_TRUE(tamrel::agency_found(run, "GSOHQ "));
  EXPECT_FALSE(tamrel::agency_found(run, "GSOHQ"));
  EXPECT_FALSE(tamrel::agency_found(run, "gsofp1"));
}

TEST_F(RunWithAgencies, AnEmptyListFindsNothing) {
  tamrel::Run& run = run_with("");
  EXPECT_FALSE(tamrel::agency_found(run, "      "));
  EXPECT_FALSE(tamrel::agency_found(run, "GSOHQ "));
}

TEST(BfileTables, LookupsFindTheFirstEntryAndWhatWasAddedAfterALookup) {
  tamrel::BfileTables t;
  t.stations_80.push_back(orv::ssn_key("1001"));
  t.stations_82.push_back(orv::ssn_key("1101"));
  EXPECT_TRUE(t.station_found(orv::ssn_key("1001"), tamrel::StationScope::positions));
  EXPECT_FALSE(t.station_found(orv::ssn_key("1101"), tamrel::StationScope::positions));
  EXPECT_TRUE(t.station_found(orv::ssn_key("1101"), tamrel::StationScope::positions_and_auxiliaries));
  t.stations_80.push_back(orv::ssn_key("12  "));
  EXPECT_TRUE(t.station_found(orv::ssn_key("0012"), tamrel::StationScope::positions));

  t.instruments.push_back({1, 512, "TOTAL STATION", "TS40917"});
  t.instruments.push_back({1, 910, "GNSS RECEIVER", "RX0072311"});
  ASSERT_NE(t.instrument(1), nullptr);
  EXPECT_EQ(t.instrument(1)->equipment_code, 512);
  EXPECT_EQ(t.instrument(2), nullptr);

  t.antennas_72.push_back(3);
  EXPECT_TRUE(t.antenna_found(3, tamrel::AntennaTable::t72));
  EXPECT_FALSE(t.antenna_found(3, tamrel::AntennaTable::t71));

  EXPECT_FALSE(t.media_id_tail(orv::ssn_key("1001")));
  t.occupations.push_back({orv::ssn_key("1001"), "1001261A02", 2, 1, 1.532, false});
  t.occupations.push_back({orv::ssn_key("1001"), "1001262B07", 2, 1, 1.533, false});
  EXPECT_EQ(t.media_id_tail(orv::ssn_key("1001")), "1A02");
  EXPECT_FALSE(t.media_id_tail(orv::ssn_key("1005")));
}

}  // namespace
