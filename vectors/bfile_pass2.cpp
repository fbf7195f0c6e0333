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

constexpr ColumnRule kStandpoint = known_station(11, "STANDPT SSN CC 11-14 NOT FOUND IN 80 OR 82 RECORDS");
constexpr ColumnRule kForepoint = known_station(51, "FOREPT SSN CC 51-54 NOT FOUND IN 80 OR 82 RECORDS");
constexpr ColumnRule kStations[] = {kStandpoint, kForepoint};
constexpr ColumnRule kAngleStations[] = {
    kStandpoint,
    known_station(51, "LEFT FOREPT SSN CC 51-54 NOT FOUND IN 80 OR 82 RECORDS"),
    known_station(72, "RIGHT FOREPT SSN CC 72-75 NOT FOUND IN 80 OR 82 RECORDS"),
};
constexpr ColumnRule kDistanceStations[] = {
    kStandpoint,
    known_station(46, "FOREPT SSN CC 46-49 NOT FOUND IN 80 OR 82 RECORDS"),
};

// The message texts keep their irregular blanks ("TIME  CC", a trailing blank
// on one zone text and not the other): they are the texts as printed.
constexpr std::string_view kZoneLetters = "NOPQRSTUVWXYZ";
constexpr TimeColumns kDistanceTime{41, C::digits, "TIME  CC 41-44 NON-INTEGER", kZoneLetters,
                                    "TIME ZONE CODE CC 45 NOT NOPQRSTUVWXYZ ", false, 35, "DATE CC 35-40 NON-INTEGER"};
constexpr TimeColumns kUndatedDistanceTime{41, C::digits, "TIME  CC 41-44 NON-INTEGER", kZoneLetters,
                                           "TIME ZONE CODE CC 45 NOT NOPQRSTUVWXYZ ", false, 0, {}};
constexpr TimeColumns kObservationTime{46, C::digits, "TIME CC 46-49 NON-INTEGER", kZoneLetters,
                                       "TIME ZONE CODE CC 50 NOT NOPQRSTUVWXYZ", false, 40, "DATE CC 40-45 NON-INTEGER"};
constexpr TimeColumns kContinuationTime{46, C::digits_blanks, "TIME CC 46-49 NON-INTEGER", kZoneLetters,
                                        "TIME ZONE CODE CC 50 NOT NOPQRSTUVWXYZ", true, 0, {}};

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
    run.reports.message(
        {orv::format(kDerivedYearLines[0], year), orv::format(kDerivedYearLines[1], began, ended)}, rec);
  }
}

void time_and_date(Run& run, std::string_view rec, const TimeColumns& c) {
  const int time_last = c.time_first + 3;
  const int zone = c.time_first + 4;
  if (!number_ok(rec, c.time_first, time_last, c.time_chars)) {
    run.reports.message(c.time_message, rec);
  } else if (!c.zone_only_after_time || !blank_field(rec, c.time_first, time_last)) {
    const ColumnRule zone_rule[] = {one_of(zone, zone, c.zone_letters, c.zone_message)};
    check_columns(run, rec, zone_rule);
  }
  if (c.date_first == 0) return;
  if (!number_ok(rec, c.date_first, c.date_first + 5, C::digits)) {
    run.reports.message(c.date_message, rec);
    return;
  }
  derived_year_check(run, rec, integer_field(rec, c.date_first, c.date_first + 1));
}

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
      run.reports.message(kNotDistanceMeter, orv::joined({" ", rec}));
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

constexpr RuleSet kEtaOldSet{60, "3-digit version", kEtaOld};
constexpr RuleSet kAzimuthSet{60, {}, kAzimuth};
constexpr RuleSet kComputationOldSet{60, "3-digit version", kComputationOld};
constexpr ColumnRule kComputationNew[] = {one_of(20, 20, "AL", "COMP CODE CC 20 IS NOT AL (NEW VQ VERSION)")};
constexpr RuleSet kComputationNewSet{60, "4-digit version", kComputationNew, Finding::first};
constexpr RuleSet kEtaLaplaceSet{60, "4-digit version, cc 20 holds L", kEtaLaplace};
constexpr RuleSet kEtaAstronomicSet{60, "4-digit version, cc 20 holds A and cc 15-19 are not blank", kEtaAstronomic};

