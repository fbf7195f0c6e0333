#pragma once
// Field primitives of the observation-file checker.  Each takes the field's
// characters and answers with the message numbers of its faults (0 or an
// empty list when the field is good), so that every record rule reads as
// "columns, primitive, base".

#include <optional>
#include <string_view>
#include <vector>

#include "common/numeric.hpp"

namespace corvelin {

inline constexpr std::string_view kDigits = "0123456789";
inline constexpr std::string_view kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kBlankCapitals = " ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kVrzn = "VRZN ";
inline constexpr std::string_view kNameSigns = "+-/.=";

// 1-based position of the first character outside the set; 0 when none is.
int first_outside(std::string_view field, std::string_view set);
inline bool all_in(std::string_view field, std::string_view set) {
  return first_outside(field, set) == 0;
}
bool is_digits(std::string_view field);  // at least one character, all digits
inline bool has_blank(std::string_view field) { return field.find(' ') != std::string_view::npos; }
using orv::digits_value;

// A numeric field of this program with d implied decimals: digits, point,
// blank and minus, blanks at its ends only (orv::Blanks::zeros_at_ends).
inline std::optional<double> numeric_value(std::string_view field, int decimals) {
  return orv::read_number(field, {orv::Chars::signed_decimal, orv::Blanks::zeros_at_ends, decimals});
}
inline bool reads_numeric(std::string_view field, int decimals) { return numeric_value(field, decimals).has_value(); }

// The years a date may fall in, as century * 100 + year, both inclusive.
struct DateRange {
  int low = 1920;
  int high = 2004;
};
inline constexpr int kDateRangeOffset = 462;

// Date YYMMDD: the message of its first fault (base + 0..8, or base + 462
// when it falls outside the range), 0 when good.  No range, no range test.
int date_error(std::string_view yymmdd, int base, const DateRange* range);

// Station name of 30 characters: base, 331, base + 1 or base + 2; 0 when good.
inline constexpr int kNameCharacterError = 331;
int station_name_error(std::string_view name, int base);

// DDMMSSsssss: all blank -> base; blank among DDMMSS -> base + 1; otherwise
// degrees (+2, above 90 +3), minutes (+4, above 59 +5) and seconds
// (+6, outside 0 to below 60 +7) are each tested.
std::vector<int> latitude_errors(std::string_view field, int base);
// DDDMMSSsssss: as the latitude, with three-digit degrees up to 359.
std::vector<int> longitude_errors(std::string_view field, int base);
// HHMMZ: hours 00-23 and minutes 00-59 when HHMM is not blank (base);
// zone letter blank or a capital other than J (base + 1).
std::vector<int> time_errors(std::string_view field, int base);

// DDDMMSS followed by seconds decimals (DDDMMSSss, or DDDMMSSs over eight
// columns).  Degrees +2 (above the limit +3 or the given message), minutes
// +4/+5, seconds +6/+7.  With blank tests: all blank -> base, a blank among
// DDDMMSS -> base + 1, and then nothing else.
struct AngleRules {
  int max_degrees = 359;
  int degrees_limit_error = 0;  // 0: base + 3
  bool blank_tests = true;
};
std::vector<int> angle_errors(std::string_view field, int base, const AngleRules& rules = {});

}  // namespace corvelin
