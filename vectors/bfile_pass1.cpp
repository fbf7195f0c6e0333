// Pass 1 over the B-file: the records that define the data set's years,
// occupations, instruments, antennas, stations and heights, checked and kept.

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "common/record_code.hpp"
#include "vectors/column_rules.hpp"

namespace tamrel {

namespace {

using orv::cols;
using orv::format;
using C = Chars;

// --- *12* years of observation -------------------------------------------------

constexpr ColumnRule kYearRules[] = {
    one_of(11, 12, "181920", " *12* CENTURY FIELD OBS BEGAN CC 11-12 IS NOT 18,19,20"),
    one_of(17, 18, "181920", " *12* CENTURY FIELD OBS END CC 17-18 IS NOT 18,19,20"),
    number(13, 14, C::digits, " *12* YEAR FIELD OBS BEGAN CC 13-14 IS NON-INTEGER"),
    number(19, 20, C::digits, " *12* YEAR FIELD OBS END CC 19-20 IS NON-INTEGER"),
};
constexpr RuleSet kYears{12, {}, kYearRules, Finding::first};
constexpr YearWindow kFallbackWindow{19, 30, 20, 3};

void project_years(Run& run, std::string_view rec) {
  YearWindow& window = run.tables.window;
  for (const ColumnRule& rule : kYears.rules) {
    if (!rule_passes(run, rec, rule)) {
      run.reports.message(rule.message, rec);
      window = kFallbackWindow;
      return;
    }
  }
  window = {integer_field(rec, 11, 12), integer_field(rec, 13, 14), integer_field(rec, 17, 18),
            integer_field(rec, 19, 20)};
  const int began = 100 * window.first_century + window.first_year;
  const int ended = 100 * window.last_century + window.last_year;
  if (ended < began) {
    run.reports.message(" *12* END YEAR CC 17-20 IS LESS THAN BEGAN YEAR CC 11-14", rec);
    window = kFallbackWindow;
  } else if (ended - began >= 100) {
    run.reports.message(" *12* END YEAR CC 17-20 EXCEEDS BEGAN YEAR CC 11-14 BY MORE THAN 99", rec);
    window = kFallbackWindow;
  }
}

// --- *25* occupation, *27* antenna height ---------------------------------------

// Texts as printed: the limit runs into "EXECUTION", the fatal texts keep
// their comma before CC and their trailing blank.
constexpr ColumnRule kOccupationNumbers[] = {
    number(28, 30, C::digits_blanks,
           "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 NON-INTEGER, EXECUTION TERMINATED "),
    filled(28, 30, "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 BLANK, EXECUTION TERMINATED "),
    number(33, 35, C::digits_blanks,
           "25 RECORD JOB SPECIFIC ANTENNA NUMBER CC 33-35 NON-INTEGER, EXECUTION TERMINATED "),
};
constexpr RuleSet kOccupation{25, {}, kOccupationNumbers, Finding::fatal};

void occupation(Run& run, std::string_view rec) {
  auto& table = run.tables.occupations;
  if (table.size() == kCapacities.occupations) {
    table_full(run, format("NUMBER OF 25 RECORDS EXCEEDS %5zuEXECUTION TERMINATED", kCapacities.occupations));
  }
  check_columns(run, rec, kOccupation);
  Occupation entry;
  entry.ssn = orv::ssn_key(cols(rec, 11, 14));
  entry.media_id = std::string(cols(rec, 15, 24));
  entry.instrument = integer_field(rec, 28, 30);
  if (!blank_field(rec, 33, 35)) entry.antenna = integer_field(rec, 33, 35);
  table.push_back(std::move(entry));
}

constexpr ColumnRule kAntennaHeightNumber[] = {
    number(25, 29, C::signed_decimal, "27 RECORD ANTENNA HEIGHT CC 25-29  NON-INTEGER, EXECUTION TERMINATED"),
};
constexpr RuleSet kAntennaHeight{27, {}, kAntennaHeightNumber, Finding::fatal};

void antenna_height(Run& run, std::string_view rec) {
  check_columns(run, rec, kAntennaHeight);
  const double height = orv::read_number(cols(rec, 25, 29), {C::signed_decimal, orv::Blanks::ignored, 3}).value_or(0.0);
  auto& table = run.tables.occupations;
  if (table.empty() || !(table.back().ssn == orv::ssn_key(cols(rec, 11, 14)))) {
    fatal(run, "27 RECORD SSN CC 11-14 DOES NOT MATCH PRECEDING 25  RECORD SSN CC 11-14, EXECUTION TERMINATED", rec);
  }
  table.back().antenna_height = height;
}

// --- *70* instrument ---------------------------------------------------------------

constexpr ColumnRule kInstrumentNumbers[] = {
    number(14, 16, C::digits_blanks, "70 RECORD EQUIPMENT CODE CC 14-16 NON-INTEGER, EXECUTION TERMINATED"),
    filled(11, 13, "70 RECORD JOB SPECIFIC INSTRUMENT NUMBER CC 11-13 BLANK, EXECUTION TERMINATED"),
    number(11, 13, C::digits_blanks, "70 RECORD INSTRUMENT NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED"),
};
constexpr RuleSet kInstrumentNumberSet{70, {}, kInstrumentNumbers, Finding::fatal};
constexpr ColumnRule kInstrumentSerial[] = {
    filled(71, 80, "70 RECORD INSTRUMENT SERIAL NUMBER CC 71-80 IS BLANK"),
    left_justified(71, 80, "70 RECORD INSTRUMENT SERIAL NUMBER CC 71-80 IS NOT LEFT JUSTIFIED"),
};
constexpr RuleSet kInstrumentSerialSet{70, {}, kInstrumentSerial};

void instrument(Run& run, std::string_view rec) {
  check_columns(run, rec, kInstrumentNumberSet);
  const Instrument entry{integer_field(rec, 11, 13), integer_field(rec, 14, 16), std::string(cols(rec, 23, 70)),
                         std::string(cols(rec, 71, 80))};
  check_columns(run, rec, kInstrumentSerialSet);
  auto& table = run.tables.instruments;
  if (table.size() == kCapacities.instruments) {
    table_full(run, format("NUMBER OF 70 RECORDS EXCEEDS %4zu EXECUTION TERMINATED", kCapacities.instruments));
  }
  for (const Instrument& earlier : table) {
    if (earlier.number == entry.number && earlier.equipment_code != entry.equipment_code) {
      run.reports.message({"DUPLICATE JOB SPECIFIC INSTRUMENT NUMBER CC 11-13 WITH A DIFFERENT",
                           "EQUIPMENT CODE CC 14-16 EXISTS IN 70 RECORDS"},
                          rec);
    }
  }
  table.push_back(entry);
}

// --- *71*, *72* antennas -------------------------------------------------------------

// The number, then each text field: not blank, and starting in its first column.
constexpr ColumnRule kAntennaNumber71[] = {
    number(11, 13, C::digits_blanks, "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED"),
    filled(11, 13, "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED"),
};
constexpr ColumnRule kAntennaNumber72[] = {
    number(11, 13, C::digits_blanks, "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED"),
    filled(11, 13, "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED"),
};
constexpr ColumnRule kAntennaFields71[] = {
    filled(14, 29, "71 RECORD KVR ANTENNA CODE CC 14-29 IS BLANK"),
    left_justified(14, 29, "71 RECORD KVR ANTENNA CODE CC 14-29 IS NOT LEFT JUSTIFIED"),
    filled(30, 41, "71 RECORD ANTENNA SERIAL NUMBER CC 30-41 IS BLANK"),
    left_justified(30, 41, "71 RECORD ANTENNA SERIAL NUMBER CC 30-41 IS NOT LEFT JUSTIFIED"),
    filled(42, 53, "71 RECORD ANTENNA PHASE PATTERN FILE CC 42-53 IS BLANK"),
    left_justified(42, 53, "71 RECORD ANTENNA PHASE PATTERN FILE CC 42-53 IS NOT LEFT JUSTIFIED"),
    filled(54, 59, "71 RECORD SOURCE ORGANIZATION CC 54-59 IS BLANK"),
    left_justified(54, 59, "71 RECORD SOURCE ORGANIZATION CC 54-59 IS NOT LEFT JUSTIFIED"),
};
constexpr ColumnRule kAntennaFields72[] = {
    filled(17, 36, "72 RECORD KVR ANTENNA CODE CC 17-36 IS BLANK"),
    left_justified(17, 36, "72 RECORD KVR ANTENNA CODE CC 17-36 IS NOT LEFT JUSTIFIED"),
    filled(45, 64, "72 RECORD ANTENNA SERIAL NUMBER CC 45-64 IS BLANK"),
    left_justified(45, 64, "72 RECORD ANTENNA SERIAL NUMBER CC 45-64 IS NOT LEFT JUSTIFIED"),
};

struct AntennaLayout {
  AntennaTable table;
  AntennaTable other;
  RuleSet number;
  RuleSet fields;
  const char* limit;
  std::string_view duplicate;
};

// The limit lines and duplicate texts keep their blanks as printed ("%4zu "
// against the occupations' "%5zuEXECUTION", "CC 11-13  EXISTS").
constexpr AntennaLayout kAntenna71{AntennaTable::t71, AntennaTable::t72,
                                   {71, {}, kAntennaNumber71, Finding::fatal}, {71, {}, kAntennaFields71},
                                   "NUMBER OF 71 RECORDS EXCEEDS %4zu EXECUTION TERMINATED",
                                   "DUPLICATE JOB SPECIFIC ANTENNA NUMBER CC 11-13  EXISTS IN 71 RECORDS"};
constexpr AntennaLayout kAntenna72{AntennaTable::t72, AntennaTable::t71,
                                   {72, {}, kAntennaNumber72, Finding::fatal}, {72, {}, kAntennaFields72},
                                   "NUMBER OF 72 RECORDS EXCEEDS %4zu EXECUTION TERMINATED",
                                   "DUPLICATE JOB SPECIFIC ANTENNA NUMBER CC 11-13  EXISTS IN 72 RECORDS"};

std::vector<int>& antennas(BfileTables& tables, AntennaTable table) {
  return table == AntennaTable::t71 ? tables.antennas_71 : tables.antennas_72;
}

void antenna(Run& run, std::string_view rec, const AntennaLayout& layout) {
  if (!antennas(run.tables, layout.other).empty()) {
    fatal(run, "71 AND 72 RECORDS NOT ALLOWED IN THE SAME BFILE, EXECUTION TERMINATED", rec);
  }
  check_columns(run, rec, layout.number);
  const int number = integer_field(rec, 11, 13);
  check_columns(run, rec, layout.fields);
  auto& table = antennas(run.tables, layout.table);
  if (table.size() == kCapacities.antennas) table_full(run, format(layout.limit, kCapacities.antennas));
  for (const int earlier : table) {
    if (earlier == number) run.reports.message(layout.duplicate, rec);
  }
  table.push_back(number);
}

// --- *80*, *82* stations -----------------------------------------------------------

constexpr std::string_view kElevationCodes = "ABCDFGHJKLMPRTV";

// The order-and-type codes, tested two characters at a time in this order.
constexpr std::string_view kOrderAndTypeCodes =
    "0306"
    "11121314151617181A1B"
    "21222324252627282A2B"
    "3132333738" "3A"
    "4142434748" "4A"
    "51525354555657585A5B"
    "61626364656667686A6B"
    "7172737778" "7A"
    "8182838788" "8A"
    "AA"
    "BABBB1B2B3";
static_assert(kOrderAndTypeCodes.size() == 72 * 2);

constexpr ColumnRule kPositionRules[] = {
    number(45, 55, C::digits_blanks, "80 RECORD LATITUDE CC 45-55 NON-INTEGER"),
    number(57, 68, C::digits_blanks, "80 RECORD LONGITUDE CC 57-68 NON-INTEGER"),
};
constexpr ColumnRule kElevationRules[] = {
    number(70, 75, C::signed_decimal, "80 RECORD ELEVATION CC 70-75 NON-INTEGER"),
    one_of(76, 76, kElevationCodes, "80 RECORD ELEVATION CODE CC 76-76 NOT ABCDFGHJKLMPRTV"),
};
constexpr ColumnRule kOrderAndTypeRule[] = {
    one_of(79, 80, kOrderAndTypeCodes, "80 RECORD OT CODE CC 79-80 NOT IN ANNEX E"),
};

void add_station(Run& run, std::string_view rec, std::vector<orv::SsnKey>& table, const char* limit) {
  if (table.size() == kCapacities.stations) table_full(run, format(limit, kCapacities.stations));
  table.push_back(orv::ssn_key(cols(rec, 11, 14)));
}

constexpr RuleSet kPosition{80, {}, kPositionRules};
constexpr RuleSet kElevation{80, "cc 70-75 are not blank", kElevationRules};
constexpr RuleSet kOrderAndType{80, {}, kOrderAndTypeRule};

void position(Run& run, std::string_view rec) {
  add_station(run, rec, run.tables.stations_80, "NUMBER OF OBS *80* RECORDS EXCEEDS %5zuEXECUTION TERMINATED");
  check_columns(run, rec, kPosition);
  if (!blank_field(rec, 70, 75)) check_columns(run, rec, kElevation);
  check_columns(run, rec, kOrderAndType);
}

void auxiliary(Run& run, std::string_view rec) {
  add_station(run, rec, run.tables.stations_82, "NUMBER OF OBS *82* RECORDS EXCEEDS %5zuEXECUTION TERMINATED");
}

// --- *84*, *85*, *86* geoid, deflection, heights -------------------------------------

constexpr ColumnRule kGeoidOld[] = {
    number(72, 76, C::signed_decimal, "84 RECORD GEOID HT CC 72-76 NON-INTEGER"),
    number(77, 80, C::unsigned_decimal, "84 RECORD SIGMA CC 77-80 NON-INTEGER"),
};
// "84  RECORD" with two blanks is the text as printed.
constexpr ColumnRule kGeoidNew[] = {
    number(70, 75, C::signed_decimal, "84  RECORD GEOID HT CC 70-75 NON-INTEGER"),
    number(76, 80, C::unsigned_decimal, "84 RECORD SIGMA CC 76-80 NON-INTEGER"),
};

constexpr ColumnRule kDeflectionRules[] = {
    number(63, 67, C::unsigned_decimal, "85 RECORD MERIDIONAL COMPONENT CC 63-67 NON-INTEGER"),
    number(72, 76, C::unsigned_decimal, "85 RECORD PRIME-VERTICAL COMPONENT CC 72-76 NON-INTEGER"),
    one_of(68, 68, "NS", "85 RECORD DIRECTION OF MERIDIONAL COMPONENT CC 68 NOT NS"),
    one_of(77, 77, "EW", "85 RECORD DIRECTION OF PRIME-VERTICAL COMPONENT CC 77 NOT EW"),
    number(69, 71, C::unsigned_decimal, "85 RECORD MERIDIONAL COMPONENT SIGMA CC 69-71 NON-INTEGER"),
    number(78, 80, C::unsigned_decimal, "85 RECORD PRIME-VERTICAL COMPONENT SIGMA CC 78-80 NON-INTEGER"),
};

constexpr ColumnRule kOrthometricRules[] = {
    number(17, 23, C::signed_decimal, "86 RECORD ORTHOMETRIC HEIGHT CC 17-23 NON-INTEGER"),
    one_of(24, 24, kElevationCodes, "86 RECORD ORTHOMETRIC HEIGHT CODE CC 24 NOT ABCDFGHJKLMPRTV"),
    one_of(25, 26, "1011122021223040" "3 " "  ",
           "86 RECORD ORTHO HT ORDER AND CLASS CC 25-26 NOT 10/11/12/20/21/22/30/40/3 /  /"),
    one_of(27, 27, "YN", "86 RECORD ORTHOMETRIC HEIGHT KVRIDB INDICATOR CC 27 NOT YN"),
    one_of(28, 29, "2988LT", "86 RECORD ORTHOMETRIC HEIGHT DATUM CC 28-29 NOT 29/88/LT/"),
    agency(30, 35, "86 RECORD ORTHOMETRIC HT ORGANIZATION CC 30-35 NOT IN CONTRIB.DAT"),
};
constexpr ColumnRule kGeoidHeightRules[] = {
    number(36, 42, C::signed_decimal, "86 RECORD GEOID HEIGHT CC 36-42 NON-INTEGER"),
    one_of(43, 43, "BCDEFGHJPQTU", "86 RECORD GEOID HEIGHT CODE CC 43 NOT BCDEFGHJPQTU"),
};
constexpr ColumnRule kEllipsoidRules[] = {
    number(46, 52, C::signed_decimal, "86 RECORD ELLIPSOID HEIGHT CC 46-52 NON-INTEGER"),
    one_of(53, 53, "ABCDE", "86 RECORD ELLIPSOID HEIGHT CODE CC 53 NOT ABCDE"),
    one_of(54, 55, "11122122313241425152",
           "86 RECORD ELLIPSOID HT ORDER/CLASS CC 54-55 NOT 11/12/21/22/31/32/41/42/51/52/"),
    one_of(56, 56, "ABCDEZ", "86 RECORD ELLIPSOID HEIGHT DATUM CC 56 NOT ABCDEZ"),
};

constexpr RuleSet kOrthometric{86, "cc 17-29 are not blank", kOrthometricRules};
constexpr RuleSet kGeoidHeight{86, "cc 36-43 are not blank", kGeoidHeightRules};
constexpr RuleSet kEllipsoid{86, "cc 46-56 are not blank", kEllipsoidRules};

void heights(Run& run, std::string_view rec) {
  if (!blank_field(rec, 17, 29)) check_columns(run, rec, kOrthometric);
  if (!blank_field(rec, 36, 43)) check_columns(run, rec, kGeoidHeight);
  if (!blank_field(rec, 46, 56)) check_columns(run, rec, kEllipsoid);
}

constexpr RuleSet kGeoid3{84, "3-digit version", kGeoidOld};
constexpr RuleSet kGeoid4{84, "4-digit version", kGeoidNew};
constexpr RuleSet kDeflection{85, {}, kDeflectionRules};

void geoid(Run& run, std::string_view rec) { check_columns(run, rec, run.new_version ? kGeoid4 : kGeoid3); }
void deflection(Run& run, std::string_view rec) { check_columns(run, rec, kDeflection); }

// --- the data set's first record -----------------------------------------------------

constexpr ColumnRule kSubmittingAgency[] = {
    agency(19, 24, "DATA SET ID REC SUBMITTING AGENCY CC 19-24 NOT IN CONTRIB.DAT"),
};
constexpr RuleSet kDataSetRecord{-1, {}, kSubmittingAgency};

using Step = void (*)(Run&, std::string_view);
constexpr orv::ByCode<Step> kPass1[] = {
    {12, project_years},
    {25, occupation},
    {27, antenna_height},
    {70, instrument},
    {71, [](Run& run, std::string_view rec) { antenna(run, rec, kAntenna71); }},
    {72, [](Run& run, std::string_view rec) { antenna(run, rec, kAntenna72); }},
    {80, position},
    {82, auxiliary},
    {84, geoid},
    {85, deflection},
    {86, heights},
};

}  // namespace

void data_set_record_step(Run& run, std::string_view record) { check_columns(run, record, kDataSetRecord); }

void pass1_step(Run& run, std::string_view record) {
  if (const Step step = orv::step_for(kPass1, record)) step(run, record);
}

namespace {
constexpr const RuleSet* kPass1Sets[] = {&kDataSetRecord, &kYears, &kOccupation, &kAntennaHeight, &kInstrumentNumberSet,
                                         &kInstrumentSerialSet, &kAntenna71.number, &kAntenna71.fields,
                                         &kAntenna72.number, &kAntenna72.fields, &kPosition, &kElevation,
                                         &kOrderAndType, &kGeoid3, &kGeoid4, &kDeflection, &kOrthometric,
                                         &kGeoidHeight, &kEllipsoid};
}  // namespace

std::span<const RuleSet* const> pass1_rule_sets() { return kPass1Sets; }

}  // namespace tamrel
