#pragma once
// Numeric fields of card records.  One reader judges a field and reads it in
// the same pass: what each character may be and how blanks read are its
// rule, named at every call.

#include <cstddef>
#include <optional>
#include <string_view>

namespace orv {

// What each character of a field may be.  The characters are judged one by
// one; how many points and minus signs there are and where they stand is the
// reader's second judgement, the same for every kind.
enum class Chars {
  digits,            // digits only, not even a blank
  digits_blanks,     // digits and blanks
  unsigned_decimal,  // digits, blanks, point
  signed_implied,    // digits, blanks, minus (decimals implied only)
  signed_decimal,    // digits, blanks, point, minus
};

// How blanks read.  Leading blanks are nothing under every rule.
enum class Blanks {
  zeros,          // blank-as-zero: every blank after the first non-blank is the digit 0
  ignored,        // blank-ignored: blanks are removed first
  zeros_at_ends,  // blanks only lead or trail, and trailing ones are zeros; a blank
                  // between two non-blanks, or a field without a point that is
                  // narrower than its implied decimals, has no value
};

struct NumberRule {
  Chars chars = Chars::signed_decimal;
  Blanks blanks = Blanks::zeros;
  int implied = 0;  // implied decimal places; a point written in the field places them instead
};

namespace detail {

// A field as one pass over its characters found it: its digits (blanks read
// as zeros where the rule says so) as a number of type T, how many of them
// follow a written point, and its sign.
template <class T>
struct ScannedNumber {
  T mantissa = 0;
  int written_decimals = 0;
  bool point = false;
  bool negative = false;
};

template <class T>
inline std::optional<ScannedNumber<T>> scan_characters(std::string_view field, NumberRule rule) {
  const bool point_allowed = rule.chars == Chars::unsigned_decimal || rule.chars == Chars::signed_decimal;
  const bool minus_allowed = rule.chars == Chars::signed_implied || rule.chars == Chars::signed_decimal;
  const bool blank_allowed = rule.chars != Chars::digits;
  bool started = false;  // a non-blank has been met
  bool gap = false;      // a blank has followed it (zeros_at_ends)
  ScannedNumber<T> n;
  for (const char c : field) {
    if (c >= '0' && c <= '9') {
      if (gap) return std::nullopt;
      n.mantissa = n.mantissa * 10 + (c - '0');
      if (point_allowed) n.written_decimals += n.point;
      started = true;
    } else if (c == ' ') {
      if (!blank_allowed) return std::nullopt;
      if (!started || rule.blanks == Blanks::ignored) continue;
      gap = rule.blanks == Blanks::zeros_at_ends;
      n.mantissa *= 10;
      if (point_allowed) n.written_decimals += n.point;
    } else if (c == '-') {
      if (!minus_allowed || started) return std::nullopt;
      n.negative = true;
      started = true;
    } else if (c == '.') {
      if (!point_allowed || n.point || gap) return std::nullopt;
      n.point = true;
      started = true;
    } else {
      return std::nullopt;
    }
  }
  if (!n.point && rule.blanks == Blanks::zeros_at_ends && field.size() < static_cast<std::size_t>(rule.implied)) {
    return std::nullopt;
  }
  return n;
}

// The same judgement for digits and blanks with blanks as zeros, perhaps
// after a minus: the correlations' rule, read by the million.  A blank before
// the first non-blank would only add a leading zero, so every blank reads as
// 0 and the loop keeps no state but whether a minus may still come; a digit
// takes its first branch (and the loop unrolls where the width is constant).
template <class T>
inline std::optional<ScannedNumber<T>> scan_blank_zero_digits(std::string_view field, bool minus_allowed) {
  ScannedNumber<T> n;
  bool started = false;  // a non-blank has been met
  for (const char c : field) {
    const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
    if (digit <= 9) {
      n.mantissa = n.mantissa * 10 + static_cast<int>(digit);
      started = true;
    } else if (c == ' ') {
      n.mantissa *= 10;
    } else if (c == '-' && minus_allowed && !started) {
      n.negative = true;
      started = true;
    } else {
      return std::nullopt;
    }
  }
  return n;
}

template <class T>
inline std::optional<ScannedNumber<T>> scan_number(std::string_view field, NumberRule rule) {
  if (rule.blanks == Blanks::zeros && (rule.chars == Chars::digits_blanks || rule.chars == Chars::signed_implied)) {
    return scan_blank_zero_digits<T>(field, rule.chars == Chars::signed_implied);
  }
  return scan_characters<T>(field, rule);
}

}  // namespace detail

// The value of the field, or none when it breaks its rule: a character its
// kind does not allow, a second point, a minus anywhere but first, or a
// blank where its blank rule forbids one.  An all-blank field, or one without
// digits, is 0 (never minus zero).
//
// Fields are read by the million (a G-file's correlations), so one pass over
// the characters both judges and converts, without a copy, and the reader is
// inline so that each call site's constant rule folds into it.  The mantissa
// is built in double and the scale applied once at the end, so the value
// rounds only once.
inline std::optional<double> read_number(std::string_view field, NumberRule rule) {
  const auto n = detail::scan_number<double>(field, rule);
  if (!n) return std::nullopt;
  const int scale = n->point ? n->written_decimals : rule.implied;
  double divisor = 1.0;  // exact up to 10^22, far beyond any field
  for (int i = 0; i < scale; ++i) divisor *= 10.0;
  const double value = scale == 0 ? n->mantissa : n->mantissa / divisor;
  return n->negative && value != 0.0 ? -value : value;
}

// A field as its digits and their scale (its written decimals, else the
// implied ones), judged as read_number judges it: the value is exactly
// digits / 10^scale, without a detour through double.  A field of more than
// 18 characters could overflow and is never read so: it has none.
struct DecimalDigits {
  long long digits;
  int scale;
};

inline std::optional<DecimalDigits> read_decimal_digits(std::string_view field, NumberRule rule) {
  if (field.size() > 18) return std::nullopt;
  const auto n = detail::scan_number<long long>(field, rule);
  if (!n) return std::nullopt;
  return DecimalDigits{n->negative ? -n->mantissa : n->mantissa, n->point ? n->written_decimals : rule.implied};
}

inline bool is_number(std::string_view field, NumberRule rule) { return read_number(field, rule).has_value(); }

// The value of a field of digits only, at least one; none otherwise.
std::optional<long> digits_value(std::string_view field);

}  // namespace orv
