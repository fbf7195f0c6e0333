#pragma once
// Numeric fields of card records: the character check that judges a field
// and the two conversions that read it once it has passed.

#include <optional>
#include <string_view>

namespace orv {

// What each kind of field may hold.  The check looks at each character alone,
// never at how many points or minus signs there are or where they stand.
inline constexpr std::string_view kIntegerField = "0123456789 ";
inline constexpr std::string_view kDecimalField = "0123456789 .-";

// Columns first..last of the card hold only characters of `allowed`.  A range
// that ends before it starts, or lies beyond the card, holds nothing wrong.
bool field_passes(std::string_view card, int first, int last, std::string_view allowed);

// The value of a field with `implied` decimal places; a point written in the
// field places the decimals instead.  Leading blanks and a leading minus come
// first; an all-blank field, or one without digits, is 0.  None when the field
// is not a well-formed number: two points, a minus after the start, any
// character other than digits, blanks, point and minus.
//   blank_as_zero: a blank after the first non-blank is the digit 0
//   blank_ignored: blanks are removed first
std::optional<double> blank_as_zero(std::string_view field, int implied = 0);
std::optional<double> blank_ignored(std::string_view field, int implied = 0);

}  // namespace orv
