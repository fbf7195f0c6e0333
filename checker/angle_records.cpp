// *30* angle records and their *32* continuations: standpoint in cc 11-14,
// the two observed stations in cc 51-54 and 72-75.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr Rule kAngle[] = {
    station(11, 400),
    station(51, 402),
    station(72, 404),
    digits(11, 14, 15),
    digits(15, 16, 17),
    expected_count(23, 24, 67),
    each_of(25, 29, kFlags, 606),
    blank_or_capitals(30, 32, 611),
    instrument(33, 35, 20, 317),
    numeric(36, 39, 2, 45).optional(),
    date(40, 45, 21),
    time(46, 50, 51).optional(),
    digits(51, 54, 69),
    numeric(55, 58, 2, 86).optional(),
    one_of(59, kVrzn, 90),
    digits(60, 61, 71),
    digits(62, 63, 50).optional(),
    angle(64, 71, 72),
    digits(72, 75, 80),
    numeric(76, 79, 2, 89).optional(),
    one_of(80, kVrzn, 91),
    differ(11, 14, 51, 324),
    differ(11, 14, 72, 325),
    differ(51, 54, 72, 326),
    angle_update(),
};

// The continuation's angle has no blank tests (its messages start at 74).
constexpr AngleRules kContinuationAngle = {359, 0, false};

constexpr Rule kAngleContinuation[] = {
    group_station(93),
    station(11, 400),
    station(51, 402),
    station(72, 404),
    digits(11, 14, 15),
    parent_columns(15, 16, 17, 68),
    blank(17, 50, 614),
    digits(51, 54, 69),
    differ(11, 14, 51, 324),
    numeric(55, 58, 2, 86).optional(),
    one_of(59, kVrzn, 90),
    digits(60, 61, 71),
    digits(62, 63, 50).optional(),
    angle(64, 71, 72, kContinuationAngle),
    digits(72, 75, 80),
    differ(11, 14, 72, 325),
    differ(51, 54, 72, 326),
    angle_update(),
    numeric(76, 79, 2, 89).optional(),
    one_of(80, kVrzn, 91),
};

constexpr RecordRules kAngleTables[] = {
    {30, {"angle", kAngle}},
    {32, {"angle continuation", kAngleContinuation}},
};

}  // namespace

const std::span<const RecordRules> kAngleRecordRules{kAngleTables};

}  // namespace corvelin
