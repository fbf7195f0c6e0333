// *90*-*99* records: the stations of the deck, one a record.

#include "checker/observation_records.hpp"
#include "checker/observation_rules.hpp"

namespace corvelin {

namespace {

bool filled_75_to_80(const Checker&, const Record& rec) { return !is_blank(cols(rec, 75, 80)); }

constexpr Rule kStationList[] = {
    listed_station(296, 222, 364),
    one_of(75, kCapitals, 647).when(filled_75_to_80),
    digits(76, 80, 648).when(filled_75_to_80),
};

}  // namespace

void station_list_record(Checker& ck, const Record& rec) { apply_rules(ck, rec, kStationList); }

}  // namespace corvelin
