// *20* direction records and their *22* continuations.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kSightings = "VRZN AB";

// The tally update follows the two station entries, before the other tests.
constexpr Rule kDirection[] = {
    station(11, 400),
    station(51, 401),
    direction_update(),
    digits(11, 14, 15),
    digits(15, 16, 17),
    expected_count(23, 24, 18),
    each_of(25, 29, kFlags, 606),
    blank_or_capitals(30, 32, 611),
    instrument(33, 35, 20, 317).any_code_when(idb_in_30),
    numeric(36, 39, 2, 45).optional(),
    date(40, 45, 21),
    time(46, 50, 51).optional(),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    numeric(55, 58, 2, 48).optional(),
    one_of(59, kSightings, 31).unless(idb_in_30),
    digits(60, 61, 32).unless(idb_in_30),
    digits(62, 63, 50).optional(),
    angle(64, 72, 33),
    numeric(73, 76, 2, 612).optional(),
    numeric(77, 80, 2, 613).optional(),
};

constexpr Rule kDirectionContinuation[] = {
    set_standpoint(54),
    station(11, 400),
    station(51, 401),
    direction_update(),
    digits(11, 14, 55),
    parent_columns(15, 16, 17, 56),
    blank(17, 45, 614).unless(idb_in_30),
    time(46, 50, 51).optional(),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    numeric(55, 58, 2, 48).optional(),
    one_of(59, kSightings, 31).unless(idb_in_30),
    digits(60, 61, 32).unless(idb_in_30),
    digits(62, 63, 50).optional(),
    angle(64, 72, 57),
    numeric(73, 76, 2, 612).optional(),
    numeric(77, 80, 2, 613).optional(),
};

constexpr RecordRules kDirectionTables[] = {
    {20, {"direction", kDirection}},
    {22, {"direction continuation", kDirectionContinuation}},
};

}  // namespace

const std::span<const RecordRules> kDirectionRecordRules{kDirectionTables};

}  // namespace corvelin
