#include "vectors/gfile_records.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/numeric.hpp"
#include "common/report_lines.hpp"

namespace tamrel {

std::string field_non_integer_text(char letter, std::string_view name, Columns c) {
  return orv::format("%c RECORD %.*s CC %d-%d NON-INTEGER, EXECUTION TERMINATED", letter,
                     static_cast<int>(name.size()), name.data(), c.first, c.last);
}

std::string blank_joined(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (const std::string_view f : fields) {
    if (!line.empty()) line += ' ';
    line += f;
  }
  return line;
}

std::string listed_decimal(double value, int width, int decimals) {
  std::string text = orv::format("%*.*f", width, decimals, value);
  if (text.find_first_of("123456789") == std::string::npos) text = orv::format("%*.*f", width, decimals, 0.0);
  return text;
}

namespace {

// "00" to "99": two digits a division.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The last `count` digits of `rest`, written backwards before `end`.
char* put_digits_before(char* end, unsigned long long& rest, int count) {
  for (; count >= 2; count -= 2, rest /= 100) {
    const auto pair = static_cast<std::size_t>(rest % 100) * 2;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (count == 1) {
    *--end = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  return end;
}

// The last kDecimals (7 or 8) digits of `rest` before `end`, eight digits
// worked at once and stored as one word (the layouts' decimals).  The word's
// first character, where kDecimals is 7, is a 0 that the point covers.
template <int kDecimals>
char* put_eight_decimals_before(char* end, unsigned long long& rest) {
  static_assert(kDecimals == 7 || kDecimals == 8);
  constexpr unsigned long long kScale = kDecimals == 7 ? 10000000 : 100000000;
  std::uint64_t v = rest % kScale;
  rest /= kScale;
  v = v / 10000 | (v % 10000) << 32;                              // two halves of four digits
  std::uint64_t high = ((v * 5243) >> 19) & 0x0000007F0000007F;  // each half / 100
  v = high | (v - high * 100) << 16;                              // four pairs
  high = ((v * 103) >> 10) & 0x000F000F000F000F;                 // each pair / 10
  v = (high | (v - high * 10) << 8) + 0x3030303030303030;         // eight digits, the first lowest
  std::memcpy(end - 8, &v, 8);
  return end - kDecimals;
}

// How many digits `value` has (0 has one).
int digit_count(unsigned long long value) {
  static constexpr auto kPowers = [] {
    std::array<unsigned long long, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  const int estimate = std::bit_width(value | 1) * 1233 >> 12;  // log10 from log2, at most one too low
  return std::max(estimate + (value >= kPowers[static_cast<std::size_t>(estimate)] ? 1 : 0), 1);
}

}  // namespace

char* put_listed_digits(char* at, long long digits, int width, int decimals) {
  decimals = std::clamp(decimals, 0, 12);  // the layouts' 7 and 8
  unsigned long long rest = digits < 0 ? 0ULL - static_cast<unsigned long long>(digits) : digits;
  if (width > kListedDigitsRoom) {  // blanks no number needs
    std::memset(at, ' ', static_cast<std::size_t>(width - kListedDigitsRoom));
    at += width - kListedDigitsRoom;
    width = kListedDigitsRoom;
  }
  // Written in place, backwards from the field's end over blanks: the
  // decimals, the point, what is left as the whole part, the sign.  Nothing
  // written here is read back at once: a wide read of narrow writes just
  // made waits for them, and values are listed by the million.
  const int length = std::max(digit_count(rest), decimals + 1) + (decimals > 0 ? 1 : 0) + (digits < 0 ? 1 : 0);
  std::memset(at, ' ', kListedDigitsRoom);
  char* const end = at + std::max(length, width);
  char* first = nullptr;
  constexpr bool kWords = std::endian::native == std::endian::little;  // the word's byte order
  if (kWords && decimals == 7) {
    first = put_eight_decimals_before<7>(end, rest);
  } else if (kWords && decimals == 8) {
    first = put_eight_decimals_before<8>(end, rest);
  } else {
    first = put_digits_before(end, rest, decimals);
  }
  if (decimals > 0) *--first = '.';
  do {
    first = put_digits_before(first, rest, rest >= 10 ? 2 : 1);
  } while (rest != 0);
  if (digits < 0) *--first = '-';
  return end;
}

}  // namespace tamrel
