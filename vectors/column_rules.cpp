#include "vectors/column_rules.hpp"

#include "common/card.hpp"
#include "common/numeric.hpp"

namespace tamrel {

bool rule_passes(std::string_view record, const ColumnRule& rule) {
  switch (rule.test) {
    case ColumnRule::Test::number: return number_ok(record, rule.first, rule.last, rule.chars);
    case ColumnRule::Test::filled: return !blank_field(record, rule.first, rule.last);
    case ColumnRule::Test::one_of: break;
  }
  const auto field = orv::cols(record, rule.first, rule.last);
  for (std::size_t at = 0; at + field.size() <= rule.codes.size(); at += field.size()) {
    if (rule.codes.substr(at, field.size()) == field) return true;
  }
  return false;
}

void check_columns(Run& run, std::string_view record, std::span<const ColumnRule> rules) {
  for (const ColumnRule& rule : rules) {
    if (!rule_passes(record, rule)) run.reports.message(rule.message, record);
  }
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
