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
constexpr YearWindow kFallbackWindow{19, 30, 20, 3};

void project_years(Run& run, std::string_view rec) {
  YearWindow& window = run.tables.window;
  for (const ColumnRule& rule : kYearRules) {
    if (!rule_passes(rec, rule)) {
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
void occupation(Run& run, std::string_view rec) {
  auto& table = run.tables.occupations;
  if (table.size() == kCapacities.occupations) {
    table_full(run, format("NUMBER OF 25 RECORDS EXCEEDS %5zuEXECUTION TERMINATED", kCapacities.occupations));
  }
  if (!number_ok(rec, 28, 30, C::digits_blanks)) {
    fatal(run, "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 NON-INTEGER, EXECUTION TERMINATED ", rec);
  }
  if (blank_field(rec, 28, 30)) {
    fatal(run, "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 BLANK, EXECUTION TERMINATED ", rec);
  }
  Occupation entry;
  entry.ssn = orv::ssn_key(cols(rec, 11, 14));
  entry.media_id = std::string(cols(rec, 15, 24));
  entry.instrument = integer_field(rec, 28, 30);
  if (!blank_field(rec, 33, 35)) {
    if (!number_ok(rec, 33, 35, C::digits_blanks)) {
      fatal(run, "25 RECORD JOB SPECIFIC ANTENNA NUMBER CC 33-35 NON-INTEGER, EXECUTION TERMINATED ", rec);
    }
    entry.antenna = integer_field(rec, 33, 35);
  }
  table.push_back(std::move(entry));
}

void antenna_height(Run& run, std::string_view rec) {
  if (!number_ok(rec, 25, 29, C::signed_decimal)) {
    fatal(run, "27 RECORD ANTENNA HEIGHT CC 25-29  NON-INTEGER, EXECUTION TERMINATED", rec);
  }
  const double height = orv::read_number(cols(rec, 25, 29), {C::signed_decimal, orv::Blanks::ignored, 3}).value_or(0.0);
  auto& table = run.tables.occupations;
  if (table.empty() || !(table.back().ssn == orv::ssn_key(cols(rec, 11, 14)))) {
    fatal(run, "27 RECORD SSN CC 11-14 DOES NOT MATCH PRECEDING 25  RECORD SSN CC 11-14, EXECUTION TERMINATED", rec);
  }
  table.back().antenna_height = height;
}

// --- *70* instrument ---------------------------------------------------------------

void instrument(Run& run, std::string_view rec) {
  if (!number_ok(rec, 14, 16, C::digits_blanks)) {
    fatal(run, "70 RECORD EQUIPMENT CODE CC 14-16 NON-INTEGER, EXECUTION TERMINATED", rec);
  }
  if (blank_field(rec, 11, 13)) {
    fatal(run, "70 RECORD JOB SPECIFIC INSTRUMENT NUMBER CC 11-13 BLANK, EXECUTION TERMINATED", rec);
  }
  if (!number_ok(rec, 11, 13, C::digits_blanks)) {
    fatal(run, "70 RECORD INSTRUMENT NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED", rec);
  }
  const Instrument entry{integer_field(rec, 11, 13), integer_field(rec, 14, 16), std::string(cols(rec, 23, 70)),
                         std::string(cols(rec, 71, 80))};
  if (blank_field(rec, 71, 80)) {
    run.reports.message("70 RECORD INSTRUMENT SERIAL NUMBER CC 71-80 IS BLANK", rec);
  } else if (orv::col(rec, 71) == ' ') {
    run.reports.message("70 RECORD INSTRUMENT SERIAL NUMBER CC 71-80 IS NOT LEFT JUSTIFIED", rec);
  }
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

// A text field: all blank, or not starting in its first column.
struct TextField {
  int first;
  int last;
  std::string_view blank;
  std::string_view not_left_justified;
};

constexpr TextField kAntennaFields71[] = {
    {14, 29, "71 RECORD KVR ANTENNA CODE CC 14-29 IS BLANK", "71 RECORD KVR ANTENNA CODE CC 14-29 IS NOT LEFT JUSTIFIED"},
    {30, 41, "71 RECORD ANTENNA SERIAL NUMBER CC 30-41 IS BLANK",
     "71 RECORD ANTENNA SERIAL NUMBER CC 30-41 IS NOT LEFT JUSTIFIED"},
    {42, 53, "71 RECORD ANTENNA PHASE PATTERN FILE CC 42-53 IS BLANK",
     "71 RECORD ANTENNA PHASE PATTERN FILE CC 42-53 IS NOT LEFT JUSTIFIED"},
    {54, 59, "71 RECORD SOURCE ORGANIZATION CC 54-59 IS BLANK",
     "71 RECORD SOURCE ORGANIZATION CC 54-59 IS NOT LEFT JUSTIFIED"},
};
constexpr TextField kAntennaFields72[] = {
    {17, 36, "72 RECORD KVR ANTENNA CODE CC 17-36 IS BLANK", "72 RECORD KVR ANTENNA CODE CC 17-36 IS NOT LEFT JUSTIFIED"},
    {45, 64, "72 RECORD ANTENNA SERIAL NUMBER CC 45-64 IS BLANK",
     "72 RECORD ANTENNA SERIAL NUMBER CC 45-64 IS NOT LEFT JUSTIFIED"},
};

struct AntennaLayout {
  AntennaTable table;
  AntennaTable other;
  std::string_view non_integer;
  std::string_view blank;
  std::span<const TextField> fields;
  const char* limit;
  std::string_view duplicate;
};

// The limit lines and duplicate texts keep their blanks as printed ("%4zu "
// against the occupations' "%5zuEXECUTION", "CC 11-13  EXISTS").
constexpr AntennaLayout kAntenna71{AntennaTable::t71, AntennaTable::t72,
                                   "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED",
                                   "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED",
                                   kAntennaFields71, "NUMBER OF 71 RECORDS EXCEEDS %4zu EXECUTION TERMINATED",
                                   "DUPLICATE JOB SPECIFIC ANTENNA NUMBER CC 11-13  EXISTS IN 71 RECORDS"};
constexpr AntennaLayout kAntenna72{AntennaTable::t72, AntennaTable::t71,
                                   "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED",
                                   "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED",
                                   kAntennaFields72, "NUMBER OF 72 RECORDS EXCEEDS %4zu EXECUTION TERMINATED",
                                   "DUPLICATE JOB SPECIFIC ANTENNA NUMBER CC 11-13  EXISTS IN 72 RECORDS"};

std::vector<int>& antennas(BfileTables& tables, AntennaTable table) {
  return table == AntennaTable::t71 ? tables.antennas_71 : tables.antennas_72;
}

void antenna(Run& run, std::string_view rec, const AntennaLayout& layout) {
  if (!antennas(run.tables, layout.other).empty()) {
    fatal(run, "71 AND 72 RECORDS NOT ALLOWED IN THE SAME BFILE, EXECUTION TERMINATED", rec);
  }
  if (!number_ok(rec, 11, 13, C::digits_blanks)) fatal(run, layout.non_integer, rec);
  if (blank_field(rec, 11, 13)) fatal(run, layout.blank, rec);
  const int number = integer_field(rec, 11, 13);
  for (const TextField& field : layout.fields) {
    if (blank_field(rec, field.first, field.last)) {
      run.reports.message(field.blank, rec);
    } else if (orv::col(rec, field.first) == ' ') {
      run.reports.message(field.not_left_justified, rec);
    }
  }
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

void position(Run& run, std::string_view rec) {
  add_station(run, rec, run.tables.stations_80, "NUMBER OF OBS *80* RECORDS EXCEEDS %5zuEXECUTION TERMINATED");
  check_columns(run, rec, kPositionRules);
  if (!blank_field(rec, 70, 75)) check_columns(run, rec, kElevationRules);
  check_columns(run, rec, kOrderAndTypeRule);
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

void heights(Run& run, std::string_view rec) {
  if (!blank_field(rec, 17, 29)) {
    check_columns(run, rec, kOrthometricRules);
    if (!agency_found(run, cols(rec, 30, 35))) {
      run.reports.message("86 RECORD ORTHOMETRIC HT ORGANIZATION CC 30-35 NOT IN CONTRIB.DAT", rec);
    }
  }
  if (!blank_field(rec, 36, 43)) check_columns(run, rec, kGeoidHeightRules);
  if (!blank_field(rec, 46, 56)) check_columns(run, rec, kEllipsoidRules);
}

void geoid(Run& run, std::string_view rec) { check_columns(run, rec, run.new_version ? kGeoidNew : kGeoidOld); }
void deflection(Run& run, std::string_view rec) { check_columns(run, rec, kDeflectionRules); }

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

void pass1_step(Run& run, std::string_view record) {
  if (const Step step = orv::step_for(kPass1, record)) step(run, record);
}

}  // namespace tamrel
