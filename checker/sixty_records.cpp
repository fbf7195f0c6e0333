// The 60-series: *60* and *61*, standpoint in cc 11-14, forepoint in 51-54.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

// Only the degrees, minutes and seconds are tested (no blank tests).
constexpr AngleRules kDirectionAngle = {359, 0, false};

constexpr Rule kSixtyParent[] = {
    station(11, 400),
    station(51, 401),
    digits(11, 14, 15),
    filled_numeric(15, 18, 1, 191, 193).blank_allowed_when(a_in_20_or_idb_in_30),
    one_of(19, "EW", 194).blank_allowed_when(a_in_20_or_idb_in_30),
    one_of(20, "AL", 449),
    blank(21, 29, 630),
    blank_or_capitals(30, 32, 611),
    instrument(33, 35, 20, 317).any_code_when(idb_in_30),
    numeric(36, 39, 2, 631).optional(),
    date(40, 45, 21),
    time(46, 50, 51),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    distance_update(51),
    numeric(55, 58, 2, 632).optional(),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32).unless(idb_in_30),
    digits(62, 63, 50).optional(),
    angle(64, 71, 195, kDirectionAngle),
    one_of(72, "NS", 203),
    numeric(73, 76, 2, 612).optional(),
    numeric(77, 80, 2, 613).optional(),
};

constexpr Rule kSixtySecond[] = {
    station(11, 400),
    station(51, 401),
    digits(11, 14, 15),
    blank(15, 50, 633),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    distance_update(51),
    blank(55, 63, 634),
    angle(64, 71, 206, kDirectionAngle),
    one_of(72, "NS", 203),
    blank(73, 80, 635),
};

constexpr RecordRules kSixtyTables[] = {
    {60, {"astronomic azimuth", kSixtyParent}},
    {61, {"astronomic azimuth second", kSixtySecond}},
};

}  // namespace

const std::span<const RecordRules> kSixtyRecordRules{kSixtyTables};

}  // namespace corvelin
