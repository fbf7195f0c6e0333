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

using Predicate = bool (*)(const Checker&, const Record&);
using CustomTest = void (*)(Checker&, const Record&);

enum class Test {
  kEnterStation,    // enter the SSN of cc first..last; error when it was not there before
  kUpdate,          // the tally and usage-mark update of the record (`update`)
  kDigits,          // every column a digit
  kEachOf,          // each column one of `set`: error + k for the k-th column of the range
  kBlankOrCapitals,
  kBlank,
  kNotBlank,
  kNumeric,         // numeric field with `decimals`; a blank field reads
  kFilledNumeric,   // not blank (error), then a numeric field (second)
  kDate,            // date field, message base error, with the range test
  kTime,            // time field HHMMZ, message base error
  kHourMinute,      // HHMM: blank (error), else tested as a time field with zone "Z"
  kCblTime,         // HHMM digits, hours to 24, minutes to 59 (error); zone a capital but J (error + 1)
  kAngle,           // angle field, message base error, `angle` rules
  kVerticalAngle,   // angle field limited by the kind of angle in the column after it
  kInstrumentCode,  // three digits (error), then a *70* code (second)
  kAntennaCode,     // three digits (error), then a *71*/*72* code (second)
  kAgencyCode,      // an agency code of contrib.dat
  kDiffer,          // differs from the field starting at column `other`
  kGroupStation,    // equals the station of the current group
  kSetStandpoint,   // equals the standpoint of the current observation set
  kParentColumns,   // digits (error), then equal to the last parent's columns (second)
  kExpectedCount,   // two digits (error); the number of records the group announces
  kListedStation,   // not blank (error), four digits (second), in the station table (third)
  kCustom,
};

// What an observation adds to the tallies and usage marks.
enum class Update { kNone, kDirection, kAngle, kDistance, kOccupation };

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
  CustomTest custom = nullptr;
  bool skip_blank = false;              // an optional field: not tested when blank
  Predicate condition = nullptr;        // tested only when this holds
  Predicate exemption = nullptr;        // not tested when this holds
  Predicate blank_exemption = nullptr;  // a blank field passes when this holds
  Predicate code_exemption = nullptr;   // the code-table test is lifted when this holds

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
  constexpr Rule when(Predicate p) const { return with<&Rule::condition>(p); }
  constexpr Rule unless(Predicate p) const { return with<&Rule::exemption>(p); }
  constexpr Rule blank_allowed_when(Predicate p) const { return with<&Rule::blank_exemption>(p); }
  constexpr Rule any_code_when(Predicate p) const { return with<&Rule::code_exemption>(p); }
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
constexpr Rule custom(CustomTest test) { return Rule{}.with<&Rule::custom>(test); }

// The updates: standpoint in cc 11-14; the other station(s) where told.
constexpr Rule update(Update kind, int forepoint = 0) {
  return rule(0, 0, Test::kUpdate, 0).with<&Rule::update>(kind).with<&Rule::other>(forepoint);
}
constexpr Rule direction_update() { return update(Update::kDirection); }
constexpr Rule angle_update() { return update(Update::kAngle); }
constexpr Rule distance_update(int forepoint) { return update(Update::kDistance, forepoint); }
constexpr Rule occupation_update() { return update(Update::kOccupation); }

// ---- Conditions of the rows ------------------------------------------------------

bool idb_in_30(const Checker&, const Record& rec);  // cc 30-32 hold "IDB"
bool idb_in_20(const Checker&, const Record& rec);  // cc 20-22
bool idb_in_25(const Checker&, const Record& rec);  // cc 25-27
bool a_in_20_or_idb_in_30(const Checker&, const Record& rec);
bool cbl_deck(const Checker& ck, const Record&);  // header cc 15-18 "CBL "
bool s_in_73(const Checker&, const Record& rec);
bool g_in_73(const Checker&, const Record& rec);
bool g_in_74(const Checker&, const Record& rec);
bool antenna_records_counted(const Checker& ck, const Record&);  // a *71* or *72*

// Tests the record against its rows, in order.
void apply_rules(Checker& ck, const Record& rec, std::span<const Rule> rules);

}  // namespace corvelin
