// Pass 2 over the B-file: the observation records checked against the tables
// of pass 1 and the years of observation.

#include <cstdlib>

#include "common/card.hpp"
#include "common/record_code.hpp"
#include "vectors/column_rules.hpp"

namespace tamrel {

namespace {

using orv::cols;
using C = Chars;

// --- shared steps ----------------------------------------------------------------------

constexpr std::string_view kStandpoint = "STANDPT SSN CC 11-14 NOT FOUND IN 80 OR 82 RECORDS";
constexpr std::string_view kForepoint = "FOREPT SSN CC 51-54 NOT FOUND IN 80 OR 82 RECORDS";
constexpr std::string_view kDistanceForepoint = "FOREPT SSN CC 46-49 NOT FOUND IN 80 OR 82 RECORDS";

void station(Run& run, std::string_view rec, int first, std::string_view message) {
  if (!run.tables.station_found(orv::ssn_key(cols(rec, first, first + 3)), StationScope::positions_and_auxiliaries)) {
    run.reports.message(message, rec);
  }
}

// Where a record keeps its time, zone letter and date (date_first 0: none).
struct TimeColumns {
  int time_first;
  Chars time_chars;
  std::string_view time_message;
  std::string_view zone_message;
  bool zone_only_after_time;  // the zone letter is looked at only when a time is given
  int date_first;
  std::string_view date_message;
};

// The message texts keep their irregular blanks ("TIME  CC", a trailing blank
// on one zone text and not the other): they are the texts as printed.
constexpr TimeColumns kDistanceTime{41, C::digits, "TIME  CC 41-44 NON-INTEGER",
                                    "TIME ZONE CODE CC 45 NOT NOPQRSTUVWXYZ ", false, 35, "DATE CC 35-40 NON-INTEGER"};
constexpr TimeColumns kUndatedDistanceTime{41, C::digits, "TIME  CC 41-44 NON-INTEGER",
                                           "TIME ZONE CODE CC 45 NOT NOPQRSTUVWXYZ ", false, 0, {}};
constexpr TimeColumns kObservationTime{46, C::digits, "TIME CC 46-49 NON-INTEGER",
                                       "TIME ZONE CODE CC 50 NOT NOPQRSTUVWXYZ", false, 40, "DATE CC 40-45 NON-INTEGER"};
constexpr TimeColumns kContinuationTime{46, C::digits_blanks, "TIME CC 46-49 NON-INTEGER",
                                        "TIME ZONE CODE CC 50 NOT NOPQRSTUVWXYZ", true, 0, {}};

constexpr std::string_view kZoneLetters = "NOPQRSTUVWXYZ";

// The century of a 2-digit year is the window's first or last, whichever
// year it lies nearer (a tie to the first); outside the window it is reported.
void derived_year_check(Run& run, std::string_view rec, int yy) {
  const YearWindow& w = run.tables.window;
  int century = w.first_century;
  if (w.first_century != w.last_century && std::abs(yy - w.first_year) > std::abs(yy - w.last_year)) {
    century = w.last_century;
  }
  const int year = 100 * century + yy;
  const int began = 100 * w.first_century + w.first_year;
  const int ended = 100 * w.last_century + w.last_year;
  if (year < began || year > ended) {
    run.reports.message({orv::format(" THE DERIVED 4-DIGIT YEAR %4d", year),
                         orv::format(" IS NOT BETWEEN *12* YEAR OBS BEGAN %4d AND YEAR OBS END %4d", began, ended)},
                        rec);
  }
}

void time_and_date(Run& run, std::string_view rec, const TimeColumns& c) {
  const int time_last = c.time_first + 3;
  const int zone = c.time_first + 4;
  if (!number_ok(rec, c.time_first, time_last, c.time_chars)) {
    run.reports.message(c.time_message, rec);
  } else if (!c.zone_only_after_time || !blank_field(rec, c.time_first, time_last)) {
    const ColumnRule zone_rule[] = {one_of(zone, zone, kZoneLetters, c.zone_message)};
    check_columns(run, rec, zone_rule);
  }
  if (c.date_first == 0) return;
  if (!number_ok(rec, c.date_first, c.date_first + 5, C::digits)) {
    run.reports.message(c.date_message, rec);
    return;
  }
  derived_year_check(run, rec, integer_field(rec, c.date_first, c.date_first + 1));
}

// Where a record names its instrument and the IDB marker.
struct InstrumentColumns {
  int first;
  int idb_first;
  bool distance;  // the instrument must be a distance meter
  std::string_view non_integer;
  std::string_view not_found;
};

constexpr InstrumentColumns kInstrument{33, 30, false, "JOB SPECIFIC INSTRUMENT NUMBER CC 33-35 NON-INTEGER",
                                        "JOB SPECIFIC INSTRUMENT NUMBER CC 33-35 NOT FOUND IN 70 RECORDS"};
constexpr InstrumentColumns kDistanceInstrument{23, 20, true, "JOB SPECIFIC INSTRUMENT NUMBER CC 23-25 NON-INTEGER",
                                                "JOB SPECIFIC INSTRUMENT NUMBER CC 23-25 NOT FOUND IN 70 RECORDS"};

void instrument_step(Run& run, std::string_view rec, const InstrumentColumns& c) {
  if (!number_ok(rec, c.first, c.first + 2, C::digits_blanks)) {
    run.reports.message(c.non_integer, rec);
    return;
  }
  if (const Instrument* found = run.tables.instrument(integer_field(rec, c.first, c.first + 2))) {
    if (c.distance && (found->equipment_code < 400 || found->equipment_code > 899)) {
      run.reports.message(" **70* REC EQUIP CODE NOT 400-899", orv::joined({" ", rec}));
    }
    return;
  }
  // Data taken from the agency's database carries no *70* records: one
  // notice, then its observations pass without the not-found message.
  if (cols(rec, c.idb_first, c.idb_first + 2) == "IDB") {
    if (run.idb_notice_given) return;
    run.idb_notice_given = true;
    constexpr std::string_view kNotice = "SUBSEQUENT IDB OBS WILL NOT BE FLAGGED FOR MISSING *70* RECORDS";
    if (cols(rec, 8, 9) == "20") {
      run.reports.both(kNotice);
    } else {
      run.reports.long_only(kNotice);
    }
  }
  run.reports.message(c.not_found, rec);
}

// --- by record code ------------------------------------------------------------------------

constexpr ColumnRule kDirectionRules[] = {
    number(64, 72, C::digits_blanks, "DIRECTION CC 64-72 NON-INTEGER"),
    number(77, 80, C::digits_blanks, "SIGMA CC 77-80 NON-INTEGER"),
};
constexpr ColumnRule kAngleRules[] = {
    number(64, 71, C::digits_blanks, "ANGLE CC 64-71 NON-INTEGER"),
};
constexpr ColumnRule kVerticalRules[] = {
    number(77, 80, C::digits_blanks, "SIGMA CC 77-80 NON-INTEGER"),
    number(64, 71, C::digits_blanks, "VA OR ZD 64-71 NON-INTEGER"),
};
constexpr ColumnRule kHeightDifferenceRules[] = {
    number(64, 72, C::signed_implied, "ELEVATION DIFFERENCE CC 64-72 NON-INTEGER"),
    number(73, 76, C::digits_blanks, "SIGMA CC 73-76 NON-INTEGER"),
};
constexpr ColumnRule kDistanceRules[] = {
    number(77, 80, C::digits_blanks, "SIGMA CC 77-80 NON-INTEGER"),
    number(64, 72, C::digits_blanks, "DISTANCE CC 64-72 NON-INTEGER"),
};
constexpr ColumnRule kDistanceCode50[] = {one_of(73, 73, "THS", "DISTANCE CODE CC 73 IS NOT THS")};
constexpr ColumnRule kDistanceCode51[] = {one_of(73, 73, "S", "DISTANCE CODE CC 73 IS NOT S")};
constexpr ColumnRule kDistance52Rules[] = {
    number(77, 80, C::digits_blanks, "SIGMA CC 77-80 NON-INTEGER"),
    number(64, 72, C::digits_blanks, "DISTANCE CC 64-72 NON-INTEGER"),
    one_of(73, 73, "XG", "DISTANCE CODE CC 73 IS NOT XG"),
};
constexpr ColumnRule kDistance54Rules[] = {
    number(78, 80, C::digits_blanks, "SIGMA CC 78-80 IS NON-INTEGER"),
    number(64, 73, C::digits_blanks, "DISTANCE CC 64-73 NON-INTEGER"),
    one_of(74, 74, "XG", "DISTANCE CODE CC 74 IS NOT XG"),
};

// *20* and *22*, *30* and *32*, *40* and *42*: the second of each pair
// continues a set and carries no instrument and no date.
enum class InSet { first, continuation };

void direction_or_vertical(Run& run, std::string_view rec, InSet in_set, std::span<const ColumnRule> rules) {
  time_and_date(run, rec, in_set == InSet::first ? kObservationTime : kContinuationTime);
  station(run, rec, 11, kStandpoint);
  station(run, rec, 51, kForepoint);
  if (in_set == InSet::first) instrument_step(run, rec, kInstrument);
  check_columns(run, rec, rules);
}

void angle(Run& run, std::string_view rec, InSet in_set) {
  time_and_date(run, rec, in_set == InSet::first ? kObservationTime : kContinuationTime);
  station(run, rec, 11, kStandpoint);
  station(run, rec, 51, "LEFT FOREPT SSN CC 51-54 NOT FOUND IN 80 OR 82 RECORDS");
  station(run, rec, 72, "RIGHT FOREPT SSN CC 72-75 NOT FOUND IN 80 OR 82 RECORDS");
  if (in_set == InSet::first) instrument_step(run, rec, kInstrument);
  check_columns(run, rec, kAngleRules);
}

void height_difference(Run& run, std::string_view rec) {
  station(run, rec, 11, kStandpoint);
  station(run, rec, 51, kForepoint);
  instrument_step(run, rec, kInstrument);
  time_and_date(run, rec, kObservationTime);
  check_columns(run, rec, kHeightDifferenceRules);
}

// *50* and *51*: the instrument before the distance code.
void distance(Run& run, std::string_view rec, const TimeColumns& time, std::span<const ColumnRule> code) {
  station(run, rec, 11, kStandpoint);
  station(run, rec, 46, kDistanceForepoint);
  time_and_date(run, rec, time);
  check_columns(run, rec, kDistanceRules);
  instrument_step(run, rec, kDistanceInstrument);
  check_columns(run, rec, code);
}

// *52* and *54*: the distance code before the instrument.
void long_distance(Run& run, std::string_view rec, std::span<const ColumnRule> rules) {
  station(run, rec, 11, kStandpoint);
  station(run, rec, 46, kDistanceForepoint);
  time_and_date(run, rec, kDistanceTime);
  check_columns(run, rec, rules);
  instrument_step(run, rec, kDistanceInstrument);
}

// --- *60* astronomic azimuth ------------------------------------------------------------

constexpr ColumnRule kEtaOld[] = {
    filled(15, 18, "ETA CC 15-18 IS BLANK"),
    number(15, 18, C::digits_blanks, "ETA CC 15-18 NON-INTEGER"),
    one_of(19, 19, "EW", "DIRECTION OF ETA CC 19 IS NOT EW"),
};
constexpr ColumnRule kAzimuth[] = {
    filled(64, 71, "AZIMUTH CC 64-71 IS BLANK"),
    number(64, 71, C::digits_blanks, "AZIMUTH CC 64-71 NON-INTEGER"),
    one_of(72, 72, "NS", "ORIGIN OF AZIMUTH CC 72 IS NOT NS"),
};
constexpr ColumnRule kComputationOld[] = {
    one_of(20, 20, "LA ", "COMP CODE CC 20 IS NOT AL OR BLANK (OLD VQ VERSION)"),
};
// New version: the eta as the computation code asks for it.
constexpr ColumnRule kEtaLaplace[] = {
    filled(15, 18, "ETA CC 15-18 IS BLANK"),
    number(15, 18, C::unsigned_decimal, "ETA CC 15-18 NON-INTEGER"),
    one_of(19, 19, "EW", "DIRECTION OF ETA CC 19 IS NOT EW"),
};
constexpr ColumnRule kEtaAstronomic[] = {
    number(15, 18, C::digits_blanks, "ETA CC 15-18 NON-INTEGER"),
    one_of(19, 19, "EW", "DIRECTION OF ETA CC 19 IS NOT EW"),
};
constexpr ColumnRule kSigma60[] = {number(77, 80, C::digits_blanks, "SIGMA CC 77-80 NON-INTEGER")};

void azimuth_checks(Run& run, std::string_view rec) {
  if (!run.new_version) {
    check_columns(run, rec, kEtaOld);
    check_columns(run, rec, kAzimuth);
    check_columns(run, rec, kComputationOld);
    return;
  }
  switch (orv::col(rec, 20)) {
    case 'L': check_columns(run, rec, kEtaLaplace); break;
    case 'A':
      if (!blank_field(rec, 15, 19)) check_columns(run, rec, kEtaAstronomic);
      break;
    default: run.reports.message("COMP CODE CC 20 IS NOT AL (NEW VQ VERSION)", rec); break;
  }
  check_columns(run, rec, kAzimuth);
}

void astronomic_azimuth(Run& run, std::string_view rec) {
  station(run, rec, 11, kStandpoint);
  station(run, rec, 51, kForepoint);
  time_and_date(run, rec, kObservationTime);
  instrument_step(run, rec, kInstrument);
  azimuth_checks(run, rec);
  check_columns(run, rec, kSigma60);
}

using Step = void (*)(Run&, std::string_view);
constexpr orv::ByCode<Step> kPass2[] = {
    {20, [](Run& run, std::string_view rec) { direction_or_vertical(run, rec, InSet::first, kDirectionRules); }},
    {22, [](Run& run, std::string_view rec) { direction_or_vertical(run, rec, InSet::continuation, kDirectionRules); }},
    {30, [](Run& run, std::string_view rec) { angle(run, rec, InSet::first); }},
    {32, [](Run& run, std::string_view rec) { angle(run, rec, InSet::continuation); }},
    {40, [](Run& run, std::string_view rec) { direction_or_vertical(run, rec, InSet::first, kVerticalRules); }},
    {42, [](Run& run, std::string_view rec) { direction_or_vertical(run, rec, InSet::continuation, kVerticalRules); }},
    {45, height_difference},
    {50, [](Run& run, std::string_view rec) { distance(run, rec, kDistanceTime, kDistanceCode50); }},
    {51, [](Run& run, std::string_view rec) { distance(run, rec, kUndatedDistanceTime, kDistanceCode51); }},
    {52, [](Run& run, std::string_view rec) { long_distance(run, rec, kDistance52Rules); }},
    {54, [](Run& run, std::string_view rec) { long_distance(run, rec, kDistance54Rules); }},
    {60, astronomic_azimuth},
};

}  // namespace

void pass2_step(Run& run, std::string_view record) {
  if (const Step step = orv::step_for(kPass2, record)) step(run, record);
}

}  // namespace tamrel
