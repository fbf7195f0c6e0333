#include "checker/observation_rules.hpp"

#include <algorithm>

#include "checker/builtin_tables.hpp"
#include "checker/tallies.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kBlankStation = "    ";

std::string_view ssn_at(const Record& rec, int first) { return cols(rec, first, first + 3); }

bool holds(const Condition* c, const Checker& ck, const Record& rec) { return c != nullptr && c->holds(ck, rec); }

// The station when it is an auxiliary station whose reference is `reference`.
Station* auxiliary_of(Checker& ck, std::string_view ssn, std::string_view reference) {
  const int index = ck.stations.find(ssn);
  if (index == 0) return nullptr;
  Station& station = ck.stations.at(index);
  return station.type == kAuxiliary && ck.stations.reference(index) == reference ? &station : nullptr;
}

void set_mark(Station* station, UsageMark mark) {
  if (station != nullptr) station->marks[static_cast<std::size_t>(mark)] = '1';
}

void direction_update(Checker& ck, const Record& rec) {
  const auto standpoint = ssn_at(rec, 11);
  const auto forepoint = ssn_at(rec, 51);
  tally_direction(ck, standpoint, forepoint);
  set_mark(auxiliary_of(ck, forepoint, standpoint), kDirectionMark);
  set_mark(auxiliary_of(ck, standpoint, forepoint), kDirectionMark);
}

// Only an angle measured at the auxiliary station to its reference marks it.
void angle_update(Checker& ck, const Record& rec) {
  const auto standpoint = ssn_at(rec, 11);
  const auto first = ssn_at(rec, 51);
  const auto second = ssn_at(rec, 72);
  tally_angle(ck, standpoint, first, second);
  Station* at_standpoint = auxiliary_of(ck, standpoint, first);
  if (at_standpoint == nullptr) at_standpoint = auxiliary_of(ck, standpoint, second);
  set_mark(at_standpoint, kAngleMark);
}

// A distance measured from the auxiliary station to its own reference is
// reported (405); the mark is set either way.
void distance_update(Checker& ck, const Record& rec, int forepoint_column) {
  const auto standpoint = ssn_at(rec, 11);
  const auto forepoint = ssn_at(rec, forepoint_column);
  tally_distance(ck, standpoint, forepoint);
  set_mark(auxiliary_of(ck, forepoint, standpoint), kDistanceMark);
  if (Station* from_auxiliary = auxiliary_of(ck, standpoint, forepoint)) {
    set_mark(from_auxiliary, kDistanceMark);
    raise(ck, 405, rec);
  }
}

void update(Checker& ck, const Record& rec, const Rule& r) {
  switch (r.update) {
    case Update::kDirection: direction_update(ck, rec); break;
    case Update::kAngle: angle_update(ck, rec); break;
    case Update::kDistance: distance_update(ck, rec, r.other); break;
    case Update::kOccupation: tally_occupation(ck, ssn_at(rec, 11)); break;
    case Update::kNone: break;
  }
}

void raise_all(Checker& ck, const std::vector<int>& errors, const Record& rec) {
  for (int error : errors) raise(ck, error, rec);
}

// HHMM, hours to 24 and minutes to 59, and a zone letter other than J.
void cbl_time(Checker& ck, const Record& rec, std::string_view field, int base) {
  const auto hours = digits_value(field.substr(0, 2));
  const auto minutes = digits_value(field.substr(2, 2));
  if (!hours || !minutes || *hours > 24 || *minutes > 59) raise(ck, base, rec);
  const char zone = field[4];
  if (zone < 'A' || zone > 'Z' || zone == 'J') raise(ck, base + 1, rec);
}

void vertical_angle(Checker& ck, const Record& rec, std::string_view field, const Rule& r) {
  AngleRules rules;
  switch (col(rec, r.last + 1)) {
    case 'E':
    case 'D': rules = {90, 0, true}; break;
    case 'Z': rules = {179, r.second, true}; break;
    default:
      if (!r.unlimited_without_kind) return;
      rules = {999, 0, true};
  }
  raise_all(ck, angle_errors(field, r.error, rules), rec);
}

// Three digits, then a code of the table unless the row lifts that test.
void code(Checker& ck, const Record& rec, std::string_view field, const Rule& r, bool in_table) {
  if (!is_digits(field)) raise(ck, r.error, rec);
  else if (!in_table && !holds(r.code_exemption, ck, rec)) raise(ck, r.second, rec);
}

// A zone: given, without a blank, four digits, and a code of the zone table
// or a number up to 59.
void zone(Checker& ck, const Record& rec, std::string_view field, int base) {
  const auto number = digits_value(field);
  if (is_blank(field)) raise(ck, base, rec);
  else if (has_blank(field)) raise(ck, base + 1, rec);
  else if (!is_digits(field)) raise(ck, base + 2, rec);
  else if (!is_zone_code(field) && !(number && *number <= 59)) raise(ck, base + 3, rec);
}

// Enters a code; true when it was there already.  A code beyond the table's
// capacity ends the run.
bool entered_before(Checker& ck, CodeTable which, std::string_view code) {
  const bool instruments = which == CodeTable::kInstruments;
  std::vector<std::string>& table = instruments ? ck.instrument_codes : ck.antenna_codes;
  if (std::find(table.begin(), table.end(), code) != table.end()) return true;
  if (table.size() >= (instruments ? kCapacities.instrument_codes : kCapacities.antenna_codes)) {
    raise(ck, instruments ? 533 : 540, orv::make_card(""));
    fatal_termination(ck);
  }
  table.emplace_back(code);
  return false;
}

