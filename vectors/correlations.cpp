// Correlations (D records) and covariances (E records) between the vector
// components of a group: the k-th vector of the group has the matrix indexes
// 3k-2 (X), 3k-1 (Y) and 3k (Z), and a complete set gives every element above
// the diagonal once.  The set is listed when its last value arrives.

#include <algorithm>
#include <cmath>

#include "common/report_lines.hpp"
#include "vectors/gfile_records.hpp"

namespace tamrel {

using orv::format;

namespace {

std::string entry_message(const MatrixLayout& layout, std::string_view what, Columns c) {
  return field_non_integer_text(layout.letter, what, c);
}

// How a matrix index is listed: the file number of its vector in columns
// 1-4 and its component letter in column 6.  An index outside the group's
// matrix names no vector: file number 0 and a blank letter.
std::string component_text(const GfilePass& pass, int index) {
  if (index < 1 || index > pass.set.components) return "   0  ";
  const int k = (index + 2) / 3;
  return format("%4d %c", pass.group.vectors[static_cast<std::size_t>(k - 1)], "XYZ"[(index - 1) % 3]);
}

// A complete set can hold 11,175 values, so each listing record is put
// together from the texts of its two indexes and the digits of its value.
void write_listing(GfilePass& pass, const MatrixLayout& layout) {
  const int components = pass.set.components;
  std::vector<std::string> texts(static_cast<std::size_t>(components) + 1);
  for (int i = 0; i <= components; ++i) texts[static_cast<std::size_t>(i)] = component_text(pass, i);
  auto text_of = [&](int index) -> std::string_view {
    return texts[static_cast<std::size_t>(index >= 1 && index <= components ? index : 0)];
  };
  std::string line = pass.group.listing_code + " ";
  const std::size_t head = line.size();
  for (const StoredValue& v : pass.set.store) {
    const std::string_view row = text_of(v.low);
    const std::string_view column = text_of(v.high);
    line.resize(head);
    line.append(row.substr(0, 4)).append(" ").append(column.substr(0, 4));
    line += {' ', row[5], ' ', column[5], ' '};
    append_listed_decimal(line, v.digits, v.scale, layout.value_width, layout.implied_decimals);
    line.append(" ").append(pass.group.code);
    pass.run.reports.long_only(line);
  }
}

}  // namespace

void matrix_record_step(GfilePass& pass, std::string_view rec, const MatrixLayout& layout) {
  CorrelationSet& set = pass.set;
  pass.group.code = std::string(field(rec, kGroupCode));
  pass.group.listing_code = std::string(layout.listing_code);
  set.records += 1;
  if (set.records == 1) {
    const int n = static_cast<int>(pass.group.vectors.size());
    set.components = 3 * n;
    set.required = 3L * n * (3L * n - 1) / 2;
  }

  for (const MatrixEntry& e : layout.entries) {
    if (blank_field(rec, e.value)) continue;
    // Read as its digits; the record's implied decimals go with it.
    const auto value = checked_value(rec, e.value, Chars::signed_implied, 0, Blanks::zeros);
    if (!value) fatal(pass.run, entry_message(layout, layout.value_name, e.value), rec);
    const auto row = checked_value(rec, e.row, Chars::digits_blanks, 0, Blanks::zeros);
    if (!row) fatal(pass.run, entry_message(layout, "ROW NUMBER", e.row), rec);
    const auto column = checked_value(rec, e.column, Chars::digits_blanks, 0, Blanks::zeros);
    if (!column) fatal(pass.run, entry_message(layout, "COL NUMBER", e.column), rec);

    set.read += 1;
    // A group may send more values than it needs; the store keeps what a
    // complete set can hold and the rest only count.
    if (static_cast<int>(set.store.size()) < kCapacities.correlations) {
      const auto r = static_cast<short>(*row);
      const auto c = static_cast<short>(*column);
      const auto scale = static_cast<short>(layout.implied_decimals);
      set.store.push_back({std::min(r, c), std::max(r, c), scale, std::llround(*value)});
    }
    if (set.read == set.required) {
      write_listing(pass, layout);
      set.written = true;
      return;
    }
  }
}

void group_completeness_check(GfilePass& pass) {
  const CorrelationSet& set = pass.set;
  if (set.written) return;
  pass.run.reports.both(format("72I/76I RECORDS FOR GROUP %4d NOT WRITTEN TO OUTPUT.", pass.group.number));
  pass.run.reports.notice(
      format("CORRELATIONS/COVARIANCES READ - %4ld CORRELATIONS/COVARIANCES REQUIRED - %4ld", set.read, set.required));
}

void group_reset(CorrelationSet& set) {
  set.records = 0;
  set.components = 0;
  set.read = 0;
  set.required = 0;
  set.written = false;
  set.store.clear();
}

}  // namespace tamrel
