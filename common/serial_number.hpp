#pragma once
// Station serial numbers (SSNs) are written 3 or 4 characters wide; every
// lookup compares them as 4-character keys, so 123, 0123 and " 123" meet.

#include <string>
#include <string_view>

namespace orv {

// The key of a 4-character SSN field.  Digits and blanks only: the number,
// blanks ignored, as 4 digits with leading zeros ("  42" and "42  " are
// "0042").  Anything else: trailing blanks move to the front (at most three),
// then every blank becomes 0 ("A1  " is "00A1", "A 1B" is "A01B").
std::string ssn_key(std::string_view four);

// The key of a 3-character SSN field: as the 4-character field "0" + field.
std::string ssn_key_3(std::string_view three);

}  // namespace orv
