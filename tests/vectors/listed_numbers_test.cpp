// Listed values are written from their digits where the layout allows it;
// they must read exactly as the same values written through a double.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/numeric.hpp"
#include "vectors/gfile_records.hpp"

namespace tamrel {
namespace {

std::string from_digits(long long digits, int width, int decimals) {
  char text[kListedDigitsRoom + 32];
  return std::string(text, put_listed_digits(text, digits, width, decimals));
}

TEST(ListedNumbers, DigitsListAsTheirDecimalValue) {
  const long long samples[] = {0, 1, -1, 9, 10, -99, 100, 12345, -1234567, 9999999, 10000000, -10000001, 123456789,
                               -999999999, 999999999999LL, 1234567890123LL};
  for (const int decimals : {0, 4, 7, 8}) {
    for (const int width : {1, 7, 10, 13, 15}) {
      for (const long long digits : samples) {
        double value = static_cast<double>(digits);
        for (int i = 0; i < decimals; ++i) value /= 10.0;
        EXPECT_EQ(from_digits(digits, width, decimals), listed_decimal(value, width, decimals))
            << digits << " " << width << " " << decimals;
      }
    }
  }
}

// Values of every length and sign, as the layouts list them (7 and 8
// decimals) and beyond what they list.
TEST(ListedNumbers, ManyDigitsListAsTheirDecimalValue) {
  std::uint64_t state = 7;
  auto next = [&state] { return state = state * 6364136223846793005ULL + 1442695040888963407ULL; };
  for (int trial = 0; trial < 20000; ++trial) {
    long long digits = static_cast<long long>((next() >> 11) % 1000000000000000LL);  // up to 15 digits
    for (std::uint64_t cut = next() % 15; cut > 0; --cut) digits /= 10;
    if (next() & 1) digits = -digits;
    for (const int decimals : {7, 8, 3}) {
      const int width = decimals == 8 ? 13 : 10;
      double value = static_cast<double>(digits);
      for (int i = 0; i < decimals; ++i) value /= 10.0;
      ASSERT_EQ(from_digits(digits, width, decimals), listed_decimal(value, width, decimals)) << digits << " " << decimals;
    }
  }
}

// A field read as its digits judges as the field read as a number does, and
// carries the same value.
TEST(ListedNumbers, FieldsReadAsDigitsAgreeWithTheirValues) {
  const orv::NumberRule rules[] = {{orv::Chars::signed_decimal, orv::Blanks::ignored, 4},
                                   {orv::Chars::signed_implied, orv::Blanks::zeros, 0},
                                   {orv::Chars::digits_blanks, orv::Blanks::zeros, 0}};
  const char* fields[] = {"  1234.5678", " -12.3", "    -0", "      ", "12 34", "1.2.3", "-", "-.5", "  7.  ",
                          "0012345", "12-3", "  5 ", "1234567890123", "x12"};
  for (const auto& rule : rules) {
    for (const std::string_view field : fields) {
      const auto value = orv::read_number(field, rule);
      const auto digits = orv::read_decimal_digits(field, rule);
      ASSERT_EQ(value.has_value(), digits.has_value()) << field;
      if (!value) continue;
      double exact = static_cast<double>(digits->digits);
      for (int i = 0; i < digits->scale; ++i) exact /= 10.0;
      EXPECT_DOUBLE_EQ(*value, exact) << field;
    }
  }
}

}  // namespace
}  // namespace tamrel