void azimuth_checks(Run& run, std::string_view rec) {
  if (!run.new_version) {
    check_columns(run, rec, kEtaOldSet);
    check_columns(run, rec, kAzimuthSet);
    check_columns(run, rec, kComputationOldSet);
    return;
  }
  switch (orv::col(rec, 20)) {
    case 'L': check_columns(run, rec, kEtaLaplaceSet); break;
    case 'A':
      if (!blank_field(rec, 15, 19)) check_columns(run, rec, kEtaAstronomicSet);
      break;
    default: check_columns(run, rec, kComputationNewSet); break;
  }
  check_columns(run, rec, kAzimuthSet);
}
constexpr const RuleSet* kAzimuthSets[] = {&kEtaOldSet,     &kComputationOldSet, &kComputationNewSet,
                                           &kEtaLaplaceSet, &kEtaAstronomicSet,  &kAzimuthSet};

// The checks of each record, in the order they are made.
using Check = Pass2Check;
constexpr Check rules(std::span<const ColumnRule> r) { return {r, nullptr, nullptr, nullptr, {}}; }
constexpr Check time(const TimeColumns& t) { return {{}, &t, nullptr, nullptr, {}}; }
constexpr Check instrument(const InstrumentColumns& i) { return {{}, nullptr, &i, nullptr, {}}; }

constexpr Check kDirection[] = {time(kObservationTime), rules(kStations), instrument(kInstrument),
                                rules(kDirectionRules)};
constexpr Check kDirectionContinuation[] = {time(kContinuationTime), rules(kStations), rules(kDirectionRules)};
constexpr Check kAngle[] = {time(kObservationTime), rules(kAngleStations), instrument(kInstrument),
                            rules(kAngleRules)};
constexpr Check kAngleContinuation[] = {time(kContinuationTime), rules(kAngleStations), rules(kAngleRules)};
constexpr Check kVertical[] = {time(kObservationTime), rules(kStations), instrument(kInstrument),
                               rules(kVerticalRules)};
constexpr Check kVerticalContinuation[] = {time(kContinuationTime), rules(kStations), rules(kVerticalRules)};
constexpr Check kHeightDifference[] = {rules(kStations), instrument(kInstrument), time(kObservationTime),
                                       rules(kHeightDifferenceRules)};
// *50* and *51*: the instrument before the distance code; *52* and *54*
// the other way round.
constexpr Check kDistance50[] = {rules(kDistanceStations), time(kDistanceTime), rules(kDistanceRules),
                                 instrument(kDistanceInstrument), rules(kDistanceCode50)};
constexpr Check kDistance51[] = {rules(kDistanceStations), time(kUndatedDistanceTime), rules(kDistanceRules),
                                 instrument(kDistanceInstrument), rules(kDistanceCode51)};
constexpr Check kDistance52[] = {rules(kDistanceStations), time(kDistanceTime), rules(kDistance52Rules),
                                 instrument(kDistanceInstrument)};
constexpr Check kDistance54[] = {rules(kDistanceStations), time(kDistanceTime), rules(kDistance54Rules),
                                 instrument(kDistanceInstrument)};
constexpr Check kAstronomicAzimuth[] = {rules(kStations), time(kObservationTime), instrument(kInstrument),
                                        {{}, nullptr, nullptr, azimuth_checks, kAzimuthSets}, rules(kSigma60)};

constexpr Pass2Record kPass2[] = {
    {20, kDirection},         {22, kDirectionContinuation}, {30, kAngle},       {32, kAngleContinuation},
    {40, kVertical},          {42, kVerticalContinuation},  {45, kHeightDifference}, {50, kDistance50},
    {51, kDistance51},        {52, kDistance52},            {54, kDistance54},  {60, kAstronomicAzimuth},
};

}  // namespace

std::span<const Pass2Record> pass2_checks() { return kPass2; }

void pass2_step(Run& run, std::string_view record) {
  const Pass2Record* row = orv::row_for(kPass2, record);
  if (row == nullptr) return;
  for (const Check& check : row->value) {
    if (check.time != nullptr) time_and_date(run, record, *check.time);
    if (check.instrument != nullptr) instrument_step(run, record, *check.instrument);
    if (check.custom != nullptr) check.custom(run, record);
    check_columns(run, record, check.rules);
  }
}

}  // namespace tamrel
