#include <algorithm>
#include <cmath>
#include <optional>

#include "checker/positioning.hpp"
#include "checker/record_checks.hpp"
#include "common/record_code.hpp"

namespace corvelin {

namespace {

// A station's first position record, or the text that stands for it.
struct Position {
  std::string record;
  bool found = false;
  // A real *80* or *81*; the missing-position text never counts as one.
  bool control() const { return found && (cols(record, 8, 9) == "80" || cols(record, 8, 9) == "81"); }
};

Position position_of(Checker& ck, std::string_view ssn) {
  const int index = ck.stations.find(ssn);
  if (index == 0 || ck.stations.at(index).position_record == 0) return {missing_position_text(), false};
  return {ck.working_copy.read(ck.stations.at(index).position_record), true};
}

// ---- After the syntax pass ---------------------------------------------------

struct UsageRule {
  std::string_view marks;  // angle, direction, distance
  int message;
};
// Every rule is tried, so "100" stands twice on purpose: an auxiliary
// station measured to its reference by an angle alone gets both 432 and 431.
constexpr UsageRule kUsageRules[] = {
    {"000", 430}, {"110", 432}, {"100", 432}, {"010", 432}, {"001", 447}, {"100", 431}, {"101", 431},
};

// ---- Observation records -------------------------------------------------------

void illegal_data_code(Checker& ck, std::string_view code) {
  ck.report.empty();
  ck.report.empty();
  ck.report.line("  Illegal data code " + std::string(code) + " passed to Zudezo 2.1");
}

void occupied_station(Checker& ck, const Record& obs, const Position& station) {
  const char order = col(station.record, 80);
  if (order == 'A' || order == 'B') return;
  raise(ck, 437, obs);
  raise(ck, 438, station.record);
}

// Both ends of a height difference are control stations.
void height_difference(Checker& ck, const Record& obs, const Position& from, const Position& to) {
  const char type = col(to.record, 76);
  if (type != 'T' && type != 'B' && type != 'L') {
    raise(ck, 435, obs);
    raise(ck, 436, to.record);
  }
  // cc 64-69 are the leading columns of a field with four implied decimals.
  const auto observed = numeric_value(cols(obs, 64, 69), 1);
  const auto from_height = numeric_value(cols(from.record, 70, 75), 2);
  const auto to_height = numeric_value(cols(to.record, 70, 75), 2);
  if (!observed || !from_height || !to_height) return;
  const double misclosure = std::abs(*from_height - *to_height) - std::abs(*observed);
  // Single precision on purpose: the tolerance has always been the float
  // nearest 0.01, and a misclosure of exactly 1 cm must judge as it did.
  const double tolerance = 0.01f;
  if (misclosure > tolerance || misclosure < -tolerance) {
    raise(ck, 441, obs);
    raise(ck, 442, from.record);
    raise(ck, 442, to.record);
  }
}

// ---- Position records ------------------------------------------------------------

const PositionIndex& position_index(Checker& ck) {
  if (ck.cross_check.position_index) return *ck.cross_check.position_index;
  PositionIndex& index = ck.cross_check.position_index.emplace();
  const Pointers range = ck.family(Family::k80);
  ck.working_copy.scan(range.first, range.last, [&](int number, std::string_view stored) {
    index.stations_by_position[std::string(cols(stored, 45, 69))].emplace_back(cols(stored, 7, 14));
    if (cols(stored, 8, 9) == "83") index.elevation_records[std::string(cols(stored, 11, 14))].push_back(number);
    return true;
  });
  return index;
}

Tallies tallies_of(const Checker& ck, std::string_view ssn) {
  const int index = ck.stations.find(ssn);
  return index == 0 ? Tallies{} : ck.stations.at(index).tallies;
}

void same_position_as_another_station(Checker& ck, const Record& rec) {
  const auto& index = position_index(ck);
  const auto found = index.stations_by_position.find(std::string(cols(rec, 45, 69)));
  if (found == index.stations_by_position.end()) return;
  for (const std::string& code_and_ssn : found->second) {
    if (code_and_ssn != cols(rec, 7, 14)) raise(ck, 336, rec);
  }
}

void unobserved_control_station(Checker& ck, const Record& rec) {
  const Tallies t = tallies_of(ck, cols(rec, 11, 14));
  if (t.occupation != 0) return;
  if (col(rec, 80) == 'A' || col(rec, 80) == 'B') raise(ck, 439, rec);
  if (t.ties() == 0 && (t.direction_control < 3 || t.angle_control < 3)) raise(ck, 321, rec);
}

// Elevation type B takes the elevation of the station's *83*, which must
// name the same mark; type L marks a *83* of another mark.
void elevation_type_against_83(Checker& ck, const Record& rec) {
  const char type = col(rec, 76);
  if (type != 'B' && type != 'L') return;
  const auto& index = position_index(ck);
  const auto found = index.elevation_records.find(std::string(cols(rec, 11, 14)));
  if (found == index.elevation_records.end()) return;
  for (int number : found->second) {
    const std::string elevation = ck.working_copy.read(number);
    const bool same_name = cols(rec, 15, 44) == cols(elevation, 15, 44);
    if (same_name == (type == 'L')) {
      raise(ck, same_name ? 348 : 347, rec);
      raise(ck, 369, elevation);
    }
  }
}

}  // namespace

void station_usage_check(Checker& ck) {
  for (int index = 1; index <= ck.stations.size(); ++index) {
    const Station& station = ck.stations.at(index);
    if (station.type != kAuxiliary || station.position_record == 0) continue;
    const std::string rec = ck.working_copy.read(station.position_record);
    for (const UsageRule& rule : kUsageRules) {
      if (station.marks == rule.marks) raise(ck, rule.message, rec);
    }
  }
}

namespace {

// An angle with no control station among its three.
void angle_without_control(Checker& ck, const Record& obs, const Position (&at)[3]) {
  if (!at[0].control() && !at[1].control() && !at[2].control()) raise(ck, 433, obs);
}
void occupation(Checker& ck, const Record& obs, const Position (&at)[3]) { occupied_station(ck, obs, at[0]); }
void height_difference_ends(Checker& ck, const Record& obs, const Position (&at)[3]) {
  if (at[0].control() && at[1].control()) height_difference(ck, obs, at[0], at[1]);
}

// Where each observation names its other stations (first columns, 0 for
// none), and the check its stations then get.
struct ObservedStations {
  int second;
  int third;
  void (*check)(Checker&, const Record&, const Position (&)[3]);
};
constexpr orv::ByCode<ObservedStations> kObservedStations[] = {
    {20, {51, 0, nullptr}},
    {22, {51, 0, nullptr}},
    {25, {0, 0, occupation}},
    {30, {51, 72, angle_without_control}},
    {32, {51, 72, angle_without_control}},
    {40, {51, 0, nullptr}},
    {42, {51, 0, nullptr}},
    {45, {51, 0, height_difference_ends}},
    {50, 54, {46, 0, nullptr}},
    {60, 61, {51, 0, nullptr}},
};

}  // namespace

void observation_to_station_check(Checker& ck, const Record& obs) {
  const auto* row = orv::row_for(kObservedStations, obs);
  if (row == nullptr) {
    illegal_data_code(ck, cols(obs, 8, 9));
    return;
  }
  const ObservedStations& observed = row->value;
  Position at[3] = {position_of(ck, cols(obs, 11, 14))};
  if (observed.second != 0) at[1] = position_of(ck, cols(obs, observed.second, observed.second + 3));
  if (observed.third != 0) at[2] = position_of(ck, cols(obs, observed.third, observed.third + 3));
  if (observed.check != nullptr) observed.check(ck, obs, at);
}

void position_record_check(Checker& ck, const Record& rec) {
  same_position_as_another_station(ck, rec);
  unobserved_control_station(ck, rec);
  elevation_type_against_83(ck, rec);
}

void auxiliary_station_check(Checker& ck, const Record& rec) {
  if (!ck.stations.is_known(cols(rec, 51, 54))) raise(ck, 448, rec);
  const std::string_view ssn = cols(rec, 11, 14);
  const int index = ck.stations.find(ssn);
  if (ck.stations.is_known(ssn) && ck.stations.at(index).position_record != 0) raise(ck, 339, rec);
  const Tallies t = tallies_of(ck, ssn);
  if (untied(t)) {
    raise(ck, 351, rec);
    if (t.occupation == 0) {
      raise(ck, 411, rec);
      return;
    }
  } else if (!can_be_positioned(t)) {
    raise(ck, 411, rec);
    return;
  }
  build_candidate_list(ck, ssn);
}

void elevation_record_check(Checker& ck, const Record& rec) {
  const std::string_view ssn = cols(rec, 11, 14);
  const int index = ck.stations.find(ssn);
  std::optional<std::string> position;
  if (ck.stations.is_known(ssn) && ck.stations.at(index).position_record != 0) {
    position = ck.working_copy.read(ck.stations.at(index).position_record);
  }
  const bool same_name = position && cols(rec, 15, 44) == cols(*position, 15, 44);
  if (position) {
    const char type = col(*position, 76);
    if (type == 'B') {
      if (!same_name) raise(ck, 352, rec);
      return;  // no message follows from the two elevations
    }
    if (type != 'L') {
      raise(ck, 354, rec);
      return;
    }
    if (same_name) raise(ck, 353, rec);
  }
  const Tallies t = tallies_of(ck, ssn);
  if (untied(t)) raise(ck, 351, rec);
  if (can_be_positioned(t) && !same_name) build_candidate_list(ck, ssn);
}

void control_position_check(Checker& ck, const Record& rec) {
  if (!position_of(ck, cols(rec, 11, 14)).control()) raise(ck, 364, rec);
}

namespace {

using Step = void (*)(Checker&, const Record&);
constexpr orv::ByCode<Step> kCrossChecks[] = {
    {20, observation_to_station_check},
    {22, observation_to_station_check},
    {25, observation_to_station_check},
    {30, observation_to_station_check},
    {32, observation_to_station_check},
    {40, observation_to_station_check},
    {42, observation_to_station_check},
    {45, observation_to_station_check},
    {50, 54, observation_to_station_check},
    {60, 61, observation_to_station_check},
    {80, 81, position_record_check},
    {82, auxiliary_station_check},
    {83, elevation_record_check},
    {84, 85, control_position_check},
};

}  // namespace

void cross_check_step(Checker& ck, const Record& rec) {
  if (const Step step = orv::step_for(kCrossChecks, rec)) step(ck, rec);
}

}  // namespace corvelin