void new_code(Checker& ck, const Record& rec, std::string_view field, const Rule& r) {
  if (r.error != 0 && !is_digits(field)) raise(ck, r.error, rec);
  else if (entered_before(ck, r.codes, field)) raise(ck, r.second, rec);
}

void test(Checker& ck, const Record& rec, const Rule& r) {
  const std::string_view field = r.first == 0 ? std::string_view() : cols(rec, r.first, r.last);
  switch (r.test) {
    case Test::kEnterStation:
      if (!enter_station(ck, field, kObserved, kBlankStation).existed) raise(ck, r.error, rec);
      break;
    case Test::kUpdate:
      update(ck, rec, r);
      break;
    case Test::kDigits:
      if (!is_digits(field)) raise(ck, r.error, rec);
      break;
    case Test::kEachOf:
      for (std::size_t k = 0; k < field.size(); ++k) {
        if (field[k] == ' ' && holds(r.blank_exemption, ck, rec)) continue;
        if (r.set.find(field[k]) == std::string_view::npos) raise(ck, r.error + static_cast<int>(k), rec);
      }
      break;
    case Test::kCodeOf:
      if (!orv::is_listed_code(field, r.set)) raise(ck, r.error, rec);
      break;
    case Test::kBlankOrCapitals:
      if (!all_in(field, kBlankCapitals)) raise(ck, r.error, rec);
      break;
    case Test::kBlank:
      if (!is_blank(field)) raise(ck, r.error, rec);
      break;
    case Test::kNotBlank:
      if (is_blank(field)) raise(ck, r.error, rec);
      break;
    case Test::kNumeric:
      if (!reads_numeric(field, r.decimals)) raise(ck, r.error, rec);
      break;
    case Test::kFilledNumeric:
      if (is_blank(field)) {
        if (!holds(r.blank_exemption, ck, rec)) raise(ck, r.error, rec);
      } else if (!reads_numeric(field, r.decimals)) {
        raise(ck, r.second, rec);
      } else if (r.third != 0 && is_blank(field.substr(field.size() - static_cast<std::size_t>(r.decimals)))) {
        raise(ck, r.third, rec);
      }
      break;
    case Test::kDate:
      if (const int error = date_error(field, r.error, &ck.date_range); error != 0) raise(ck, error, rec);
      break;
    case Test::kTime:
      raise_all(ck, time_errors(field, r.error), rec);
      break;
    case Test::kHourMinute:
      if (is_blank(field)) raise(ck, r.error, rec);
      else raise_all(ck, time_errors(std::string(field) + "Z", r.error), rec);
      break;
    case Test::kCblTime:
      cbl_time(ck, rec, field, r.error);
      break;
    case Test::kAngle:
      raise_all(ck, angle_errors(field, r.error, r.angle), rec);
      break;
    case Test::kVerticalAngle:
      vertical_angle(ck, rec, field, r);
      break;
    case Test::kLatitude:
      raise_all(ck, latitude_errors(field, r.error), rec);
      break;
    case Test::kLongitude:
      raise_all(ck, longitude_errors(field, r.error), rec);
      break;
    case Test::kStationName:
      if (const int error = station_name_error(field, r.error); error != 0) raise(ck, error, rec);
      break;
    case Test::kInstrumentCode:
      code(ck, rec, field, r, ck.is_instrument_code(field));
      break;
    case Test::kAntennaCode:
      code(ck, rec, field, r, ck.is_antenna_code(field));
      break;
    case Test::kNewCode:
      new_code(ck, rec, field, r);
      break;
    case Test::kAgencyCode:
      if (!ck.agencies || !ck.agencies->contains(field)) raise(ck, r.error, rec);
      break;
    case Test::kStateCode:
      if (!is_state_code(field)) raise(ck, r.error, rec);
      break;
    case Test::kOrderClassCode:
      if (!is_order_class_code(field)) raise(ck, r.error, rec);
      break;
    case Test::kZone:
      zone(ck, rec, field, r.error);
      break;
    case Test::kDiffer:
      if (field == cols(rec, r.other, r.other + r.last - r.first)) raise(ck, r.error, rec);
      break;
    case Test::kGroupStation:
      if (field != ck.syntax.group.station) raise(ck, r.error, rec);
      break;
    case Test::kSetStandpoint:
      if (field != ck.syntax.observation_set.standpoint()) raise(ck, r.error, rec);
      break;
    case Test::kKnownStation:
      if (!is_digits(field)) raise(ck, r.error, rec);
      else if (ck.stations.find(field) == 0) raise(ck, r.second, rec);
      break;
    case Test::kParentColumns:
      if (!is_digits(field)) raise(ck, r.error, rec);
      else if (field != cols(ck.syntax.group.parent, r.first, r.last)) raise(ck, r.second, rec);
      break;
    case Test::kExpectedCount: {
      const auto count = digits_value(field);
      if (!count) raise(ck, r.error, rec);
      ck.syntax.group.expected = count ? static_cast<int>(*count) : 0;
      break;
    }
    case Test::kListedStation:
      if (is_blank(field)) raise(ck, r.error, rec);
      else if (!is_digits(field)) raise(ck, r.second, rec);
      else if (ck.stations.find(field) == 0) raise(ck, r.third, rec);
      break;
    case Test::kCustom:
      r.custom(ck, rec);
      break;
  }
}

}  // namespace

void apply_rules(Checker& ck, const Record& rec, std::span<const Rule> rules) {
  for (const Rule& r : rules) {
    if (r.condition != nullptr && !r.condition->holds(ck, rec)) continue;
    if (holds(r.exemption, ck, rec)) continue;
    if (r.skip_blank && is_blank(cols(rec, r.first, r.last))) continue;
    test(ck, rec, r);
  }
}

}  // namespace corvelin
