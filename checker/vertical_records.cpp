// The 40-series (vertical angles and zenith distances, *40* and *42*) and the
// 45-series (height differences, *45* and *47*).

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kKindsOfAngle = "EDZ";

constexpr Rule kVerticalAngle[] = {
    station(11, 400),
    station(51, 401),
    digits(11, 14, 15),
    digits(15, 16, 17),
    expected_count(23, 24, 96),
    each_of(25, 29, kFlags, 606),
    blank_or_capitals(30, 32, 611),
    instrument(33, 35, 20, 317).any_code_when(idb_in_30),
    filled_numeric(36, 39, 2, 43, 45).blank_allowed_when(idb_in_30),
    date(40, 45, 21),
    time(46, 50, 51).optional(),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    filled_numeric(55, 58, 2, 46, 48).blank_allowed_when(idb_in_30),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32).unless(idb_in_30),
    digits(62, 63, 50).optional(),
    one_of(72, kKindsOfAngle, 106),
    vertical_angle(64, 71, 98, 327, false),
    numeric(73, 76, 2, 612).optional(),
    numeric(77, 80, 2, 613).optional(),
};

constexpr Rule kVerticalAngleContinuation[] = {
    group_station(110),
    station(11, 400),
    station(51, 401),
    digits(11, 14, 15),
    parent_columns(15, 16, 17, 111),
    blank(17, 45, 617).unless(idb_in_30),
    time(46, 50, 51).optional(),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    filled_numeric(55, 58, 2, 46, 48).blank_allowed_when(idb_in_30),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32),
    digits(62, 63, 50).optional(),
    one_of(72, kKindsOfAngle, 106),
    vertical_angle(64, 71, 98, 327, true),
    numeric(73, 76, 2, 612).optional(),
    numeric(77, 80, 2, 613).optional(),
};

constexpr Condition filled_70_to_76{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 70, 76)); },
                                    "cc 70-76 are not blank"};

constexpr Rule kHeightDifference[] = {
    station(11, 400),
    station(51, 401),
    digits(11, 14, 15),
    blank(15, 16, 452),
    blank(23, 24, 653),
    each_of(25, 29, kFlags, 606),
    blank_or_capitals(30, 32, 611),
    instrument(33, 35, 20, 317),
    digits(36, 38, 423).optional(),
    date(40, 45, 21),
    time(46, 50, 51).optional(),
    digits(51, 54, 30),
    differ(11, 14, 51, 322),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32),
    numeric(64, 72, 4, 424).when(filled_70_to_76),
    numeric(73, 76, 2, 425).optional(),
    numeric(77, 80, 2, 426).optional(),
};

constexpr Rule kHeightDifference47[] = {
    group_station(444),
    station(11, 400),
    digits(11, 14, 55),
    blank(15, 54, 654),
    blank(64, 80, 655),
    instrument(55, 57, 20, 480),
    agency(58, 63, 429).optional(),
};

constexpr RecordRules kVerticalTables[] = {
    {40, {"vertical angle", kVerticalAngle}},
    {42, {"vertical angle continuation", kVerticalAngleContinuation}},
    {45, {"height difference", kHeightDifference}},
    {47, {"height difference equipment", kHeightDifference47}},
};

}  // namespace

const std::span<const RecordRules> kVerticalRecordRules{kVerticalTables};

}  // namespace corvelin
