#include "common/numeric.hpp"

#include "common/card.hpp"

namespace orv {

namespace {

std::optional<double> read_number(std::string_view field, int implied, bool blanks_are_zeros) {
  const auto start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0.0;
  bool negative = false;
  bool point = false;
  int written_decimals = 0;
  double mantissa = 0.0;
  for (std::size_t i = start; i < field.size(); ++i) {
    char c = field[i];
    if (c == ' ') {
      if (!blanks_are_zeros) continue;
      c = '0';
    }
    if (c == '-') {
      if (i != start) return std::nullopt;
      negative = true;
    } else if (c == '.') {
      if (point) return std::nullopt;
      point = true;
    } else if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10.0 + (c - '0');
      if (point) ++written_decimals;
    } else {
      return std::nullopt;
    }
  }
  // The scale is applied once at the end, so the value rounds only once.
  double divisor = 1.0;
  for (int scale = point ? written_decimals : implied; scale > 0; --scale) divisor *= 10.0;
  const double value = mantissa / divisor;
  return negative && value != 0.0 ? -value : value;
}

}  // namespace

bool field_passes(std::string_view card, int first, int last, std::string_view allowed) {
  if (first < 1) first = 1;
  if (last > static_cast<int>(card.size())) last = static_cast<int>(card.size());
  if (last < first) return true;
  // Fields are judged by the hundred thousand and are mostly digits and
  // blanks: those are answered without a search of the set.
  const bool digits_allowed = allowed.starts_with("0123456789");
  const bool blank_allowed = allowed.find(' ') != std::string_view::npos;
  for (const char c : cols(card, first, last)) {
    if (digits_allowed && c >= '0' && c <= '9') continue;
    if (c == ' ' ? !blank_allowed : allowed.find(c) == std::string_view::npos) return false;
  }
  return true;
}

std::optional<double> blank_as_zero(std::string_view field, int implied) {
  return read_number(field, implied, true);
}

std::optional<double> blank_ignored(std::string_view field, int implied) {
  return read_number(field, implied, false);
}

}  // namespace orv
