#pragma once
// The checker's column-rule tables by record code: each record type's rows
// as the passes apply them, and all of them in one list for the format
// guide, which prints them as they stand.

#include <span>
#include <string_view>
#include <vector>

#include "checker/observation_rules.hpp"
#include "common/record_code.hpp"

namespace corvelin {

struct RuleTable {
  std::string_view record;               // the record type, as the format guide names it
  std::span<const Rule> rules;
  const Condition* applies = nullptr;    // the rows apply only when this holds
};
using RecordRules = orv::ByCode<RuleTable>;

// The tables of each kind of record, by record code.
extern const std::span<const RecordRules> kHeaderRecordRules;    // the header (code -1)
extern const std::span<const RecordRules> kProjectRecordRules;   // *10*-*13*
extern const std::span<const RecordRules> kDirectionRecordRules; // *20*, *22*
extern const std::span<const RecordRules> kOccupationRecordRules; // *25*, *27*, *28*
extern const std::span<const RecordRules> kAngleRecordRules;     // *30*, *32*
extern const std::span<const RecordRules> kVerticalRecordRules;  // *40*, *42*, *45*, *47*
extern const std::span<const RecordRules> kDistanceRecordRules;  // *50*-*54*
extern const std::span<const RecordRules> kSixtyRecordRules;     // *60*, *61*
extern const std::span<const RecordRules> kCodeTableRecordRules; // *70*-*72*
extern const std::span<const RecordRules> kPositionRecordRules;  // *80*-*82*
extern const std::span<const RecordRules> kPositionAnnexRules;   // *83*-*86*
extern const std::span<const RecordRules> kStationListRules;     // *90*-*99*

// Tests the record against the rows of its code in `tables`, when that
// table applies; nothing when no table takes the code.
void apply_record_rules(Checker& ck, const Record& rec, std::span<const RecordRules> tables, int code);
inline void apply_record_rules(Checker& ck, const Record& rec, std::span<const RecordRules> tables) {
  apply_record_rules(ck, rec, tables, orv::record_code(rec).value_or(-1));
}

// Every table, the header's first, then by record code.
std::vector<const RecordRules*> all_record_rules();

}  // namespace corvelin
