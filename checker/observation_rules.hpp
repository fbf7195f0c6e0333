#pragma once
// Column rules of the observation records, written as tables: one row per
// test, in the order the tests are made.  A row names its columns, the test
// and its message numbers; modifiers say when the row applies:
//
//   digits(11, 14, 15)                          cc 11-14 four digits, else 15
//   one_of(59, "VRZN AB", 31).unless(idb_in_30) not tested with IDB in cc 30-32
//   filled_numeric(36, 39, 2, 43, 45)
//       .blank_allowed_when(idb_in_30)           a blank passes only with IDB
//   instrument(33, 35, 20, 317)
//       .any_code_when(idb_in_30)                the code-table test lifted by IDB
//
// Two tests in one row form a chain: the second is made only when the first
// passes.  Rows are independent of each other, even on the same columns.

#include <span>
#include <string_view>

#include "checker/checker.hpp"
#include "checker/record_checks.hpp"

namespace corvelin {

// The values of the one-column flags of the observation records.
inline constexpr std::string_view kFlags = "012 ";

// When a row applies, with the words the format guide prints for it.
struct Condition {
  bool (*holds)(const Checker&, const Record&);
  std::string_view says;
};
using CustomTest = void (*)(Checker&, const Record&);

enum class Test {
  kEnterStation,    // enter the SSN of cc first..last; error when it was not there before
  kUpdate,          // the tally and usage-mark update of the record (`update`)
  kDigits,          // every column a digit
  kEachOf,          // each column one of `set`: error + k for the k-th column of the range
  kCodeOf,          // the field one of the codes of `set`, each as wide as the field
  kBlankOrCapitals,
  kBlank,
  kNotBlank,
  kNumeric,         // numeric field with `decimals`; a blank field reads
  kFilledNumeric,   // not blank (error), then a numeric field (second), then, with
                    // `third`, its last `decimals` columns not blank (third)
  kDate,            // date field, message base error, with the range test
  kTime,            // time field HHMMZ, message base error
  kHourMinute,      // HHMM: blank (error), else tested as a time field with zone "Z"
  kCblTime,         // HHMM digits, hours to 24, minutes to 59 (error); zone a capital but J (error + 1)
  kAngle,           // angle field, message base error, `angle` rules
  kVerticalAngle,   // angle field limited by the kind of angle in the column after it
  kLatitude,        // DDMMSSsssss, message base error
  kLongitude,       // DDDMMSSsssss, message base error
  kStationName,     // 30 characters, message base error (and 331)
  kInstrumentCode,  // three digits (error), then a *70* code (second)
  kAntennaCode,     // three digits (error), then a *71*/*72* code (second)
  kNewCode,         // three digits (error, when given), then entered in the code table of
                    // `codes`; already there: second
  kAgencyCode,      // an agency code of contrib.dat
  kStateCode,       // a code of the state and country table
  kOrderClassCode,  // a code of the order-and-class table
  kZone,            // blank (error), a blank inside (+1), not four digits (+2), neither
                    // a zone code nor 0-59 (+3)
  kDiffer,          // differs from the field starting at column `other`
  kGroupStation,    // equals the station of the current group
  kSetStandpoint,   // equals the standpoint of the current observation set
  kKnownStation,    // four digits (error), then in the station table (second)
  kParentColumns,   // digits (error), then equal to the last parent's columns (second)
  kExpectedCount,   // two digits (error); the number of records the group announces
  kListedStation,   // not blank (error), four digits (second), in the station table (third)
  kCustom,          // `custom`, which may raise `messages`; `says` tells what it accepts
};

// What an observation adds to the tallies and usage marks.
enum class Update { kNone, kDirection, kAngle, kDistance, kOccupation };

// The code tables a deck fills with its *70* and *71*/*72* records.
enum class CodeTable { kInstruments, kAntennas };

struct Rule {
  int first = 0;
  int last = 0;
  Test test = Test::kCustom;
  int error = 0;
  int second = 0;
  int third = 0;
  int decimals = 0;
  std::string_view set{};
  int other = 0;  // kDiffer: first column of the other field; kUpdate: the forepoint
  AngleRules angle{};
  bool unlimited_without_kind = false;  // kVerticalAngle: tested even without a valid kind
  Update update = Update::kNone;
  CodeTable codes = CodeTable::kInstruments;
  CustomTest custom = nullptr;
  std::span<const int> messages{};  // kCustom
  std::string_view says{};          // kCustom
  bool skip_blank = false;              // an optional field: not tested when blank
  const Condition* condition = nullptr;        // tested only when this holds
  const Condition* exemption = nullptr;        // not tested when this holds
  const Condition* blank_exemption = nullptr;  // a blank field passes when this holds
  const Condition* code_exemption = nullptr;   // the code-table test is lifted when this holds

