// The G-file: tamrel's tables of its B, C, F, D, E and I records.

#include <map>
#include <ostream>

#include "common/report_lines.hpp"
#include "tools/format_guide/guide.hpp"
#include "tools/format_guide/tamrel_rows.hpp"
#include "vectors/column_rules.hpp"
#include "vectors/gfile_records.hpp"

namespace guide {

namespace {

std::vector<Row> b_record_rows() {
  std::vector<Row> rows;
  for (const tamrel::BNumber& n : tamrel::b_record_numbers()) {
    std::string accepted = number_words(n.chars, n.implied);
    if (!n.blank_message.empty()) accepted += ", not blank";
    rows.push_back({columns(n.columns.first, n.columns.last), accepted + "; a fault ends the run",
                    message(n.message, n.blank_message)});
  }
  return rows;
}

void vector_rows(std::vector<Row>& rows, const tamrel::VectorLayout& layout) {
  for (const tamrel::VectorComponent& component : tamrel::kVectorComponents) {
    const tamrel::Columns c = component.*layout.components;
    rows.push_back({columns(c.first, c.last),
                    std::string(component.name) + ": " + number_words(orv::Chars::signed_decimal, 4) +
                        "; a fault ends the run",
                    message(tamrel::field_non_integer_text(layout.letter, component.name, c))});
  }
  rows.push_back({columns(layout.origin_ssn.first, layout.origin_ssn.last), "origin: an SSN of the `*80*` records",
                  message(tamrel::kOriginNotFound)});
  rows.push_back({columns(layout.differential_ssn.first, layout.differential_ssn.last),
                  "differential station: an SSN of the `*80*` records", message(tamrel::kDifferentialNotFound)});
}

std::vector<Row> matrix_rows(const tamrel::MatrixLayout& layout) {
  std::vector<Row> rows;
  const auto row = [&](tamrel::Columns c, std::string_view name, const std::string& accepted) {
    rows.push_back({columns(c.first, c.last), std::string(name) + ": " + accepted + "; a fault ends the run",
                    message(tamrel::field_non_integer_text(layout.letter, name, c))});
  };
  for (const tamrel::MatrixEntry& e : layout.entries) {
    row(e.value, layout.value_name,
        number_words(orv::Chars::signed_implied, layout.implied_decimals) + "; blank: the entry is skipped");
    row(e.row, "ROW NUMBER", number_words(orv::Chars::digits_blanks, 0));
    row(e.column, "COL NUMBER", number_words(orv::Chars::digits_blanks, 0));
  }
  return rows;
}

void section(std::ostream& out, const Inputs& inputs, char letter, std::string_view title,
             const std::vector<Row>& rows) {
  out << "### " << letter << " record: " << title << "\n\n";
  table(out, rows, "Message");
  const std::string example = example_record(inputs, ".gps", tamrel::kGRecordWidth,
                                             [letter](std::string_view line) { return !line.empty() && line[0] == letter; });
  if (example.empty()) {
    out << "The bundled examples hold no such record.\n\n";
  } else {
    out << "Example:\n\n";
    example_block(out, example);
  }
}

}  // namespace

void gfile(std::ostream& out, const Inputs& inputs) {
  out << "## G-file\n\n"
      << "Read by `tamrel` beside its B-file. Each record is 89 columns; column 1 holds its letter. "
         "Columns 87-89 of the B, C, F, D and E records hold the group code.\n\n";
  std::map<int, std::vector<Row>> checked;
  for (const tamrel::RuleSet* set : tamrel::gfile_rule_sets()) rule_rows(checked[set->record], *set);

  std::vector<Row> b_rows = b_record_rows();
  b_rows.insert(b_rows.end(), checked['B'].begin(), checked['B'].end());
  section(out, inputs, 'B', "observing span and solution", b_rows);

  std::vector<Row> c_rows;
  vector_rows(c_rows, tamrel::kCRecord);
  c_rows.insert(c_rows.end(), checked['C'].begin(), checked['C'].end());
  section(out, inputs, 'C', "one vector", c_rows);

  std::vector<Row> f_rows;
  vector_rows(f_rows, tamrel::kFRecord);
  section(out, inputs, 'F', "one vector, longer fields", f_rows);

  section(out, inputs, 'D', "correlations", matrix_rows(tamrel::kDRecord));
  section(out, inputs, 'E', "covariances", matrix_rows(tamrel::kERecord));
  section(out, inputs, 'I', "antenna pattern", checked['I']);
}

}  // namespace guide
