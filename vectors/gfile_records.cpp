#include "vectors/gfile_records.hpp"

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

void append_listed_decimal(std::string& line, long long digits, int scale, int width, int decimals) {
  if (scale != decimals) {
    double value = static_cast<double>(digits);
    for (int i = 0; i < scale; ++i) value /= 10.0;
    line += listed_decimal(value, width, decimals);
    return;
  }
  // Written backwards: the decimals, the point, the whole part, the sign.
  char text[48];
  char* at = text + sizeof text;
  unsigned long long rest = digits < 0 ? 0ULL - static_cast<unsigned long long>(digits) : digits;
  for (int i = 0; i < decimals; ++i, rest /= 10) *--at = static_cast<char>('0' + rest % 10);
  if (decimals > 0) *--at = '.';
  do {
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (digits < 0) *--at = '-';
  const auto length = static_cast<int>(text + sizeof text - at);
  if (length < width) line.append(static_cast<std::size_t>(width - length), ' ');
  line.append(at, static_cast<std::size_t>(length));
}

}  // namespace tamrel
