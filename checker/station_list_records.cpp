// *90*-*99* records: the stations of the deck, one a record.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr Condition filled_75_to_80{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 75, 80)); },
                                    "cc 75-80 are not blank"};

constexpr Rule kStationList[] = {
    listed_station(296, 222, 364),
    one_of(75, kCapitals, 647).when(filled_75_to_80),
    digits(76, 80, 648).when(filled_75_to_80),
};

constexpr RecordRules kStationListTables[] = {
    {90, 99, {"station list", kStationList}},
};

}  // namespace

const std::span<const RecordRules> kStationListRules{kStationListTables};

}  // namespace corvelin
