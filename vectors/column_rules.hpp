#pragma once
// Column rules of the B-file checks, written as tables that read like the
// record layouts: a field, what it must hold, the message when it does not.

#include <span>
#include <string>
#include <string_view>

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "vectors/tamrel.hpp"

namespace tamrel {

using orv::Chars;

// What every NON-INTEGER finding asks: the columns read as a number of their
// kind, blanks as zeros (orv::read_number), so that no value is ever taken
// from a field that has none.  A range whose last column comes before its
// first passes.
bool number_ok(std::string_view record, int first, int last, Chars chars);

struct ColumnRule {
  enum class Test { number, one_of, filled };
  int first;
  int last;
  Test test;
  Chars chars;              // number: what each character may be
  std::string_view codes;   // one_of: the codes, each last-first+1 characters
  std::string_view message;
};

constexpr ColumnRule number(int first, int last, Chars chars, std::string_view message) {
  return {first, last, ColumnRule::Test::number, chars, {}, message};
}
// A blank is in the set only where the codes spell it out.
constexpr ColumnRule one_of(int first, int last, std::string_view codes, std::string_view message) {
  return {first, last, ColumnRule::Test::one_of, Chars::digits, codes, message};
}
constexpr ColumnRule filled(int first, int last, std::string_view message) {
  return {first, last, ColumnRule::Test::filled, Chars::digits, {}, message};
}

bool rule_passes(std::string_view record, const ColumnRule& rule);

// Every rule in turn; each that fails gives its message with the record.
void check_columns(Run& run, std::string_view record, std::span<const ColumnRule> rules);

// A field of digits and blanks that has passed, read with blanks as zeros.
int integer_field(std::string_view record, int first, int last);

inline bool blank_field(std::string_view record, int first, int last) {
  return orv::is_blank(orv::cols(record, first, last));
}

// A fatal finding: the message, the record, the termination step.
[[noreturn]] void fatal(Run& run, std::string_view message, std::string_view record);
// A full table: the one line, an empty line, the termination step.
[[noreturn]] void table_full(Run& run, const std::string& line);

}  // namespace tamrel
