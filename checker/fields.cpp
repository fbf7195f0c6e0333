#include "checker/fields.hpp"

#include <algorithm>
#include <cstdlib>

#include "common/card.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kNameCharacters = " ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-/.=";


bool leap_fault(long month, long day, long year) {
  if (day == 31 && (month == 2 || month == 4 || month == 6 || month == 9 || month == 11)) return true;
  if (month == 2 && day == 30) return true;
  return month == 2 && day == 29 && year % 4 != 0;
}

// The century given to a two-digit year: that of the nearer end of the range.
int century_for(int year, const DateRange& range) {
  const int low_century = range.low / 100;
  const int high_century = range.high / 100;
  if (low_century == high_century) return low_century;
  const int to_low = std::abs(year - range.low % 100);
  const int to_high = std::abs(year - range.high % 100);
  return to_high < to_low ? high_century : low_century;
}

// Degrees, minutes and seconds of an angle-like field, each tested alone.
void sexagesimal_errors(std::string_view degrees, long max_degrees, int degrees_limit_error,
                        std::string_view minutes, std::string_view seconds, int seconds_decimals,
                        int base, std::vector<int>& errors) {
  if (const auto d = digits_value(degrees); !d) {
    errors.push_back(base + 2);
  } else if (*d > max_degrees) {
    errors.push_back(degrees_limit_error != 0 ? degrees_limit_error : base + 3);
  }
  if (const auto m = digits_value(minutes); !m) {
    errors.push_back(base + 4);
  } else if (*m > 59) {
    errors.push_back(base + 5);
  }
  if (const auto s = numeric_value(seconds, seconds_decimals); !s) {
    errors.push_back(base + 6);
  } else if (*s < 0.0 || *s >= 60.0) {
    errors.push_back(base + 7);
  }
}

}  // namespace

int first_outside(std::string_view field, std::string_view set) {
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (set.find(field[i]) == std::string_view::npos) return static_cast<int>(i + 1);
  }
  return 0;
}

bool is_digits(std::string_view field) { return !field.empty() && all_in(field, kDigits); }

int date_error(std::string_view date, int base, const DateRange* range) {
  if (orv::is_blank(date)) return base;
  const auto first_blank = date.find(' ');
  if (first_blank != std::string_view::npos &&
      date.find_first_not_of(' ', first_blank) != std::string_view::npos) {
    return base + 1;
  }
  const std::string_view yy = date.substr(0, 2);
  if (orv::is_blank(yy)) return base + 2;
  const auto year = digits_value(yy);
  if (!year) return base + 3;
  const int full_year = range != nullptr
                            ? century_for(static_cast<int>(*year), *range) * 100 + static_cast<int>(*year)
                            : static_cast<int>(*year);
  if (range != nullptr && (full_year < range->low || full_year > range->high)) {
    return base + kDateRangeOffset;
  }
  if (orv::is_blank(date.substr(2, 4))) return 0;
  const auto month = digits_value(date.substr(2, 2));
  if (!month) return base + 4;
  if (*month < 1 || *month > 12) return base + 5;
  if (orv::is_blank(date.substr(4, 2))) return 0;
  const auto day = digits_value(date.substr(4, 2));
  if (!day) return base + 6;
  if (*day < 1 || *day > 31) return base + 7;
  if (leap_fault(*month, *day, *year)) return base + 8;
  return 0;
}

int station_name_error(std::string_view name, int base) {
  if (orv::is_blank(name)) return base;
  if (!all_in(name, kNameCharacters)) return kNameCharacterError;
  if (name.front() == ' ') return base + 1;
  const auto last = name.find_last_not_of(' ');
  if (name.substr(0, last).find("  ") != std::string_view::npos) return base + 2;
  return 0;
}

namespace {

// A latitude or longitude: degrees of `degree_digits`, minutes, and seconds
// with five decimals.
std::vector<int> position_errors(std::string_view field, std::size_t degree_digits, long max_degrees, int base) {
  if (orv::is_blank(field)) return {base};
  if (field.substr(0, degree_digits + 4).find(' ') != std::string_view::npos) return {base + 1};
  std::vector<int> errors;
  sexagesimal_errors(field.substr(0, degree_digits), max_degrees, 0, field.substr(degree_digits, 2),
                     field.substr(degree_digits + 2), 5, base, errors);
  return errors;
}

}  // namespace

std::vector<int> latitude_errors(std::string_view field, int base) { return position_errors(field, 2, 90, base); }

std::vector<int> longitude_errors(std::string_view field, int base) { return position_errors(field, 3, 359, base); }

std::vector<int> time_errors(std::string_view field, int base) {
  std::vector<int> errors;
  const std::string_view hhmm = field.substr(0, 4);
  if (!orv::is_blank(hhmm)) {
    const auto hours = digits_value(hhmm.substr(0, 2));
    const auto minutes = digits_value(hhmm.substr(2, 2));
    if (!hours || *hours > 23 || !minutes || *minutes > 59) errors.push_back(base);
  }
  const char zone = field[4];
  if (zone != ' ' && (zone < 'A' || zone > 'Z' || zone == 'J')) errors.push_back(base + 1);
  return errors;
}

std::vector<int> angle_errors(std::string_view field, int base, const AngleRules& rules) {
  if (rules.blank_tests) {
    if (orv::is_blank(field)) return {base};
    if (field.substr(0, 7).find(' ') != std::string_view::npos) return {base + 1};
  }
  std::vector<int> errors;
  const int seconds_decimals = static_cast<int>(field.size()) - 7;
  sexagesimal_errors(field.substr(0, 3), rules.max_degrees, rules.degrees_limit_error,
                     field.substr(3, 2), field.substr(5), seconds_decimals, base, errors);
  return errors;
}

}  // namespace corvelin
