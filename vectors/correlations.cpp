// Correlations (D records) and covariances (E records) between the vector
// components of a group: the k-th vector of the group has the matrix indexes
// 3k-2 (X), 3k-1 (Y) and 3k (Z), and a complete set gives every element above
// the diagonal once.  The set is listed when its last value arrives.

#include <algorithm>

#include "common/report_lines.hpp"
#include "vectors/gfile_records.hpp"

namespace tamrel {

using orv::format;

namespace {

std::string entry_message(const MatrixLayout& layout, std::string_view what, Columns c) {
  return format("%c RECORD %.*s CC %d-%d NON-INTEGER, EXECUTION TERMINATED", layout.letter,
                static_cast<int>(what.size()), what.data(), c.first, c.last);
}

// The group's file number of a matrix index and the component letter; an
// index outside the group's matrix names no vector.
struct Component {
  int file_number = 0;
  char letter = ' ';
};

Component component(const GfilePass& pass, int index) {
  if (index < 1 || index > pass.set.components) return {};
  const int k = (index + 2) / 3;
  return {pass.group.vectors[static_cast<std::size_t>(k - 1)], "XYZ"[(index - 1) % 3]};
}

void write_listing(GfilePass& pass, const MatrixLayout& layout) {
  for (const StoredValue& v : pass.set.store) {
    const Component row = component(pass, v.low);
    const Component column = component(pass, v.high);
    pass.run.reports.long_only(format("%s %4d %4d %c %c %s %s", pass.group.listing_code.c_str(), row.file_number,
                                      column.file_number, row.letter, column.letter,
                                      listed_decimal(v.value, layout.value_width, layout.implied_decimals).c_str(),
                                      pass.group.code.c_str()));
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
    const auto value = checked_value(rec, e.value, Mode::signed_implied, layout.implied_decimals, Blanks::zeros);
    if (!value) fatal(pass.run, entry_message(layout, layout.value_name, e.value), rec);
    const auto row = checked_value(rec, e.row, Mode::digits_blanks, 0, Blanks::zeros);
    if (!row) fatal(pass.run, entry_message(layout, "ROW NUMBER", e.row), rec);
    const auto column = checked_value(rec, e.column, Mode::digits_blanks, 0, Blanks::zeros);
    if (!column) fatal(pass.run, entry_message(layout, "COL NUMBER", e.column), rec);

    set.read += 1;
    // A group may send more values than it needs; the store keeps what a
    // complete set can hold and the rest only count.
    if (static_cast<int>(set.store.size()) < CorrelationSet::kCapacity) {
      const auto r = static_cast<short>(*row);
      const auto c = static_cast<short>(*column);
      set.store.push_back({std::min(r, c), std::max(r, c), *value});
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
  pass.run.reports.notice(format("CORRELATIONS/COVARIANCES READ - %4ld CORRELATIONS/COVARIANCES REQUIRED - %4ld",
                                 set.read, set.required));
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
