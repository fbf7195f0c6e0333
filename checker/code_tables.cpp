// The code-table records *70* (instruments) and *71*/*72* (antennas), in the
// structure pass after their family rule.

#include "checker/observation_rules.hpp"
#include "checker/record_checks.hpp"
#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kUnitCodes = "MTMMFTMFHSHMVSVM";

// The *70* tests its digits and its entry apart; the *71*/*72* enter only
// a code of three digits.
constexpr Rule kInstrument[] = {
    digits(11, 13, 216),
    new_code(11, 13, CodeTable::kInstruments, 0, 329),
    digits(14, 16, 217),
    filled_numeric(17, 20, 2, 218, 218),
    code_of(21, 22, kUnitCodes, 219).optional(),
};
constexpr Rule kAntenna71[] = {new_code(11, 13, CodeTable::kAntennas, 410, 475)};
constexpr Rule kAntenna72[] = {new_code(11, 13, CodeTable::kAntennas, 410, 481)};

constexpr RecordRules kCodeTables[] = {
    {70, {"instrument", kInstrument}},
    {71, {"antenna", kAntenna71}},
    {72, {"antenna", kAntenna72}},
};

}  // namespace

const std::span<const RecordRules> kCodeTableRecordRules{kCodeTables};

void enter_code_table(Checker& ck, const Record& rec, int code) {
  apply_record_rules(ck, rec, kCodeTableRecordRules, code);
}

}  // namespace corvelin
