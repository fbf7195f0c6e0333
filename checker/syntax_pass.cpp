#include "checker/record_checks.hpp"
#include "checker/rule_tables.hpp"
#include "checker/tallies.hpp"
#include "common/record_code.hpp"

namespace corvelin {

namespace {

// How a record takes part in the groups of the syntax pass.
enum class Group {
  kNone,
  kParent,  // closes the last group and opens its own
  kMember,  // one more record of the current group
};

struct ObservationType {
  const std::span<const RecordRules>* rules;  // the tables of its kind, by code
  Group group;
  bool starts_set;     // a new standpoint starts a new observation set
  bool names_station;  // its cc 11-14 become the station of the current group
};

constexpr orv::ByCode<ObservationType> kObservationTypes[] = {
    //   rule tables           group          starts a set  names the station
    {20, {&kDirectionRecordRules, Group::kParent, true, true}},
    {22, {&kDirectionRecordRules, Group::kMember, false, false}},
    {25, {&kOccupationRecordRules, Group::kParent, false, true}},
    {27, {&kOccupationRecordRules, Group::kMember, false, false}},
    {28, {&kOccupationRecordRules, Group::kNone, false, false}},
    {30, {&kAngleRecordRules, Group::kParent, true, true}},
    {32, {&kAngleRecordRules, Group::kMember, false, false}},
    {40, {&kVerticalRecordRules, Group::kParent, true, true}},
    {42, {&kVerticalRecordRules, Group::kMember, false, false}},
    {45, {&kVerticalRecordRules, Group::kParent, true, true}},
    {47, {&kVerticalRecordRules, Group::kMember, false, false}},
    {50, {&kDistanceRecordRules, Group::kNone, true, false}},
    {51, {&kDistanceRecordRules, Group::kNone, true, true}},
    // Every record that adds forepoints opens a set at a new standpoint: kept
    // in the set of another standpoint, a long run of these distances would
    // fill it and end the run on a sound deck, and tie stations too rarely.
    {52, {&kDistanceRecordRules, Group::kNone, true, false}},
    {53, {&kDistanceRecordRules, Group::kNone, true, false}},
    {54, {&kDistanceRecordRules, Group::kNone, true, false}},
    {60, {&kSixtyRecordRules, Group::kNone, true, false}},
    {61, {&kSixtyRecordRules, Group::kNone, true, false}},
};


// The group that a new parent closes gets its error when its count is not
// the one announced; a *25* only when it has a single *27*, a *45* never.
constexpr orv::ByCode<int> kGroupCountMessages[] = {{20, 19}, {25, 407}, {30, 68}, {40, 97}};

void close_group(Checker& ck) {
  const ObservationGroup& g = ck.syntax.group;
  if (g.count == g.expected || (g.parent_code == 25 && g.count >= 2)) return;
  if (const auto* row = orv::row_for(kGroupCountMessages, g.parent_code)) raise(ck, row->value, g.parent);
}

// The parent's own tests set the expected count from its cc 23-24.
void open_group(Checker& ck, const Record& rec) {
  ObservationGroup& g = ck.syntax.group;
  g.parent = rec;
  g.parent_code = orv::record_code(rec).value_or(0);
  const bool counts_itself = g.parent_code == 20 || g.parent_code == 30 || g.parent_code == 40;
  g.count = counts_itself ? 1 : 0;
  g.expected = 0;
}

// An observation record: its group and set bookkeeping, then its rules.
void observation_step(Checker& ck, const Record& rec, int code) {
  const auto* row = orv::row_for(kObservationTypes, code);
  if (row == nullptr) return;
  const ObservationType& type = row->value;
  if (type.group == Group::kParent) {
    close_group(ck);
    open_group(ck, rec);
  } else if (type.group == Group::kMember) {
    ++ck.syntax.group.count;
  }
  if (type.names_station) ck.syntax.group.station = std::string(cols(rec, 11, 14));
  if (type.starts_set) start_observation_set(ck, cols(rec, 11, 14));
  apply_record_rules(ck, rec, *type.rules, code);
}

using Step = void (*)(Checker&, const Record&, int code);
constexpr orv::ByCode<Step> kSyntaxSteps[] = {
    {20, 61, observation_step},
    {83, 86, check_position_annex},
    {90, 99, [](Checker& ck, const Record& rec, int code) { apply_record_rules(ck, rec, kStationListRules, code); }},
};

}  // namespace

void start_syntax_pass(Checker& ck) { ck.syntax.group = ObservationGroup{}; }

void syntax_step(Checker& ck, const Record& rec) {
  const std::optional<int> code = orv::record_code(rec);
  if (const Step step = orv::step_for(kSyntaxSteps, code)) step(ck, rec, *code);
}

}  // namespace corvelin
