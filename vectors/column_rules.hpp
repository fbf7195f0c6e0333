#pragma once
// Column rules of the B-file checks, written as tables that read like the
// record layouts: a field, what it must hold, the message when it does not.

#include <span>
#include <string>
#include <string_view>

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "common/record_code.hpp"
#include "vectors/tamrel.hpp"

namespace tamrel {

using orv::Chars;

// What every NON-INTEGER finding asks: the columns read as a number of their
// kind, blanks as zeros (orv::read_number), so that no value is ever taken
// from a field that has none.  A range whose last column comes before its
// first passes.
bool number_ok(std::string_view record, int first, int last, Chars chars);

struct ColumnRule {
  enum class Test {
    number,          // read as a number of its kind (`chars`)
    one_of,          // one of `codes`, each last-first+1 characters
    filled,          // not all blank
    left_justified,  // blank, or starting in its first column
    agency,          // an agency of contrib.dat
    known_station,   // an SSN of the *80* or *82* records
  };
  int first;
  int last;
  Test test;
  Chars chars;              // number: what each character may be
  std::string_view codes;   // one_of: the codes, each last-first+1 characters
  std::string_view message;
  std::string_view second_line = {};  // a message of two lines

  constexpr ColumnRule and_line(std::string_view line) const {
    ColumnRule r = *this;
    r.second_line = line;
    return r;
  }
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
constexpr ColumnRule left_justified(int first, int last, std::string_view message) {
  return {first, last, ColumnRule::Test::left_justified, Chars::digits, {}, message};
}
constexpr ColumnRule agency(int first, int last, std::string_view message) {
  return {first, last, ColumnRule::Test::agency, Chars::digits, {}, message};
}
constexpr ColumnRule known_station(int first, std::string_view message) {
  return {first, first + 3, ColumnRule::Test::known_station, Chars::digits, {}, message};
}

// The tests that look at the record alone; agency and known_station, which
// look up the run's tables, fail here.
bool rule_passes(std::string_view record, const ColumnRule& rule);
bool rule_passes(Run& run, std::string_view record, const ColumnRule& rule);

// What a failing row does: each gives its message; only the first that
// fails gives its message (a chain); the first that fails ends the run.
enum class Finding { each, first, fatal };

// A table of rows as one step applies it, with the words the format guide
// prints for when the step applies it.
struct RuleSet {
  int record;                 // the B-file record code, or the G-file record letter
  std::string_view applies;   // empty: always
  std::span<const ColumnRule> rules;
  Finding finding = Finding::each;
};

// The rows of the set in turn; each that fails gives its message with the
// record, as the set's finding says.
void check_columns(Run& run, std::string_view record, const RuleSet& set);
// Where a record keeps its time, zone letter and date (date_first 0: none).
struct TimeColumns {
  int time_first;
  Chars time_chars;
  std::string_view time_message;
  std::string_view zone_letters;
  std::string_view zone_message;
  bool zone_only_after_time;  // the zone letter is looked at only when a time is given
  int date_first;
  std::string_view date_message;
};

// Where a record names its instrument and the IDB marker.
struct InstrumentColumns {
  int first;
  int idb_first;
  bool distance;  // the instrument must be a distance meter
  std::string_view non_integer;
  std::string_view not_found;
};

// The derived year outside the *12* window: its two lines (year; began, ended).
inline constexpr const char* kDerivedYearLines[] = {
    " THE DERIVED 4-DIGIT YEAR %4d", " IS NOT BETWEEN *12* YEAR OBS BEGAN %4d AND YEAR OBS END %4d"};
// A distance measured with an instrument whose *70* equipment code is not a
// distance meter's.
inline constexpr std::string_view kNotDistanceMeter = " **70* REC EQUIP CODE NOT 400-899";

// One check of an observation record in pass 2: a table of rows, its time
// and date, its instrument, or a step of its own with the sets it applies.
struct Pass2Check {
  std::span<const ColumnRule> rules;
  const TimeColumns* time;
  const InstrumentColumns* instrument;
  void (*custom)(Run&, std::string_view);
  std::span<const RuleSet* const> custom_sets;
};
using Pass2Record = orv::ByCode<std::span<const Pass2Check>>;
std::span<const Pass2Record> pass2_checks();

// The sets each pass applies, for the format guide, in the order of the
// records they belong to and, within a record, of the checks.
std::span<const RuleSet* const> pass1_rule_sets();
std::span<const RuleSet* const> gfile_rule_sets();

// Every row in turn (Finding::each).
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
