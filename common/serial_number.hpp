#pragma once
// Station serial numbers (SSNs) are written 3 or 4 characters wide; every
// lookup compares them as 4-character keys, so 123, 0123 and " 123" meet.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orv {

// Exactly four characters, compared as a text; blank until set.
class SsnKey {
 public:
  SsnKey() = default;
  explicit SsnKey(std::string_view four);  // cut or padded with blanks to 4
  std::string_view text() const { return {chars_.data(), chars_.size()}; }
  friend bool operator==(const SsnKey& a, const SsnKey& b) {
    // Spelled out: the tables are searched from end to end, key by key.
    return a.chars_[0] == b.chars_[0] && a.chars_[1] == b.chars_[1] && a.chars_[2] == b.chars_[2] &&
           a.chars_[3] == b.chars_[3];
  }

 private:
  std::array<char, 4> chars_{' ', ' ', ' ', ' '};
};

// The key of a 4-character SSN field.  Digits and blanks only: the number,
// blanks ignored, as 4 digits with leading zeros ("  42" and "42  " are
// "0042").  Anything else: trailing blanks move to the front (at most three),
// then every blank becomes 0 ("A1  " is "00A1", "A 1B" is "A01B").
SsnKey ssn_key(std::string_view four);

// The key of a 3-character SSN field: as the 4-character field "0" + field.
SsnKey ssn_key_3(std::string_view three);

// Four characters as one word, for indexes that sort or hash SSN fields by
// the thousand; equal words, equal texts.  `four` holds at least four.
inline std::uint32_t ssn_word(std::string_view four) {
  std::uint32_t word = 0;
  std::memcpy(&word, four.data(), sizeof word);
  return word;
}

}  // namespace orv
