// The position records: *80* geographic positions, *81* plane coordinates
// and *82* auxiliary stations (structure pass), and their annexes *83*-*86*
// (syntax pass).

#include "checker/observation_rules.hpp"
#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kGeographicElevationTypes = "ABCDFGHJKLMPRTV";  // *80*
constexpr std::string_view kPlaneElevationTypes = "BLRVPMAGTJK";           // *81*

// Order and class 47 may leave the elevation and its type blank.
constexpr Condition order_and_class_47{[](const Checker&, const Record& rec) { return cols(rec, 79, 80) == "47"; },
                                       "cc 79-80 hold 47"};
constexpr Condition elevation_given{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 70, 75)); },
                                    "cc 70-75 are not blank"};
// A CBL deck's *80* gives no more than the station and its position.
constexpr Condition elevation_given_outside_cbl{
    [](const Checker& ck, const Record& rec) { return !ck.cbl_deck() && !is_blank(cols(rec, 70, 75)); },
    "cc 70-75 are not blank and the header's cc 15-18 do not hold \"CBL \""};

// An elevation that reads gives the decimals its type asks for.
void elevation_decimals(Checker& ck, const Record& rec) {
  if (is_blank(cols(rec, 70, 75)) || !reads_numeric(cols(rec, 70, 75), 2)) return;
  const char type = col(rec, 76);
  if ((type == 'B' || type == 'L') && col(rec, 75) == ' ') raise(ck, 637, rec);
  if (type == 'R' && col(rec, 74) == ' ') raise(ck, 638, rec);
}
constexpr int kElevationDecimalMessages[] = {637, 638};
constexpr Rule elevation_decimals_rule() {
  return custom(74, 76, elevation_decimals, kElevationDecimalMessages,
                "when cc 70-75 read: cc 75 given for type B or L, cc 74 for type R");
}

constexpr Rule kGeographicPosition[] = {
    digits(11, 14, 222),
    station_name(15, 44, 224),
    latitude(45, 55, 227),
    one_of(56, "NS", 235),
    longitude(57, 68, 236),
    one_of(69, "EW", 244),
    state_code(77, 78, 251).unless(cbl_deck),
    numeric(70, 75, 2, 249).optional().unless(cbl_deck),
    elevation_decimals_rule().unless(cbl_deck),
    not_blank(76, 76, 363).when(elevation_given_outside_cbl).unless(order_and_class_47),
    one_of(76, kGeographicElevationTypes, 250).optional().when(elevation_given).unless(cbl_deck),
    order_and_class(79, 80, 636).unless(cbl_deck),
};

constexpr Rule kPlanePosition[] = {
    digits(11, 14, 222),
    station_name(15, 44, 224),
    filled_numeric(45, 55, 3, 254, 256),
    filled_numeric(56, 65, 3, 257, 259),
    zone(66, 69, 260),
    not_blank(70, 75, 247).unless(order_and_class_47),
    numeric(70, 75, 2, 249).optional(),
    elevation_decimals_rule(),
    not_blank(76, 76, 363).unless(order_and_class_47),
    one_of(76, kPlaneElevationTypes, 250).optional(),
    state_code(77, 78, 251),
    order_and_class(79, 80, 636),
};

constexpr Rule kAuxiliaryStation[] = {
    digits(11, 14, 222),
    station_name(15, 44, 267),
    blank(45, 50, 639),
    digits(51, 54, 223),
    blank(55, 80, 652),
};

// The annexes name a station that must be in the table already (440 or 364).
constexpr Rule kElevation83[] = {
    digits(11, 14, 222),
    station(11, 440),
    station_name(15, 44, 358),
    filled_numeric(51, 57, 3, 272, 274).decimals_given(275),
    numeric(64, 66, 2, 642).optional(),
    digits(67, 69, 641).optional(),
    numeric(70, 76, 3, 278).optional(),
    numeric(77, 80, 3, 643).optional(),
};

constexpr Rule kGeoidHeight84[] = {
    known_station(11, 222, 364),
    filled_numeric(70, 75, 2, 281, 283),
    numeric(76, 80, 2, 643).optional(),
};

constexpr Rule kDeflection85[] = {
    known_station(11, 222, 364),
    filled_numeric(63, 67, 2, 286, 288),
    one_of(68, "NS", 289),
    numeric(69, 71, 2, 645).optional(),
    filled_numeric(72, 76, 2, 290, 292),
    one_of(77, "EW", 293),
    numeric(78, 80, 2, 646).optional(),
};

constexpr Condition filled_17_to_29{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 17, 29)); },
                                    "cc 17-29 are not blank"};
constexpr Condition filled_36_to_43{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 36, 43)); },
                                    "cc 36-43 are not blank"};
constexpr Condition filled_46_to_56{[](const Checker&, const Record& rec) { return !is_blank(cols(rec, 46, 56)); },
                                    "cc 46-56 are not blank"};

// *86*: an orthometric height with its code, order, flag and datum; a geoid
// height with its code; an optional ellipsoid height group.
constexpr Rule kOrthometricHeight86[] = {
    digits(11, 14, 222),
    station(11, 440),
    blank(15, 16, 452),
    not_blank(17, 29, 457),
    filled_numeric(17, 23, 3, 453, 454).decimals_given(455).when(filled_17_to_29),
    one_of(24, "ABCHLFTRVPMGDJK", 456).when(filled_17_to_29),
    code_of(25, 26, "101112202122" "3 " "  ", 458).when(filled_17_to_29),
    one_of(27, "YN", 459).when(filled_17_to_29),
    code_of(28, 29, "2988558500", 460).when(filled_17_to_29),
    agency(30, 35, 461).optional(),
    not_blank(36, 43, 462),
    filled_numeric(36, 42, 3, 463, 464).decimals_given(465).when(filled_36_to_43),
    one_of(43, "BCDEFGHJPQTU", 466).when(filled_36_to_43),
    blank(44, 45, 467),
    numeric(46, 52, 3, 468).optional().when(filled_46_to_56),
    one_of(53, "ABCDE", 469).when(filled_46_to_56),
    code_of(54, 55, "11122122313241425152", 470).when(filled_46_to_56),
    one_of(56, "ABCZ", 471).when(filled_46_to_56),
};

constexpr RecordRules kPositions[] = {
    {80, {"geographic position", kGeographicPosition}},
    {81, {"plane coordinates", kPlanePosition}},
    {82, {"auxiliary station", kAuxiliaryStation}},
};
constexpr RecordRules kAnnexes[] = {
    {83, {"elevation", kElevation83}},
    {84, {"geoid height", kGeoidHeight84}},
    {85, {"deflection of the vertical", kDeflection85}},
    {86, {"orthometric height", kOrthometricHeight86}},
};

}  // namespace

const std::span<const RecordRules> kPositionRecordRules{kPositions};
const std::span<const RecordRules> kPositionAnnexRules{kAnnexes};

void check_position_record(Checker& ck, const Record& rec, int code) {
  apply_record_rules(ck, rec, kPositionRecordRules, code);
}

void check_position_annex(Checker& ck, const Record& rec, int code) {
  apply_record_rules(ck, rec, kPositionAnnexRules, code);
}

}  // namespace corvelin
