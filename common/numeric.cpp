#include "common/numeric.hpp"

namespace orv {

// Fields are read by the million (a G-file's correlations), so one pass over
// the characters both judges and converts, without a copy.  The mantissa is
// built in double and the scale applied once at the end, so the value
// rounds only once.
std::optional<double> read_number(std::string_view field, NumberRule rule) {
  const bool point_allowed = rule.chars == Chars::unsigned_decimal || rule.chars == Chars::signed_decimal;
  const bool minus_allowed = rule.chars == Chars::signed_implied || rule.chars == Chars::signed_decimal;
  const bool blank_allowed = rule.chars != Chars::digits;
  bool started = false;  // a non-blank has been met
  bool gap = false;      // a blank has followed it (zeros_at_ends)
  bool negative = false;
  bool point = false;
  int written_decimals = 0;
  double mantissa = 0.0;
  for (const char c : field) {
    if (c >= '0' && c <= '9') {
      if (gap) return std::nullopt;
      mantissa = mantissa * 10.0 + (c - '0');
      written_decimals += point;
      started = true;
    } else if (c == ' ') {
      if (!blank_allowed) return std::nullopt;
      if (!started || rule.blanks == Blanks::ignored) continue;
      gap = rule.blanks == Blanks::zeros_at_ends;
      mantissa *= 10.0;
      written_decimals += point;
    } else if (c == '-') {
      if (!minus_allowed || started) return std::nullopt;
      negative = true;
      started = true;
    } else if (c == '.') {
      if (!point_allowed || point || gap) return std::nullopt;
      point = true;
      started = true;
    } else {
      return std::nullopt;
    }
  }
  if (!point && rule.blanks == Blanks::zeros_at_ends && field.size() < static_cast<std::size_t>(rule.implied)) {
    return std::nullopt;
  }
  double divisor = 1.0;  // exact up to 10^22, far beyond any field
  for (int scale = point ? written_decimals : rule.implied; scale > 0; --scale) divisor *= 10.0;
  const double value = mantissa / divisor;
  return negative && value != 0.0 ? -value : value;
}

std::optional<long> digits_value(std::string_view field) {
  if (field.empty()) return std::nullopt;
  long value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace orv
