// Correlations (D records) and covariances (E records) between the vector
// components of a group: the k-th vector of the group has the matrix indexes
// 3k-2 (X), 3k-1 (Y) and 3k (Z), and a complete set gives every element above
// the diagonal once.  The set is listed when its last value arrives.

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

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

// One listing record at `at`: the listing code, the file numbers and
// component letters of its two indexes, its value and the group code.  The
// parts the records of a listing share are made once, each padded to a
// fixed size so that it is copied as one block of that size (a set can hold
// 11,175 values); the codes are 3 characters and the value at most
// kListedDigitsRoom, so a record fits kListingRoom.
constexpr std::size_t kListingRoom = 128;
constexpr std::size_t kPartRoom = 8;

struct ListingPart {
  char text[kPartRoom];
  std::size_t size;
};

ListingPart listing_part(std::string_view text) {
  ListingPart part{};
  part.size = std::min(text.size(), kPartRoom);
  std::memcpy(part.text, text.data(), part.size);
  return part;
}

char* put(char* at, const ListingPart& part) {
  std::memcpy(at, part.text, kPartRoom);
  return at + part.size;
}

char* put(char* at, const std::string& text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

struct ListingParts {
  ListingPart head;  // the listing code and a blank
  ListingPart tail;  // a blank, the group code and the line feed
};

char* put_listing_record(char* at, const ListingParts& parts, const MatrixLayout& layout, const ListingPart& row,
                         const ListingPart& column, const StoredValue& v) {
  at = put(at, parts.head);
  std::memcpy(at, row.text, 4);
  at[4] = ' ';
  std::memcpy(at + 5, column.text, 4);
  at += 9;
  *at++ = ' ';
  *at++ = row.text[5];
  *at++ = ' ';
  *at++ = column.text[5];
  *at++ = ' ';
  if (v.scale == layout.implied_decimals) {
    at = put_listed_digits(at, v.digits, layout.value_width, layout.implied_decimals);
  } else {  // a group of D and E records: the value is rescaled
    double value = static_cast<double>(v.digits);
    for (int i = 0; i < v.scale; ++i) value /= 10.0;
    at = put(at, listed_decimal(value, layout.value_width, layout.implied_decimals));
  }
  return put(at, parts.tail);
}

// The records go to the report a block at a time.
void write_listing(GfilePass& pass, const MatrixLayout& layout) {
  const int components = pass.set.components;
  std::vector<ListingPart> texts(static_cast<std::size_t>(components) + 1);
  for (int i = 0; i <= components; ++i) texts[static_cast<std::size_t>(i)] = listing_part(component_text(pass, i));
  auto text_of = [&](int index) -> const ListingPart& {
    return texts[static_cast<std::size_t>(index >= 1 && index <= components ? index : 0)];
  };
  const ListingParts parts{listing_part(pass.group.listing_code + " "), listing_part(" " + pass.group.code + "\n")};
  constexpr std::size_t kBlock = 64 * 1024;
  const auto block = std::make_unique_for_overwrite<char[]>(kBlock + kListingRoom);
  char* at = block.get();
  for (const StoredValue& v : pass.set.store) {
    at = put_listing_record(at, parts, layout, text_of(v.low), text_of(v.high), v);
    if (at >= block.get() + kBlock) {
      pass.run.reports.long_only_lines({block.get(), static_cast<std::size_t>(at - block.get())});
      at = block.get();
    }
  }
  pass.run.reports.long_only_lines({block.get(), static_cast<std::size_t>(at - block.get())});
}

// A field at its fixed columns, of a record at least kGRecordWidth wide:
// its width is a constant, which the reader is compiled for.
template <Columns kColumns>
std::string_view fixed_field(std::string_view rec) {
  static_assert(kColumns.first >= 1 && kColumns.last <= kGRecordWidth);
  return {rec.data() + kColumns.first - 1, static_cast<std::size_t>(kColumns.last - kColumns.first + 1)};
}

// One entry of the record; true when it completes the set, which is then
// listed and ends the record.
template <const MatrixLayout& kLayout, std::size_t kEntry>
bool entry_step(GfilePass& pass, std::string_view rec) {
  static constexpr MatrixEntry e = kLayout.entries[kEntry];
  const std::string_view value_field = fixed_field<e.value>(rec);
  if (orv::is_blank(value_field)) return false;
  // Read as its digits; the record's implied decimals go with it.
  const auto value = orv::read_decimal_digits(value_field, {Chars::signed_implied, Blanks::zeros, 0});
  if (!value) fatal(pass.run, entry_message(kLayout, kLayout.value_name, e.value), rec);
  const auto row = orv::read_decimal_digits(fixed_field<e.row>(rec), {Chars::digits_blanks, Blanks::zeros, 0});
  if (!row) fatal(pass.run, entry_message(kLayout, "ROW NUMBER", e.row), rec);
  const auto column = orv::read_decimal_digits(fixed_field<e.column>(rec), {Chars::digits_blanks, Blanks::zeros, 0});
  if (!column) fatal(pass.run, entry_message(kLayout, "COL NUMBER", e.column), rec);

  CorrelationSet& set = pass.set;
  set.read += 1;
  // A group may send more values than it needs; the store keeps what a
  // complete set can hold and the rest only count.
  if (static_cast<int>(set.store.size()) < kCapacities.correlations) {
    if (set.store.capacity() == 0) set.store.reserve(kCapacities.correlations);  // once, not grown by copies
    const auto r = static_cast<short>(row->digits);
    const auto c = static_cast<short>(column->digits);
    const auto scale = static_cast<short>(kLayout.implied_decimals);
    set.store.push_back({std::min(r, c), std::max(r, c), scale, value->digits});
  }
  if (set.read != set.required) return false;
  write_listing(pass, kLayout);
  set.written = true;
  return true;
}

template <const MatrixLayout& kLayout, std::size_t... kEntries>
void entry_steps(GfilePass& pass, std::string_view rec, std::index_sequence<kEntries...>) {
  (entry_step<kLayout, kEntries>(pass, rec) || ...);
}

}  // namespace

template <const MatrixLayout& kLayout>
void matrix_record_step(GfilePass& pass, std::string_view rec) {
  std::string padded;
  if (rec.size() < kGRecordWidth) {  // records come padded; this one is made so
    padded = orv::make_card(rec, kGRecordWidth);
    rec = padded;
  }
  CorrelationSet& set = pass.set;
  pass.group.code.assign(field(rec, kGroupCode));
  pass.group.listing_code.assign(kLayout.listing_code);
  set.records += 1;
  if (set.records == 1) {
    const int n = static_cast<int>(pass.group.vectors.size());
    set.components = 3 * n;
    set.required = 3L * n * (3L * n - 1) / 2;
  }
  entry_steps<kLayout>(pass, rec, std::make_index_sequence<kLayout.entries.size()>{});
}

template void matrix_record_step<kDRecord>(GfilePass& pass, std::string_view rec);
template void matrix_record_step<kERecord>(GfilePass& pass, std::string_view rec);

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
