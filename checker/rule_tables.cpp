#include "checker/rule_tables.hpp"

#include <algorithm>

namespace corvelin {

void apply_record_rules(Checker& ck, const Record& rec, std::span<const RecordRules> tables, int code) {
  const RecordRules* row = orv::row_for(tables, code);
  if (row == nullptr) return;
  if (row->value.applies != nullptr && !row->value.applies->holds(ck, rec)) return;
  apply_rules(ck, rec, row->value.rules);
}

std::vector<const RecordRules*> all_record_rules() {
  std::vector<const RecordRules*> all;
  for (const auto kind : {kHeaderRecordRules, kProjectRecordRules, kDirectionRecordRules, kOccupationRecordRules,
                          kAngleRecordRules, kVerticalRecordRules, kDistanceRecordRules, kSixtyRecordRules,
                          kCodeTableRecordRules, kPositionRecordRules, kPositionAnnexRules, kStationListRules}) {
    for (const RecordRules& table : kind) all.push_back(&table);
  }
  std::stable_sort(all.begin(), all.end(), [](const RecordRules* a, const RecordRules* b) { return a->first < b->first; });
  return all;
}

}  // namespace corvelin