  // A copy with one member changed.  Defined before its callers: clang does
  // not instantiate a member template for a constant expression when the
  // template is defined later in the class.
  template <auto Member, class Value>
  constexpr Rule with(Value value) const {
    Rule r = *this;
    r.*Member = value;
    return r;
  }

  constexpr Rule optional() const { return with<&Rule::skip_blank>(true); }
  constexpr Rule when(const Condition& c) const { return with<&Rule::condition>(&c); }
  constexpr Rule unless(const Condition& c) const { return with<&Rule::exemption>(&c); }
  constexpr Rule blank_allowed_when(const Condition& c) const { return with<&Rule::blank_exemption>(&c); }
  constexpr Rule any_code_when(const Condition& c) const { return with<&Rule::code_exemption>(&c); }
  // kFilledNumeric: the decimals must be written out, else `error`.
  constexpr Rule decimals_given(int error) const { return with<&Rule::third>(error); }
};

// ---- Rows --------------------------------------------------------------------

constexpr Rule rule(int first, int last, Test test, int error, int second = 0) {
  Rule r;
  r.first = first;
  r.last = last;
  r.test = test;
  r.error = error;
  r.second = second;
  return r;
}

constexpr Rule station(int first, int error) { return rule(first, first + 3, Test::kEnterStation, error); }
constexpr Rule digits(int first, int last, int error) { return rule(first, last, Test::kDigits, error); }
constexpr Rule each_of(int first, int last, std::string_view set, int first_error) {
  return rule(first, last, Test::kEachOf, first_error).with<&Rule::set>(set);
}
constexpr Rule one_of(int column, std::string_view set, int error) { return each_of(column, column, set, error); }
// `codes` written one after another, each as wide as the field ("1011", "3 ").
constexpr Rule code_of(int first, int last, std::string_view codes, int error) {
  return rule(first, last, Test::kCodeOf, error).with<&Rule::set>(codes);
}
constexpr Rule blank_or_capitals(int first, int last, int error) {
  return rule(first, last, Test::kBlankOrCapitals, error);
}
constexpr Rule blank(int first, int last, int error) { return rule(first, last, Test::kBlank, error); }
constexpr Rule not_blank(int first, int last, int error) { return rule(first, last, Test::kNotBlank, error); }
constexpr Rule numeric(int first, int last, int decimals, int error) {
  return rule(first, last, Test::kNumeric, error).with<&Rule::decimals>(decimals);
}
constexpr Rule filled_numeric(int first, int last, int decimals, int blank_error, int numeric_error) {
  return rule(first, last, Test::kFilledNumeric, blank_error, numeric_error).with<&Rule::decimals>(decimals);
}
constexpr Rule date(int first, int last, int base) { return rule(first, last, Test::kDate, base); }
constexpr Rule time(int first, int last, int base) { return rule(first, last, Test::kTime, base); }
constexpr Rule hour_minute(int first, int last, int error) { return rule(first, last, Test::kHourMinute, error); }
constexpr Rule cbl_time(int first, int last, int base) { return rule(first, last, Test::kCblTime, base); }
constexpr Rule angle(int first, int last, int base, AngleRules rules = {}) {
  return rule(first, last, Test::kAngle, base).with<&Rule::angle>(rules);
}
// The kind of angle is the column after the field: "E" or "D" a vertical
// angle (degrees to 90), "Z" a zenith distance (degrees to 179, error
// `zenith_error`).  Without a valid kind the field is not tested, or tested
// with no limit.
constexpr Rule vertical_angle(int first, int last, int base, int zenith_error, bool unlimited_without_kind) {
  return rule(first, last, Test::kVerticalAngle, base, zenith_error)
      .with<&Rule::unlimited_without_kind>(unlimited_without_kind);
}
constexpr Rule instrument(int first, int last, int digits_error, int table_error) {
  return rule(first, last, Test::kInstrumentCode, digits_error, table_error);
}
constexpr Rule antenna(int first, int last, int digits_error, int table_error) {
  return rule(first, last, Test::kAntennaCode, digits_error, table_error);
}
constexpr Rule agency(int first, int last, int error) { return rule(first, last, Test::kAgencyCode, error); }
constexpr Rule state_code(int first, int last, int error) { return rule(first, last, Test::kStateCode, error); }
constexpr Rule order_and_class(int first, int last, int error) {
  return rule(first, last, Test::kOrderClassCode, error);
}
constexpr Rule zone(int first, int last, int base) { return rule(first, last, Test::kZone, base); }
constexpr Rule latitude(int first, int last, int base) { return rule(first, last, Test::kLatitude, base); }
constexpr Rule longitude(int first, int last, int base) { return rule(first, last, Test::kLongitude, base); }
constexpr Rule station_name(int first, int last, int base) { return rule(first, last, Test::kStationName, base); }
constexpr Rule known_station(int first, int digits_error, int table_error) {
  return rule(first, first + 3, Test::kKnownStation, digits_error, table_error);
}
// digits_error 0: the digits are a row of their own.
constexpr Rule new_code(int first, int last, CodeTable table, int digits_error, int repeated_error) {
  return rule(first, last, Test::kNewCode, digits_error, repeated_error).with<&Rule::codes>(table);
}
constexpr Rule differ(int first, int last, int other, int error) {
  return rule(first, last, Test::kDiffer, error).with<&Rule::other>(other);
}
constexpr Rule group_station(int error) { return rule(11, 14, Test::kGroupStation, error); }
constexpr Rule set_standpoint(int error) { return rule(11, 14, Test::kSetStandpoint, error); }
constexpr Rule parent_columns(int first, int last, int digits_error, int equal_error) {
  return rule(first, last, Test::kParentColumns, digits_error, equal_error);
}
constexpr Rule expected_count(int first, int last, int error) {
  return rule(first, last, Test::kExpectedCount, error);
}
constexpr Rule listed_station(int blank_error, int digits_error, int table_error) {
  return rule(11, 14, Test::kListedStation, blank_error, digits_error).with<&Rule::third>(table_error);
}
// A test of its own: the columns it reads, the messages it may raise and
// the words the format guide prints for what it accepts.
constexpr Rule custom(int first, int last, CustomTest test, std::span<const int> messages, std::string_view says) {
  return rule(first, last, Test::kCustom, 0)
      .with<&Rule::custom>(test)
      .with<&Rule::messages>(messages)
      .with<&Rule::says>(says);
}

// The updates: standpoint in cc 11-14; the other station(s) where told.
constexpr Rule update(Update kind, int forepoint = 0) {
  return rule(0, 0, Test::kUpdate, 0).with<&Rule::update>(kind).with<&Rule::other>(forepoint);
}
constexpr Rule direction_update() { return update(Update::kDirection); }
constexpr Rule angle_update() { return update(Update::kAngle); }
constexpr Rule distance_update(int forepoint) { return update(Update::kDistance, forepoint); }
constexpr Rule occupation_update() { return update(Update::kOccupation); }

// ---- Conditions of the rows ------------------------------------------------------

inline constexpr Condition idb_in_30{[](const Checker&, const Record& rec) { return cols(rec, 30, 32) == "IDB"; },
                                     "cc 30-32 hold IDB"};
inline constexpr Condition idb_in_20{[](const Checker&, const Record& rec) { return cols(rec, 20, 22) == "IDB"; },
                                     "cc 20-22 hold IDB"};
inline constexpr Condition idb_in_25{[](const Checker&, const Record& rec) { return cols(rec, 25, 27) == "IDB"; },
                                     "cc 25-27 hold IDB"};
inline constexpr Condition a_in_20_or_idb_in_30{
    [](const Checker&, const Record& rec) { return col(rec, 20) == 'A' || cols(rec, 30, 32) == "IDB"; },
    "cc 20 holds A or cc 30-32 hold IDB"};
inline constexpr Condition cbl_deck{[](const Checker& ck, const Record&) { return ck.cbl_deck(); },
                                    "the header's cc 15-18 hold \"CBL \""};
inline constexpr Condition s_in_73{[](const Checker&, const Record& rec) { return col(rec, 73) == 'S'; },
                                   "cc 73 holds S"};
inline constexpr Condition g_in_73{[](const Checker&, const Record& rec) { return col(rec, 73) == 'G'; },
                                   "cc 73 holds G"};
inline constexpr Condition g_in_74{[](const Checker&, const Record& rec) { return col(rec, 74) == 'G'; },
                                   "cc 74 holds G"};
inline constexpr Condition antenna_records_counted{
    [](const Checker& ck, const Record&) { return ck.count(71) != 0 || ck.count(72) != 0; },
    "the deck has *71* or *72* records"};

// Tests the record against its rows, in order.
void apply_rules(Checker& ck, const Record& rec, std::span<const Rule> rules);

}  // namespace corvelin
