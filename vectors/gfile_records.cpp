#include "vectors/gfile_records.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/numeric.hpp"
#include "common/report_lines.hpp"

namespace tamrel {

// Five entries of row, column and a 9-column correlation with 7 implied
// decimals; four of row, column and a 12-column covariance with 8.
const MatrixLayout kDRecord{'D', "CORRELATION", 7, "72I", 10,
                            {{{2, 4}, {5, 7}, {8, 16}},
                             {{17, 19}, {20, 22}, {23, 31}},
                             {{32, 34}, {35, 37}, {38, 46}},
                             {{47, 49}, {50, 52}, {53, 61}},
                             {{62, 64}, {65, 67}, {68, 76}}}};
const MatrixLayout kERecord{'E', "COVARIANCE", 8, "76I", 13,
                            {{{2, 4}, {5, 7}, {8, 19}},
                             {{20, 22}, {23, 25}, {26, 37}},
                             {{38, 40}, {41, 43}, {44, 55}},
                             {{56, 58}, {59, 61}, {62, 73}}}};

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

}  // namespace

char* put_listed_digits(char* at, long long digits, int width, int decimals) {
  decimals = std::clamp(decimals, 0, 12);  // the layouts' 7 and 8
  unsigned long long rest = digits < 0 ? 0ULL - static_cast<unsigned long long>(digits) : digits;
  if (width > kListedDigitsRoom) {  // blanks no number needs
    std::memset(at, ' ', static_cast<std::size_t>(width - kListedDigitsRoom));
    at += width - kListedDigitsRoom;
    width = kListedDigitsRoom;
  }
  // Written backwards into blanks: the decimals, the point, then what is
  // left of the digits as the whole part, the sign.  The listed field is
  // the last `width` characters, or the whole number where it is longer,
  // copied as one block of fixed size: values are listed by the million.
  char text[2 * kListedDigitsRoom];
  std::memset(text, ' ', sizeof text);
  char* const end = text + kListedDigitsRoom;
  char* first = put_digits_before(end, rest, decimals);
  if (decimals > 0) *--first = '.';
  do {
    first = put_digits_before(first, rest, rest >= 10 ? 2 : 1);
  } while (rest != 0);
  if (digits < 0) *--first = '-';
  const auto size = std::max(static_cast<int>(end - first), width);
  std::memcpy(at, end - size, kListedDigitsRoom);
  return at + size;
}

}  // namespace tamrel
