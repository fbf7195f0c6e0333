#pragma once
// tamrel's column rules as rows of the guide, for its observation-file and
// G-file sections alike.

#include <string>
#include <string_view>
#include <vector>

#include "tools/format_guide/guide.hpp"
#include "vectors/column_rules.hpp"

namespace guide {

// A message of one or two lines in code quotes.
std::string message(std::string_view first, std::string_view second = {});
// What a number field may hold, with its implied decimals.
std::string number_words(orv::Chars chars, int implied);
// The rows of a set, each with when the set applies and what a fault does.
void rule_rows(std::vector<Row>& rows, const tamrel::RuleSet& set);
void rule_rows(std::vector<Row>& rows, std::span<const tamrel::ColumnRule> rules, const std::string& when);

// tamrel's checks of the observation file, in the order it makes them.
void tamrel_observation_checks(std::ostream& out);

}  // namespace guide
