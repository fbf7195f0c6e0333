#pragma once
// The record code of a card: "*NN*" in columns 7-10 of an observation
// record (cc 8-9 the record type of a description record), and the one way
// every pass dispatches on it: a table of rows, each a code or a range of
// codes and the step that takes them.

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "common/card.hpp"

namespace orv {

// The two characters of columns 8-9 as written.
inline std::string_view record_type(std::string_view card) { return cols(card, 8, 9); }

// Columns 8-9 as a number, 0-99; none when they are not two digits (a
// header or trailer record, or any other text).
inline std::optional<int> record_code(std::string_view card) {
  const char tens = col(card, 8);
  const char units = col(card, 9);
  if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
  return (tens - '0') * 10 + (units - '0');
}

// One row of a table by record code: the codes first..last and what they
// take, a pass's step or a message number.
template <class Value>
struct ByCode {
  int first;
  int last;
  Value value;
  constexpr ByCode(int code, Value v) : first(code), last(code), value(v) {}
  constexpr ByCode(int first_code, int last_code, Value v) : first(first_code), last(last_code), value(v) {}
};

// The first row of a table (an array or a span of rows) that takes the
// code; null when none does.
template <class Table>
auto row_for(const Table& table, std::optional<int> code) -> decltype(&*std::begin(table)) {
  if (!code) return nullptr;
  for (const auto& row : table) {
    if (*code >= row.first && *code <= row.last) return &row;
  }
  return nullptr;
}

// The step of that row, for tables of functions; null when no row takes the code.
template <class Table>
auto step_for(const Table& table, std::optional<int> code) -> decltype(std::begin(table)->value) {
  const auto* row = row_for(table, code);
  return row != nullptr ? row->value : nullptr;
}

// The same for the code of a card.
template <class Table>
auto row_for(const Table& table, std::string_view card) -> decltype(&*std::begin(table)) {
  return row_for(table, record_code(card));
}
template <class Table>
auto step_for(const Table& table, std::string_view card) -> decltype(std::begin(table)->value) {
  return step_for(table, record_code(card));
}

// The record letter of a G-file line, column 1, as a key of the same tables
// (a row {'B', step} takes the B records); none for an empty line.
inline std::optional<int> record_letter(std::string_view line) {
  if (line.empty()) return std::nullopt;
  return static_cast<unsigned char>(line.front());
}

}  // namespace orv
