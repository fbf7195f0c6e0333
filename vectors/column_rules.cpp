#include "vectors/column_rules.hpp"

#include "common/card.hpp"
#include "common/numeric.hpp"

namespace tamrel {

bool rule_passes(std::string_view record, const ColumnRule& rule) {
  using Test = ColumnRule::Test;
  switch (rule.test) {
    case Test::number: return number_ok(record, rule.first, rule.last, rule.chars);
    case Test::filled: return !blank_field(record, rule.first, rule.last);
    case Test::left_justified:
      return blank_field(record, rule.first, rule.last) || orv::col(record, rule.first) != ' ';
    case Test::one_of: return orv::is_listed_code(orv::cols(record, rule.first, rule.last), rule.codes);
    case Test::agency:
    case Test::known_station: break;
  }
  return false;
}

bool rule_passes(Run& run, std::string_view record, const ColumnRule& rule) {
  const auto field = orv::cols(record, rule.first, rule.last);
  switch (rule.test) {
    case ColumnRule::Test::agency: return agency_found(run, field);
    case ColumnRule::Test::known_station:
      return run.tables.station_found(orv::ssn_key(field), StationScope::positions_and_auxiliaries);
    default: return rule_passes(record, rule);
  }
}

void check_columns(Run& run, std::string_view record, const RuleSet& set) {
  for (const ColumnRule& rule : set.rules) {
    if (rule_passes(run, record, rule)) continue;
    if (set.finding == Finding::fatal) fatal(run, rule.message, record);
    if (rule.second_line.empty()) {
      run.reports.message(rule.message, record);
    } else {
      run.reports.message({rule.message, rule.second_line}, record);
    }
    if (set.finding == Finding::first) return;
  }
}

void check_columns(Run& run, std::string_view record, std::span<const ColumnRule> rules) {
  check_columns(run, record, RuleSet{0, {}, rules});
}

bool number_ok(std::string_view record, int first, int last, Chars chars) {
  return orv::is_number(orv::cols_on_card(record, first, last), {chars});
}

int integer_field(std::string_view record, int first, int last) {
  return static_cast<int>(orv::read_number(orv::cols(record, first, last), {Chars::digits_blanks}).value_or(0));
}

void fatal(Run& run, std::string_view message, std::string_view record) {
  run.reports.message(message, record);
  execution_terminated(run);
}

void table_full(Run& run, const std::string& line) {
  run.reports.notice(line);
  execution_terminated(run);
}

}  // namespace tamrel
