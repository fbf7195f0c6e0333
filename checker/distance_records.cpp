// *50*-*54* distance records: standpoint in cc 11-14, forepoint in cc 46-49.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kMeasures = "GEX";

// A CBL deck times its distances to the minute with a zone letter and leaves
// cc 54-63 empty; other decks give cc 60-61 and an ordinary time.
constexpr Rule kDistance50[] = {
    station(11, 400),
    station(46, 403),
    distance_update(46),
    digits(11, 14, 15),
    each_of(15, 19, kFlags, 591),
    blank_or_capitals(20, 22, 596),
    cbl_time(41, 45, 114).when(cbl_deck),
    blank(54, 63, 116).when(cbl_deck),
    digits(60, 61, 71).unless(cbl_deck),
    time(41, 45, 114).unless(cbl_deck),
    date(35, 40, 121),
    one_of(73, "TSH", 130),
    filled_numeric(54, 58, 2, 117, 119).when(s_in_73),
    filled_numeric(26, 29, 2, 131, 133).when(s_in_73),
    filled_numeric(50, 53, 2, 134, 136).when(s_in_73),
    instrument(23, 25, 137, 361),
    digits(46, 49, 138),
    differ(11, 14, 46, 328),
    one_of(59, kVrzn, 49),
    digits(62, 63, 50).optional(),
    filled_numeric(64, 72, 4, 140, 142),
    numeric(74, 76, 1, 615).optional(),
    numeric(77, 80, 1, 616).optional(),
};

// The *51* enters its cc 46-49 first, as the station of message 400.
constexpr Rule kDistance51[] = {
    station(46, 400),
    station(11, 403),
    digits(11, 14, 15),
    each_of(15, 19, kFlags, 591),
    blank_or_capitals(20, 22, 596),
    instrument(23, 25, 137, 361),
    filled_numeric(26, 29, 2, 145, 147),
    blank(30, 34, 622),
    date(35, 40, 121),
    time(41, 45, 114),
    digits(46, 49, 138),
    differ(11, 14, 46, 328),
    distance_update(46),
    numeric(50, 53, 2, 150).optional(),
    blank(54, 58, 623),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32),
    digits(62, 63, 50).optional(),
    filled_numeric(64, 72, 4, 151, 153),
    one_of(73, "S", 154),
    numeric(74, 76, 1, 615).optional(),
    numeric(77, 80, 1, 616).optional(),
};

constexpr Rule kDistance52[] = {
    station(11, 400),
    station(46, 403),
    digits(11, 14, 15),
    each_of(15, 19, kFlags, 591),
    blank_or_capitals(20, 22, 596),
    instrument(23, 25, 137, 361).any_code_when(idb_in_20),
    blank(26, 29, 624).when(g_in_73),
    filled_numeric(26, 29, 1, 157, 159).blank_allowed_when(idb_in_20).unless(g_in_73),
    filled_numeric(30, 34, 1, 160, 162).blank_allowed_when(idb_in_20),
    date(35, 40, 121),
    cbl_time(41, 45, 114).when(cbl_deck),
    time(41, 45, 114).unless(cbl_deck),
    digits(46, 49, 138),
    distance_update(46),
    differ(11, 14, 46, 328),
    blank(50, 53, 625).when(g_in_73),
    filled_numeric(50, 53, 1, 163, 165).blank_allowed_when(idb_in_20).unless(g_in_73),
    filled_numeric(54, 58, 1, 166, 168).blank_allowed_when(idb_in_20),
    one_of(59, kVrzn, 49),
    digits(60, 61, 32).unless(idb_in_20),
    digits(62, 63, 50).optional(),
    filled_numeric(64, 72, 4, 169, 171),
    one_of(73, kMeasures, 172),
    numeric(74, 76, 1, 615).optional(),
    numeric(77, 80, 1, 616).optional(),
};

constexpr Rule kDistance53[] = {
    station(11, 400),
    station(46, 403),
    digits(11, 14, 15),
    differ(11, 14, 46, 328),
    blank(15, 22, 626),
    instrument(23, 25, 137, 361),
    filled_numeric(26, 29, 2, 145, 147),
    blank(30, 34, 627),
    date(35, 40, 121),
    time(41, 45, 114),
    digits(46, 49, 138),
    distance_update(46),
    numeric(50, 53, 2, 177).optional(),
    blank(54, 58, 628),
    digits(59, 60, 362),
    numeric(61, 63, 1, 184).optional(),
    filled_numeric(64, 73, 3, 178, 180),
    one_of(74, "CS", 181),
    numeric(75, 77, 2, 650).optional(),
    numeric(78, 80, 2, 651).optional(),
};

constexpr Rule kDistance54[] = {
    station(11, 400),
    station(46, 403),
    digits(11, 14, 15),
    blank(15, 22, 626),
    instrument(23, 25, 137, 361),
    blank(26, 29, 624).when(g_in_74),
    filled_numeric(26, 29, 1, 157, 159).unless(g_in_74),
    filled_numeric(30, 34, 1, 160, 162),
    date(35, 40, 121),
    time(41, 45, 114),
    digits(46, 49, 138),
    differ(11, 14, 46, 328),
    distance_update(46),
    blank(50, 53, 629).when(g_in_74),
    filled_numeric(50, 53, 1, 163, 165).unless(g_in_74),
    filled_numeric(54, 58, 1, 166, 168),
    digits(59, 60, 362),
    numeric(61, 63, 1, 184).optional(),
    filled_numeric(64, 73, 3, 185, 187),
    one_of(74, kMeasures, 188),
    numeric(75, 77, 2, 650).optional(),
    numeric(78, 80, 2, 651).optional(),
};

constexpr RecordRules kDistanceTables[] = {
    {50, {"distance", kDistance50}},
    {51, {"distance", kDistance51}},
    {52, {"distance", kDistance52}},
    {53, {"distance", kDistance53}},
    {54, {"distance", kDistance54}},
};

}  // namespace

const std::span<const RecordRules> kDistanceRecordRules{kDistanceTables};

}  // namespace corvelin
