// tamrel's column rules as rows: its checks of the observation file, and
// the helpers its G-file section shares.

#include <map>
#include <ostream>

#include "common/report_lines.hpp"
#include "tools/format_guide/tamrel_rows.hpp"

namespace guide {

using tamrel::ColumnRule;

std::string message(std::string_view first, std::string_view second) {
  if (second.empty()) return orv::joined({"`", first, "`"});
  return orv::joined({"`", first, "`<br>`", second, "`"});
}

std::string number_words(orv::Chars chars, int implied) {
  std::string words;
  switch (chars) {
    case orv::Chars::digits: words = "digits"; break;
    case orv::Chars::digits_blanks: words = "digits and blanks"; break;
    case orv::Chars::unsigned_decimal: words = "a number with or without a point"; break;
    case orv::Chars::signed_implied: words = "a signed number without a point"; break;
    case orv::Chars::signed_decimal: words = "a signed number with or without a point"; break;
  }
  if (implied != 0) words += ", " + std::to_string(implied) + " implied decimal" + (implied == 1 ? "" : "s");
  return words;
}

namespace {

std::string accepted(const ColumnRule& r) {
  switch (r.test) {
    case ColumnRule::Test::number: return number_words(r.chars, 0);
    case ColumnRule::Test::one_of: return code_list(r.codes, r.last - r.first + 1);
    case ColumnRule::Test::filled: return "not blank";
    case ColumnRule::Test::left_justified: return "blank, or starting in its first column";
    case ColumnRule::Test::agency: return "an agency code of contrib.dat";
    case ColumnRule::Test::known_station: return "an SSN of the `*80*` or `*82*` records";
  }
  return {};
}

std::string finding_words(tamrel::Finding finding) {
  switch (finding) {
    case tamrel::Finding::each: return "";
    case tamrel::Finding::first: return "; only the first fault of these rows is reported";
    case tamrel::Finding::fatal: return "; a fault ends the run";
  }
  return {};
}

std::string code_of(int code) {
  if (code < 0) return "The data set";
  return orv::joined({"`*", code < 10 ? "0" : "", std::to_string(code), "*`"});
}

// The derived-year lines with their numbers left open.
std::string derived_year_message() {
  std::string lines[2] = {tamrel::kDerivedYearLines[0], tamrel::kDerivedYearLines[1]};
  for (std::string& line : lines) {
    for (auto at = line.find("%4d"); at != std::string::npos; at = line.find("%4d")) line.replace(at, 3, "YYYY");
  }
  return message(lines[0], lines[1]);
}

void time_rows(std::vector<Row>& rows, const tamrel::TimeColumns& t) {
  rows.push_back({columns(t.time_first, t.time_first + 3), number_words(t.time_chars, 0), message(t.time_message)});
  rows.push_back({columns(t.time_first + 4, t.time_first + 4),
                  code_list(t.zone_letters, 1) + (t.zone_only_after_time ? "; tested only when a time is given and passes"
                                                                          : "; tested only when the time passes"),
                  message(t.zone_message)});
  if (t.date_first == 0) return;
  rows.push_back({columns(t.date_first, t.date_first + 5), number_words(orv::Chars::digits, 0), message(t.date_message)});
  rows.push_back({columns(t.date_first, t.date_first + 1),
                  "the year, its century nearer the `*12*` record's first or last year, within those years",
                  derived_year_message()});
}

void instrument_rows(std::vector<Row>& rows, const tamrel::InstrumentColumns& c) {
  rows.push_back({columns(c.first, c.first + 2), number_words(orv::Chars::digits_blanks, 0), message(c.non_integer)});
  rows.push_back({columns(c.first, c.first + 2),
                  "an instrument number of a `*70*` record; with `IDB` in cc " + columns(c.idb_first, c.idb_first + 2) +
                      " one notice instead",
                  message(c.not_found)});
  if (c.distance) {
    rows.push_back({columns(c.first, c.first + 2), "a distance meter: its `*70*` equipment code 400-899",
                    message(trimmed(tamrel::kNotDistanceMeter.substr(1)))});
  }
}

void pass2_rows(std::vector<Row>& rows, const tamrel::Pass2Check& check) {
  if (!check.rules.empty()) rule_rows(rows, check.rules, "");
  if (check.time != nullptr) time_rows(rows, *check.time);
  if (check.instrument != nullptr) instrument_rows(rows, *check.instrument);
  for (const tamrel::RuleSet* set : check.custom_sets) rule_rows(rows, *set);
}

}  // namespace

void rule_rows(std::vector<Row>& rows, std::span<const ColumnRule> rules, const std::string& when) {
  for (const ColumnRule& r : rules) {
    rows.push_back({columns(r.first, r.last), accepted(r) + when, message(r.message, r.second_line)});
  }
}

void rule_rows(std::vector<Row>& rows, const tamrel::RuleSet& set) {
  std::string when = finding_words(set.finding);
  if (!set.applies.empty()) when += "; tested only when " + std::string(set.applies);
  rule_rows(rows, set.rules, when);
}

void tamrel_observation_checks(std::ostream& out) {
  std::map<int, std::vector<Row>> by_code;
  for (const tamrel::RuleSet* set : tamrel::pass1_rule_sets()) rule_rows(by_code[set->record], *set);
  for (const tamrel::Pass2Record& record : tamrel::pass2_checks()) {
    for (const tamrel::Pass2Check& check : record.value) pass2_rows(by_code[record.first], check);
  }
  out << "### As `tamrel` checks it\n\n"
      << "`tamrel` reads the observation file (its B-file) in two passes and makes checks of its own; the "
         "\"3-digit\" and \"4-digit\" versions are the user's answer to its question on the SSN version. "
         "Its messages are texts, not numbers.\n\n";
  for (const auto& [code, rows] : by_code) {
    out << "#### " << code_of(code) << " record\n\n";
    table(out, rows, "Message");
  }
}

}  // namespace guide
