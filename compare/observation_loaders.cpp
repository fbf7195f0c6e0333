#include "compare/observation_loaders.hpp"

#include <cmath>
#include <span>

#include "common/numeric.hpp"
#include "common/record_code.hpp"
#include "common/serial_number.hpp"
#include "compare/mark_to_mark.hpp"

namespace halvic {

using orv::col;
using orv::cols;

namespace {

Key key_at(const Record& rec, int first) { return orv::ssn_key(cols(rec, first, first + 3)); }

// A decimal field read with blanks as zeros; one that holds no number is rejected.
std::optional<double> decimal_field(const Record& rec, int first, int last, int implied, Field field,
                                    LoadEnds& ends) {
  const auto value = orv::read_number(cols(rec, first, last), {orv::Chars::signed_decimal, orv::Blanks::zeros, implied});
  if (!value) ends.field_rejected(rec, field);
  return value;
}

constexpr orv::NumberRule kDigitsBlanks{orv::Chars::digits_blanks};

// Parts of a field that passed the integer check, which always read.
int whole(const Record& rec, int first, int last) {
  return static_cast<int>(orv::read_number(cols(rec, first, last), kDigitsBlanks).value_or(0.0));
}
// Seconds are kept in single precision, as the tables have always held them:
// the reference-object match within 1 second is judged on these values.
float seconds(const Record& rec, int first, int last, int implied) {
  return static_cast<float>(
      orv::read_number(cols(rec, first, last), {orv::Chars::digits_blanks, orv::Blanks::zeros, implied}).value_or(0.0));
}

bool room_in(ObservationTables& tables, Table table, LoadEnds& ends) {
  if (!tables.full(table)) return true;
  ends.table_full(table);
  return false;
}

// --- distances -----------------------------------------------------------

void append_distance(ObservationTables& tables, const Record& rec, double metres, char type) {
  if (!tables.keeps(Table::distances)) return;
  tables.distances.push_back({std::string(cols(rec, 1, 6)), key_at(rec, 11), key_at(rec, 46), metres, type});
}

// The measured distance S (cc 64-72, 4 implied decimals), after the room
// for its entry has been found.
std::optional<double> measured_distance(ObservationTables& tables, const Record& rec, LoadEnds& ends) {
  if (!room_in(tables, Table::distances, ends)) return std::nullopt;
  return decimal_field(rec, 64, 72, 4, Field::distance, ends);
}

void append_further(ObservationTables& tables, const Record& rec, std::optional<double> metres, char type,
                    LoadEnds& ends) {
  if (metres && room_in(tables, Table::distances, ends)) append_distance(tables, rec, *metres, type);
}

void append_chord(ObservationTables& tables, const Record& rec, double s, double h1, double h2, LoadEnds& ends) {
  append_further(tables, rec, chord(s, h1, h2), 'G', ends);
}

void append_arc(ObservationTables& tables, const Record& rec, double s, double h1, double h2, LoadEnds& ends) {
  const auto c = chord(s, h1, h2);
  append_further(tables, rec, c ? arc(*c) : std::nullopt, 'G', ends);
}

// *50* type S: a slope distance, reduced by the elevation difference of
// cc 54-58 from whichever end is known, or else by the two known ends.
void slope_distance(ObservationTables& tables, const Record& rec, double s, LoadEnds& ends) {
  const Station* from = tables.find_station(key_at(rec, 11));
  const Station* to = tables.find_station(key_at(rec, 46));
  if (orv::is_blank(cols(rec, 54, 58))) {
    if (from != nullptr && to != nullptr) append_chord(tables, rec, s, from->elevation, to->elevation, ends);
    return;
  }
  const auto dh = decimal_field(rec, 54, 58, 2, Field::elevation_difference, ends);
  if (!dh) return;
  if (from != nullptr) {
    append_chord(tables, rec, s, from->elevation, from->elevation + *dh, ends);
  } else if (to != nullptr) {
    append_chord(tables, rec, s, to->elevation - *dh, to->elevation, ends);
  } else if (const double q = s * s - *dh * *dh; q > 0.0) {
    append_further(tables, rec, std::sqrt(q), 'H', ends);
  }
}

// *52* type X: the elevations of both ends are on the record.
void reduced_with_own_elevations(ObservationTables& tables, const Record& rec, double s, LoadEnds& ends) {
  const auto h1 = decimal_field(rec, 30, 34, 1, Field::standpoint_elevation, ends);
  if (!h1) return;
  const auto h2 = decimal_field(rec, 54, 58, 1, Field::forepoint_elevation, ends);
  if (!h2) return;
  append_arc(tables, rec, s, *h1, *h2, ends);
}

// *51*: reduced to the arc when both ends are known stations.
void arc_between_stations(ObservationTables& tables, const Record& rec, double s, LoadEnds& ends) {
  const Station* from = tables.find_station(key_at(rec, 11));
  const Station* to = tables.find_station(key_at(rec, 46));
  if (from != nullptr && to != nullptr) append_arc(tables, rec, s, from->elevation, to->elevation, ends);
}

}  // namespace

void load_station(ObservationTables& tables, const Record& rec, LoadEnds& ends, const StationFields& more_fields) {
  if (!room_in(tables, Table::stations, ends)) return;
  const auto elevation = decimal_field(rec, 70, 75, 2, Field::elevation, ends);
  if (!elevation) return;
  if (more_fields && !more_fields(rec)) return;
  tables.stations.push_back(
      {key_at(rec, 11), std::string(cols(rec, 15, 44)), *elevation, std::string(cols(rec, 77, 78))});
}

void load_auxiliary(ObservationTables& tables, const Record& rec, LoadEnds& ends) {
  if (!room_in(tables, Table::auxiliaries, ends)) return;
  tables.auxiliaries.push_back({key_at(rec, 11), std::string(cols(rec, 15, 44))});
}

void load_direction(ObservationTables& tables, const Record& rec, LoadEnds& ends) {
  if (!room_in(tables, Table::directions, ends)) return;
  if (!orv::is_number(cols(rec, 64, 72), kDigitsBlanks)) return ends.field_rejected(rec, Field::direction);
  if (!tables.keeps(Table::directions)) return;
  tables.directions.push_back({std::string(cols(rec, 1, 6)), std::string(cols(rec, 15, 16)), key_at(rec, 11),
                               key_at(rec, 51), col(rec, 59), whole(rec, 64, 66), whole(rec, 67, 68),
                               seconds(rec, 69, 72, 2)});
}

void load_angle(ObservationTables& tables, const Record& rec, LoadEnds& ends) {
  if (!room_in(tables, Table::angles, ends)) return;
  if (!orv::is_number(cols(rec, 64, 71), kDigitsBlanks)) return ends.field_rejected(rec, Field::angle);
  if (!tables.keeps(Table::angles)) return;
  tables.angles.push_back({std::string(cols(rec, 1, 6)), std::string(cols(rec, 15, 16)), key_at(rec, 11),
                           key_at(rec, 51), key_at(rec, 72), whole(rec, 64, 66), whole(rec, 67, 68),
                           seconds(rec, 69, 71, 1), col(rec, 80)});
}

namespace {

// The distances the tables take, by record code and the distance type of
// cc 73 (blank: any type), and what is appended beside the measured value.
using Reduction = void (*)(ObservationTables&, const Record&, double s, LoadEnds&);
struct DistanceKind {
  char type;
  Reduction reduction;  // null: the measured distance alone
};
constexpr DistanceKind kDistances50[] = {{'H', nullptr}, {'T', nullptr}, {'S', slope_distance}};
constexpr DistanceKind kDistances51[] = {{' ', arc_between_stations}};
constexpr DistanceKind kDistances52[] = {{'G', nullptr}, {'E', nullptr}, {'X', reduced_with_own_elevations}};
constexpr orv::ByCode<std::span<const DistanceKind>> kDistanceKinds[] = {
    {50, kDistances50}, {51, kDistances51}, {52, kDistances52}};

const DistanceKind* distance_kind(const Record& rec) {
  const auto* row = orv::row_for(kDistanceKinds, rec);
  if (row == nullptr) return nullptr;
  for (const DistanceKind& kind : row->value) {
    if (kind.type == ' ' || kind.type == col(rec, 73)) return &kind;
  }
  return nullptr;
}

}  // namespace

void load_distance(ObservationTables& tables, const Record& rec, LoadEnds& ends) {
  const DistanceKind* kind = distance_kind(rec);
  if (kind == nullptr) return;
  const auto s = measured_distance(tables, rec, ends);
  if (!s) return;
  append_distance(tables, rec, *s, col(rec, 73));
  if (kind->reduction != nullptr) kind->reduction(tables, rec, *s, ends);
}

namespace {

// The texts in the order of the enumerations.  Their irregular blanks (a
// trailing blank on some, none on others) are the texts as the reports have
// always carried them.
constexpr std::string_view kFullTableTexts[] = {
    " NUMBER OF 80 RECORDS EXCEEDS ",      // stations
    " NUMBER OF OBS 82 RECORDS EXCEEDS ",  // auxiliaries
    " NUMBER OF 20 SERIES OBS EXCEEDS ",   // directions
    " NUMBER OF 30 SERIES OBS EXCEEDS ",   // angles
    " NUMBER OF 50 SERIES OBS EXCEEDS ",   // distances
};
constexpr std::string_view kRejectedFieldTexts[] = {
    " OBS 80 ELEVATION CC 70-75 NON-INTEGER",
    " OBS 20 SERIES HORIZONTAL DIRECTION CC 64-72 NON-INTEGER",
    " OBS 30 SERIES HORIZONTAL ANGLE CC 64-71 NON-INTEGER",
    " OBS 50 SERIES DISTANCE CC 64-72 NON-INTEGER ",
    " OBS 50 SERIES ELEVATION DIFFERENCE CC 54-58 NON-INTEGER",
    " 50 SERIES OBS ELEV OF STANDPT CC 30-34 NON-INTEGER ",
    " 50 SERIES OBS ELEV OF FOREPT CC 54-58 NON-INTEGER",
};
static_assert(std::size(kFullTableTexts) == static_cast<std::size_t>(Table::distances) + 1);
static_assert(std::size(kRejectedFieldTexts) == static_cast<std::size_t>(Field::forepoint_elevation) + 1);

}  // namespace

std::string_view full_table_text(Table table) { return kFullTableTexts[static_cast<std::size_t>(table)]; }

std::string_view rejected_field_text(Field field) { return kRejectedFieldTexts[static_cast<std::size_t>(field)]; }

namespace {

using Load = void (*)(ObservationTables&, const Record&, LoadEnds&, const ObservationPasses&);

void station_load(ObservationTables& t, const Record& rec, LoadEnds& ends, const ObservationPasses& passes) {
  load_station(t, rec, ends, passes.more_station_fields);
}
void auxiliary_load(ObservationTables& t, const Record& rec, LoadEnds& ends, const ObservationPasses&) {
  load_auxiliary(t, rec, ends);
}
void direction_load(ObservationTables& t, const Record& rec, LoadEnds& ends, const ObservationPasses&) {
  load_direction(t, rec, ends);
}
void angle_load(ObservationTables& t, const Record& rec, LoadEnds& ends, const ObservationPasses&) {
  load_angle(t, rec, ends);
}
void distance_load(ObservationTables& t, const Record& rec, LoadEnds& ends, const ObservationPasses&) {
  load_distance(t, rec, ends);
}
void occupation_mark(ObservationTables& t, const Record& rec, LoadEnds&, const ObservationPasses&) {
  mark_occupation(t, rec);
}

// The passes, a table each: the stations (with the series when a run asks
// for them), the distances, the occupations.
constexpr orv::ByCode<Load> kStationPass[] = {{80, 81, station_load}, {82, auxiliary_load}};
constexpr orv::ByCode<Load> kStationAndSeriesPass[] = {
    {80, 81, station_load}, {82, auxiliary_load}, {20, direction_load}, {22, direction_load},
    {30, angle_load},       {32, angle_load}};
constexpr orv::ByCode<Load> kDistancePass[] = {{50, 52, distance_load}};
constexpr orv::ByCode<Load> kOccupationPass[] = {{25, occupation_mark}};

template <std::size_t N>
void load_pass(orv::CardReader& reader, const orv::ByCode<Load> (&table)[N], ObservationTables& tables,
               const ObservationPasses& passes, LoadEnds& ends) {
  Record rec;
  while (reader.next(rec)) {
    if (const Load load = orv::step_for(table, rec)) load(tables, rec, ends, passes);
  }
  reader.rewind();
}

}  // namespace

void mark_occupation(ObservationTables& tables, const Record& rec) {
  if (Station* station = tables.find_station(key_at(rec, 11))) station->occupied_without_p = true;
}

std::optional<std::string> load_observation_file(orv::CardReader& reader, ObservationTables& tables,
                                                  const ObservationPasses& passes, LoadEnds& ends) {
  std::optional<std::string> job_code;
  Record rec;
  reader.rewind();
  if (reader.next(rec)) {
    job_code = std::string(orv::record_type(rec));
    if (passes.series) {
      load_pass(reader, kStationAndSeriesPass, tables, passes, ends);
    } else {
      load_pass(reader, kStationPass, tables, passes, ends);
    }
  } else {
    reader.rewind();
  }
  if (passes.series) load_pass(reader, kDistancePass, tables, passes, ends);
  if (passes.occupations) load_pass(reader, kOccupationPass, tables, passes, ends);
  return job_code;
}

}  // namespace halvic
