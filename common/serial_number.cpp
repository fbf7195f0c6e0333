#include "common/serial_number.hpp"

#include <algorithm>

#include "common/report_lines.hpp"

namespace orv {

namespace {
bool digits_and_blanks(std::string_view field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
}
}  // namespace

SsnKey::SsnKey(std::string_view four) {
  for (std::size_t i = 0; i < chars_.size() && i < four.size(); ++i) chars_[i] = four[i];
}

SsnKey ssn_key(std::string_view four) {
  std::string key(four.substr(0, 4));
  key.resize(4, ' ');
  if (digits_and_blanks(key)) {
    std::string digits;
    for (char c : key) {
      if (c != ' ') digits.push_back(c);
    }
    return SsnKey(std::string(4 - digits.size(), '0') + digits);
  }
  for (int shifts = 0; shifts < 3 && key.back() == ' '; ++shifts) {
    key.pop_back();
    key.insert(key.begin(), '0');
  }
  std::replace(key.begin(), key.end(), ' ', '0');
  return SsnKey(key);
}

SsnKey ssn_key_3(std::string_view three) { return ssn_key(joined({"0", three.substr(0, 3)})); }

}  // namespace orv
