#include "common/numeric.hpp"

namespace orv {

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
