#pragma once
// The closing lists of the stations a description file leaves out.  The
// comparer and the editor list the same stations in the same shape; they
// differ in the texts, in the blank lines around them and in where the lines
// go.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/observation_tables.hpp"

namespace halvic {

using LineSink = std::function<void(std::string_view)>;

struct ClosingListTexts {
  std::vector<std::string_view> heading;  // when at least one station is listed
  bool blank_under_heading;               // between it and the column heading
  int blanks_before_none;                 // when none is listed: blank lines, then
  std::vector<std::string_view> none;     // these, then one blank line
};

// One list line: a blank, the key, 5 blanks, the 30-character name.
std::string list_line(const Key& key, const std::string& name);

// The lines of the entries that `listed` picks, in table order.
template <class Entry, class Listed>
std::vector<std::string> list_lines(const std::vector<Entry>& table, Listed listed) {
  std::vector<std::string> lines;
  for (const Entry& e : table) {
    if (listed(e)) lines.push_back(list_line(e.key, e.name));
  }
  return lines;
}

void closing_list(const LineSink& out, const std::vector<std::string>& lines, const ClosingListTexts& texts);

}  // namespace halvic
