#include "common/numeric.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/serial_number.hpp"

namespace {

using orv::blank_as_zero;
using orv::blank_ignored;
using orv::field_passes;
using orv::kDecimalField;
using orv::kIntegerField;

TEST(FieldCheck, IntegerFieldTakesDigitsAndBlanks) {
  EXPECT_TRUE(field_passes("xx12 4xx", 3, 6, kIntegerField));
  EXPECT_FALSE(field_passes("12.4", 1, 4, kIntegerField));
  EXPECT_FALSE(field_passes("-124", 1, 4, kIntegerField));
  EXPECT_TRUE(field_passes("    ", 1, 4, kIntegerField));
  EXPECT_FALSE(field_passes("1\t2", 1, 3, kIntegerField));  // only 0x20 is a blank
}

TEST(FieldCheck, DecimalFieldLooksAtCharactersOnly) {
  EXPECT_TRUE(field_passes("-12.40", 1, 6, kDecimalField));
  EXPECT_TRUE(field_passes("1-2", 1, 3, kDecimalField));
  EXPECT_TRUE(field_passes("1.2.3", 1, 5, kDecimalField));
  EXPECT_FALSE(field_passes("1,240", 1, 5, kDecimalField));
  EXPECT_FALSE(field_passes("+12", 1, 3, kDecimalField));
  EXPECT_TRUE(field_passes("      ", 1, 6, kDecimalField));
}

TEST(FieldCheck, ReversedOrOutsideRangeIsAcceptable) {
  EXPECT_TRUE(field_passes("ABC", 3, 2, kIntegerField));
  EXPECT_TRUE(field_passes("ABC", 3, 2, kDecimalField));
  EXPECT_TRUE(field_passes("12", 5, 9, kIntegerField));
  EXPECT_FALSE(field_passes("1A", 1, 9, kIntegerField));  // cut at the card's end
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
