#pragma once
// Numeric fields of card records.  One reader judges a field and reads it in
// the same pass: what each character may be and how blanks read are its
// rule, named at every call.

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

// The value of the field, or none when it breaks its rule: a character its
// kind does not allow, a second point, a minus anywhere but first, or a
// blank where its blank rule forbids one.  An all-blank field, or one without
// digits, is 0 (never minus zero).
std::optional<double> read_number(std::string_view field, NumberRule rule);

inline bool is_number(std::string_view field, NumberRule rule) { return read_number(field, rule).has_value(); }

// The value of a field of digits only, at least one; none otherwise.
std::optional<long> digits_value(std::string_view field);

}  // namespace orv
