#include "common/numeric.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "common/card.hpp"

#include "common/serial_number.hpp"

namespace {

using orv::Blanks;
using orv::Chars;
using orv::cols_on_card;
using orv::digits_value;
using orv::read_number;

bool passes(std::string_view field, Chars chars) { return read_number(field, {chars, Blanks::zeros}).has_value(); }
std::optional<double> blank_as_zero(std::string_view field, int implied) {
  return read_number(field, {Chars::signed_decimal, Blanks::zeros, implied});
}
std::optional<double> blank_ignored(std::string_view field, int implied) {
  return read_number(field, {Chars::signed_decimal, Blanks::ignored, implied});
}
std::optional<double> at_ends(std::string_view field, int implied) {
  return read_number(field, {Chars::signed_decimal, Blanks::zeros_at_ends, implied});
}

TEST(FieldCheck, IntegerFieldTakesDigitsAndBlanks) {
  EXPECT_TRUE(passes(cols_on_card("xx12 4xx", 3, 6), Chars::digits_blanks));
  EXPECT_FALSE(passes("12.4", Chars::digits_blanks));
  EXPECT_FALSE(passes("-124", Chars::digits_blanks));
  EXPECT_TRUE(passes("    ", Chars::digits_blanks));
  EXPECT_FALSE(passes("1\t2", Chars::digits_blanks));  // only 0x20 is a blank
  EXPECT_FALSE(passes("1 2", Chars::digits));
  EXPECT_FALSE(passes("12.4", Chars::signed_implied));
  EXPECT_FALSE(passes("-12", Chars::unsigned_decimal));
}

// Every kind is also held to one point and a leading minus, so no value is
// ever taken from a field that has none.
TEST(FieldCheck, DecimalFieldCharactersAndShape) {
  EXPECT_TRUE(passes("-12.40", Chars::signed_decimal));
  EXPECT_FALSE(passes("1-2", Chars::signed_decimal));
  EXPECT_FALSE(passes("1.2.3", Chars::signed_decimal));
  EXPECT_FALSE(passes("1,240", Chars::signed_decimal));
  EXPECT_FALSE(passes("+12", Chars::signed_decimal));
  EXPECT_TRUE(passes("      ", Chars::signed_decimal));
}

TEST(FieldCheck, ReversedOrOutsideRangeIsAcceptable) {
  EXPECT_TRUE(passes(cols_on_card("ABC", 3, 2), Chars::digits_blanks));
  EXPECT_TRUE(passes(cols_on_card("ABC", 3, 2), Chars::signed_decimal));
  EXPECT_TRUE(passes(cols_on_card("12", 5, 9), Chars::digits_blanks));
  EXPECT_FALSE(passes(cols_on_card("1A", 1, 9), Chars::digits_blanks));  // cut at the card's end
}

TEST(Conversion, ImpliedDecimalsAndWrittenPoint) {
  EXPECT_DOUBLE_EQ(*blank_as_zero("123456789", 4), 12345.6789);
  EXPECT_DOUBLE_EQ(*blank_as_zero("  1250", 2), 12.5);
  EXPECT_DOUBLE_EQ(*blank_as_zero("12.5  ", 4), 12.5);  // the point overrides
  EXPECT_DOUBLE_EQ(*blank_ignored(" 12.345 ", 0), 12.345);
  EXPECT_DOUBLE_EQ(*blank_ignored("  123456", 0), 123456.0);
  EXPECT_DOUBLE_EQ(*blank_as_zero("42", 4), 0.0042);  // narrower than its decimals
}

TEST(Conversion, BlanksAsZerosOrIgnored) {
  EXPECT_DOUBLE_EQ(*blank_as_zero("12   ", 0), 12000.0);
  EXPECT_DOUBLE_EQ(*blank_ignored("12   ", 0), 12.0);
  EXPECT_DOUBLE_EQ(*blank_ignored("  12 ", 0), 12.0);
  EXPECT_DOUBLE_EQ(*blank_as_zero("1 2", 0), 102.0);
  EXPECT_DOUBLE_EQ(*blank_ignored("1 2", 0), 12.0);
  EXPECT_DOUBLE_EQ(*blank_as_zero("     ", 2), 0.0);
  EXPECT_DOUBLE_EQ(*blank_ignored("     ", 2), 0.0);
}

TEST(Conversion, MinusLeadsAfterLeadingBlanks) {
  EXPECT_DOUBLE_EQ(*blank_as_zero("  -150", 2), -1.5);
  EXPECT_DOUBLE_EQ(*blank_as_zero("-1 2", 0), -102.0);
  EXPECT_DOUBLE_EQ(*blank_ignored(" - 12", 1), -1.2);
  EXPECT_FALSE(std::signbit(*blank_as_zero("-   ", 2)));  // minus zero reads as zero
}

TEST(Conversion, MalformedNumbersHaveNoValue) {
  for (const char* field : {"1.2.3", "1-2", "--12", "12-", "1..2"}) {
    EXPECT_FALSE(blank_as_zero(field, 2)) << field;
    EXPECT_FALSE(blank_ignored(field, 2)) << field;
  }
  EXPECT_FALSE(blank_ignored("1 -2", 0));  // the minus follows a digit once blanks go
  EXPECT_FALSE(blank_as_zero("12A", 0));
  EXPECT_DOUBLE_EQ(*blank_as_zero("  -  ", 2), 0.0);  // no digits: zero
  EXPECT_DOUBLE_EQ(*blank_ignored(" .  ", 2), 0.0);
}

TEST(Conversion, BlanksAtEndsOnly) {
  EXPECT_DOUBLE_EQ(*at_ends("123456789", 4), 12345.6789);
  EXPECT_DOUBLE_EQ(*at_ends("  1250", 2), 12.5);
  EXPECT_DOUBLE_EQ(*at_ends("12  ", 2), 12.0);  // trailing blanks are zeros
  EXPECT_DOUBLE_EQ(*at_ends(" -150", 2), -1.5);
  EXPECT_DOUBLE_EQ(*at_ends(" 12.5 ", 4), 12.5);
  EXPECT_DOUBLE_EQ(*at_ends("-0.25", 2), -0.25);
  EXPECT_DOUBLE_EQ(*at_ends("      ", 3), 0.0);
  EXPECT_FALSE(at_ends("12 34", 2));   // blank between non-blanks
  EXPECT_FALSE(at_ends("1.2.3", 2));   // two points
  EXPECT_FALSE(at_ends("12-3", 2));    // minus after a digit
  EXPECT_FALSE(at_ends("--12", 2));
  EXPECT_FALSE(at_ends("+12", 2));
  EXPECT_FALSE(at_ends("12A", 0));
  EXPECT_FALSE(at_ends("12", 3));      // shorter than its decimals
  EXPECT_TRUE(at_ends("1.2", 4));      // a point makes the decimals explicit
}

// Digits and blanks as zeros have a loop of their own, the correlations'
// rule; it must judge and read every field as the general loop does.
TEST(Conversion, BlankZeroDigitsReadAsTheGeneralRule) {
  constexpr std::string_view kAlphabet = "  0159-x.";
  std::uint32_t state = 12345;
  auto next = [&state] { return state = state * 1664525 + 1013904223; };
  for (int trial = 0; trial < 100000; ++trial) {
    std::string field(next() >> 28, ' ');  // 0 to 15 characters
    for (char& c : field) c = kAlphabet[(next() >> 8) % kAlphabet.size()];
    for (const Chars chars : {Chars::digits_blanks, Chars::signed_implied}) {
      const orv::NumberRule rule{chars, Blanks::zeros, 3};
      const auto fast = orv::detail::scan_number<long long>(field, rule);
      const auto general = orv::detail::scan_characters<long long>(field, rule);
      ASSERT_EQ(fast.has_value(), general.has_value()) << '"' << field << '"';
      if (!fast) continue;
      EXPECT_EQ(fast->mantissa, general->mantissa) << field;
      EXPECT_EQ(fast->negative, general->negative) << field;
    }
  }
}

TEST(Conversion, DigitsOnly) {
  EXPECT_EQ(digits_value("042"), 42);
  EXPECT_FALSE(digits_value("4 2"));
  EXPECT_FALSE(digits_value(""));
}

TEST(SerialNumber, FourCharacterKeys) {
  EXPECT_EQ(orv::ssn_key("0042").text(), "0042");
  EXPECT_EQ(orv::ssn_key("42  ").text(), "0042");
  EXPECT_EQ(orv::ssn_key("  42").text(), "0042");
  EXPECT_EQ(orv::ssn_key(" 4 2").text(), "0042");
  EXPECT_EQ(orv::ssn_key("    ").text(), "0000");
  EXPECT_EQ(orv::ssn_key("ABCD").text(), "ABCD");
  EXPECT_EQ(orv::ssn_key("A1  ").text(), "00A1");
  EXPECT_EQ(orv::ssn_key("A 1B").text(), "A01B");
  EXPECT_EQ(orv::ssn_key("A   ").text(), "000A");
  EXPECT_EQ(orv::ssn_key(" -1 ").text(), "00-1");
}

TEST(SerialNumber, ThreeCharacterKeys) {
  EXPECT_EQ(orv::ssn_key_3("123").text(), "0123");
  EXPECT_EQ(orv::ssn_key_3("12 ").text(), "0012");
  EXPECT_EQ(orv::ssn_key_3(" 12").text(), "0012");
  EXPECT_EQ(orv::ssn_key_3("   ").text(), "0000");
  EXPECT_EQ(orv::ssn_key_3("AB ").text(), "00AB");
  EXPECT_EQ(orv::ssn_key_3("A  ").text(), "000A");
  EXPECT_EQ(orv::ssn_key_3("A B").text(), "0A0B");
  EXPECT_EQ(orv::ssn_key_3("123"), orv::ssn_key("123 "));  // 3- and 4-digit forms meet
}

}  // namespace
