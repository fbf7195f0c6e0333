#include "checker/builtin_tables.hpp"
#include "checker/record_checks.hpp"
#include "checker/record_fields.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kGeographicElevationTypes = "ABCDFGHJKLMPRTV";  // *80*
constexpr std::string_view kPlaneElevationTypes = "BLRVPMAGTJK";           // *81*

bool one_of_chars(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

void ssn_and_name(FieldTests& t, int name_base) {
  t.digits(11, 14, 222);
  t.expect_zero(station_name_error(t.at(15, 44), name_base));
}

// *80* cc 45-69
void geographic_position(FieldTests& t) {
  t.expect_none(latitude_errors(t.at(45, 55), 227));
  t.one_of(56, 56, {"N", "S"}, 235);
  t.expect_none(longitude_errors(t.at(57, 68), 236));
  t.one_of(69, 69, {"E", "W"}, 244);
}

bool zone_code(std::string_view zone) {
  const auto number = digits_value(zone);
  return is_zone_code(zone) || (number && *number <= 59);
}

// *81* cc 45-69
void plane_coordinates(FieldTests& t) {
  if (t.not_blank(45, 55, 254)) t.numeric(45, 55, 3, 256);
  if (t.not_blank(56, 65, 257)) t.numeric(56, 65, 3, 259);
  if (t.not_blank(66, 69, 260) && t.expect(!has_blank(t.at(66, 69)), 261) && t.digits(66, 69, 262)) {
    t.expect(zone_code(t.at(66, 69)), 263);
  }
}

// Order and class 47 may leave the elevation and its type blank.
bool elevation_may_be_blank(const FieldTests& t) { return t.at(79, 80) == "47"; }

// cc 70-75
void elevation(FieldTests& t, int code) {
  if (t.is_blank_at(70, 75)) {
    if (code == 81) t.expect(elevation_may_be_blank(t), 247);
    return;
  }
  if (!t.numeric(70, 75, 2, 249)) return;
  const char type = t.at(76);
  if ((type == 'B' || type == 'L') && t.at(75) == ' ') t.expect(false, 637);
  if (type == 'R' && t.at(74) == ' ') t.expect(false, 638);
}

// cc 76
void elevation_type(FieldTests& t, std::string_view types) {
  if (t.is_blank_at(76, 76)) {
    t.expect(elevation_may_be_blank(t), 363);
  } else {
    t.expect(one_of_chars(t.at(76), types), 250);
  }
}

void state_code(FieldTests& t) { t.expect(is_state_code(t.at(77, 78)), 251); }
void order_and_class(FieldTests& t) { t.expect(is_order_class_code(t.at(79, 80)), 636); }

void geographic_position_record(Checker& ck, FieldTests& t) {
  ssn_and_name(t, 224);
  geographic_position(t);
  if (ck.cbl_deck()) return;
  state_code(t);
  elevation(t, 80);
  if (!t.is_blank_at(70, 75)) elevation_type(t, kGeographicElevationTypes);
  order_and_class(t);
}

void plane_position_record(FieldTests& t) {
  ssn_and_name(t, 224);
  plane_coordinates(t);
  elevation(t, 81);
  elevation_type(t, kPlaneElevationTypes);
  state_code(t);
  order_and_class(t);
}

void auxiliary_station_record(FieldTests& t) {
  ssn_and_name(t, 267);
  t.blank(45, 50, 639);
  t.digits(51, 54, 223);
  t.blank(55, 80, 652);
}

// The station is entered when new; true when it was in the table already.
bool entered_before(Checker& ck, std::string_view ssn) { return enter_station(ck, ssn, kObserved, "    ").existed; }

void record_83(Checker& ck, FieldTests& t) {
  t.digits(11, 14, 222);
  t.expect(entered_before(ck, t.at(11, 14)), 440);
  t.expect_zero(station_name_error(t.at(15, 44), 358));
  if (t.not_blank(51, 57, 272) && t.numeric(51, 57, 3, 274)) t.not_blank(55, 57, 275);
  t.optional(64, 66) || t.numeric(64, 66, 2, 642);
  t.optional(67, 69) || t.digits(67, 69, 641);
  t.optional(70, 76) || t.numeric(70, 76, 3, 278);
  t.optional(77, 80) || t.numeric(77, 80, 3, 643);
}

void station_in_table(Checker& ck, FieldTests& t) {
  if (t.digits(11, 14, 222)) t.expect(ck.stations.find(t.at(11, 14)) != 0, 364);
}

void record_84(Checker& ck, FieldTests& t) {
  station_in_table(ck, t);
  if (t.not_blank(70, 75, 281)) t.numeric(70, 75, 2, 283);
  t.optional(76, 80) || t.numeric(76, 80, 2, 643);
}

void record_85(Checker& ck, FieldTests& t) {
  station_in_table(ck, t);
  if (t.not_blank(63, 67, 286)) t.numeric(63, 67, 2, 288);
  t.one_of(68, 68, {"N", "S"}, 289);
  t.optional(69, 71) || t.numeric(69, 71, 2, 645);
  if (t.not_blank(72, 76, 290)) t.numeric(72, 76, 2, 292);
  t.one_of(77, 77, {"E", "W"}, 293);
  t.optional(78, 80) || t.numeric(78, 80, 2, 646);
}

// *86*: a height, the order and datum it belongs to, a second height and
// an optional group about how it was found.
void orthometric_height_record(Checker& ck, FieldTests& t) {
  t.digits(11, 14, 222);
  t.expect(entered_before(ck, t.at(11, 14)), 440);
  t.blank(15, 16, 452);
  if (t.not_blank(17, 29, 457)) {
    if (t.not_blank(17, 23, 453) && t.numeric(17, 23, 3, 454)) t.not_blank(21, 23, 455);
    t.expect(one_of_chars(t.at(24), "ABCHLFTRVPMGDJK"), 456);
    t.one_of(25, 26, {"10", "11", "12", "20", "21", "22", "3 ", "  "}, 458);
    t.one_of(27, 27, {"Y", "N"}, 459);
    t.one_of(28, 29, {"29", "88", "55", "85", "00"}, 460);
  }
  t.optional(30, 35) || t.expect(ck.agencies && ck.agencies->contains(t.at(30, 35)), 461);
  if (t.not_blank(36, 43, 462)) {
    if (t.not_blank(36, 42, 463) && t.numeric(36, 42, 3, 464)) t.not_blank(40, 42, 465);
    t.expect(one_of_chars(t.at(43), "BCDEFGHJPQTU"), 466);
  }
  t.blank(44, 45, 467);
  if (!t.is_blank_at(46, 56)) {
    t.optional(46, 52) || t.numeric(46, 52, 3, 468);
    t.expect(one_of_chars(t.at(53), "ABCDE"), 469);
    t.one_of(54, 55, {"11", "12", "21", "22", "31", "32", "41", "42", "51", "52"}, 470);
    t.expect(one_of_chars(t.at(56), "ABCZ"), 471);
  }
}

}  // namespace

void check_position_record(Checker& ck, const Record& rec, int code) {
  FieldTests t(ck, rec);
  if (code == 80) geographic_position_record(ck, t);
  else if (code == 81) plane_position_record(t);
  else auxiliary_station_record(t);
}

void check_position_annex(Checker& ck, const Record& rec, int code) {
  FieldTests t(ck, rec);
  switch (code) {
    case 83: record_83(ck, t); break;
    case 84: record_84(ck, t); break;
    case 85: record_85(ck, t); break;
    case 86: orthometric_height_record(ck, t); break;
  }
}

}  // namespace corvelin
