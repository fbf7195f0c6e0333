// The G-file pass: every record checked column by column as it is read, the
// vectors kept for the cross-checks, and the listing records written.  The
// file is read one line at a time and never held.

#include <algorithm>
#include <cmath>

#include "common/card.hpp"
#include "common/record_code.hpp"
#include "common/report_lines.hpp"
#include "vectors/gfile_records.hpp"

namespace tamrel {

using orv::format;

namespace {

std::string text_of(std::string_view record, Columns c) { return std::string(field(record, c)); }

// --- B record --------------------------------------------------------------------

constexpr BNumber kBNumbers[] = {
    {b_record::kVectors, Chars::digits_blanks, 0,
     "B RECORD NUMBER OF VECTORS IN GROUP CC 26-28 NON-INTEGER, EXECUTION TERMINATED"},
    {b_record::kOrbitAccuracy, Chars::signed_implied, 1,
     "B RECORD ORBIT_ACCU CC 48-51 NON-INTEGER, EXECUTION TERMINATED",
     "B RECORD ORBIT_ACCU CC 48-51 IS BLANK, EXECUTION TERMINATED"},
    {b_record::kStartDate, Chars::digits_blanks, 0, "B RECORD STARTING DATE CC 2-9 NON-INTEGER, EXECUTION TERMINATED"},
    {b_record::kStartTime, Chars::digits_blanks, 0, "B RECORD STARTING TIME CC 10-13 NON-INTEGER, EXECUTION TERMINATED"},
    {b_record::kEndDate, Chars::digits_blanks, 0, "B RECORD ENDING DATE CC 14-21 NON-INTEGER, EXECUTION TERMINATED"},
    {b_record::kEndTime, Chars::digits_blanks, 0, "B RECORD ENDING TIME CC 22-25 NON-INTEGER, EXECUTION TERMINATED"},
};

struct BValues {
  long vectors, start_date, start_time, end_date, end_time;
  double orbit_accuracy;
};

BValues b_numbers(Run& run, std::string_view rec) {
  double v[std::size(kBNumbers)];
  for (std::size_t i = 0; i < std::size(kBNumbers); ++i) {
    const BNumber& n = kBNumbers[i];
    const auto value = checked_value(rec, n.columns, n.chars, n.implied, Blanks::zeros);
    if (!value) fatal(run, n.message, rec);
    if (!n.blank_message.empty() && blank_field(rec, n.columns)) fatal(run, n.blank_message, rec);
    v[i] = *value;
  }
  auto whole = [](double d) { return static_cast<long>(std::lround(d)); };
  return {whole(v[0]), whole(v[2]), whole(v[3]), whole(v[4]), whole(v[5]), v[1]};
}

// The orbit sources, reference systems and use codes, each as wide as its field.
constexpr std::string_view kOrbitSourceCodes = "NSWC BROADKVR  DMA  SIO  AEROSPCISEUNK  JPL  EMR  COD  IGS  ";
// 1-9 as "01", " 1" or "1 ", 10-19, 98 and 99.
constexpr std::string_view kReferenceSystemCodes =
    "010203040506070809" " 1 2 3 4 5 6 7 8 9" "1 2 3 4 5 6 7 8 9 " "10111213141516171819" "9899";
constexpr std::string_view kUseCodes = "010203" " 1 2 3" "1 2 3 ";

// The second line of two texts starts with a blank and the first line of
// another ends in one: the texts as printed.
constexpr ColumnRule kBCodes[] = {
    agency(61, 66, "B RECORD PROCESSING AGENCY CC 61-66 NOT IN CONTRIB.DAT"),
    one_of(43, 47, kOrbitSourceCodes, "B RECORD ORBIT SOURCE CC 43-47 NOT")
        .and_line("AEROS/BROAD/COD/DMA/EMR/IGS/JPL/KVR/NSWC/PCISE/SIO/UNK"),
    one_of(52, 53, kReferenceSystemCodes, "B REC REF SYSTEM CODE CC 52-53 NOT ")
        .and_line("1/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18/19/98/99"),
    one_of(54, 55, kUseCodes, "B RECORD MET USE CODE CC 54-55 NOT 1/2/3"),
    one_of(56, 57, kUseCodes, "B RECORD ION USE CODE CC 56-57 NOT 1/2/3"),
};
constexpr ColumnRule kBSolution[] = {
    one_of(75, 76, "L1L2IFWLOTK1K2KIKWP1P2PIPW", "B RECORD SOLUTION FREQUENCY CC 75-76 NOT")
        .and_line(" L1/L2/IF/WL/OT/K1/K2/KI/KW/P1/P2/PI/PW"),
    one_of(77, 78, "TDDDSD", "B RECORD SOLUTION DIFFERENCE CC 77-78 NOT TD/DD/SD"),
    one_of(79, 80, "FLFXPF  ", "B RECORD SOLUTION BIAS CC 79-80 NOT FL/FX/PF"),
};
constexpr RuleSet kBCodeSet{'B', {}, kBCodes};
constexpr RuleSet kBSolutionSet{'B', "cc 75-80 are not blank", kBSolution};

void b_code_checks(Run& run, std::string_view rec) {
  check_columns(run, rec, kBCodeSet);
  if (!blank_field(rec, b_record::kSolution)) check_columns(run, rec, kBSolutionSet);
}

// The list only limits the run: once it is full, every B record ends it.
void note_orbit_source(GfilePass& pass, std::string_view source) {
  if (static_cast<int>(pass.orbit_sources.size()) >= kCapacities.orbit_sources) {
    table_full(pass.run, format("NUMBER OF UNIQUE B RECORD ORBIT_SOURCES CC 43-47 EXCEEDS  %3d  EXECUTION TERMINATED",
                                kCapacities.orbit_sources));
  }
  if (!in_set(source, pass.orbit_sources)) pass.orbit_sources.emplace_back(source);
}

void b_span_checks(Run& run, std::string_view rec, const BValues& v) {
  using namespace b_record;
  if (blank_field(rec, kStartDate) || blank_field(rec, kStartTime) || blank_field(rec, kEndDate) ||
      blank_field(rec, kEndTime)) {
    run.reports.message({"B RECORD STARTING DATE CC 2-9 OR STARTING TIME CC 10-13",
                         "OR ENDING DATE CC 14-21 OR ENDING TIME CC 22-25 IS BLANK"},
                        rec);
  } else if (v.start_date > v.end_date) {
    run.reports.message("B RECORD STARTING DATE CC 2-9 IS GREATER THAN ENDING DATE CC 14-21", rec);
  } else if (v.start_date == v.end_date && v.start_time >= v.end_time) {
    run.reports.message({"B RECORD STARTING DATE CC 2-9 EQUALS ENDING DATE CC 14-21 AND ",
                         "STARTING TIME CC 10-13 IS GREATER OR EQUAL TO ENDING TIME CC 22-25"},
                        rec);
  }
}

// 70I: the group's span and solution as one listing record.
void write_70i(GfilePass& pass, std::string_view rec, const BValues& v) {
  using namespace b_record;
  const Group& g = pass.group;
  pass.run.reports.long_only(
      blank_joined({"70I", format("%4d", g.number), g.start_date, format("%04ld", v.start_time),
                    format("%08ld", v.end_date), format("%04ld", v.end_time), field(rec, kCarried),
                    field(rec, kOrbitSource), listed_decimal(v.orbit_accuracy, 5, 1), field(rec, kReferenceSystem),
                    field(rec, kMetUse), field(rec, kIonUse), field(rec, kAgency), " 7", " 1", g.code}));
}

// --- C and F records ------------------------------------------------------------

constexpr orv::NumberRule kComponentRule{Chars::signed_decimal, Blanks::ignored, 4};

// A media id of an F record is 6 characters; the occupation of that station
// supplies the other four, and without one the id stays blank.
std::string completed_media_id(const Run& run, std::string_view six, const orv::SsnKey& key) {
  if (orv::is_blank(six)) return std::string(10, ' ');
  const auto tail = run.tables.media_id_tail(key);
  if (!tail) return std::string(10, ' ');
  return std::string(six) + *tail;
}

// The listed rejection code: C records list R as O, F records any code as O.
char listed_rejection(char code, const VectorLayout& layout) {
  if (layout.letter == 'C') return code == 'R' ? 'O' : code;
  return code == ' ' ? ' ' : 'O';
}

// A vector component as listed, 4 decimals: from its digits where it has at
// most 4, else rounded from its value as a listed decimal is.
std::string listed_component(std::string_view field, const orv::DecimalDigits& value, int width) {
  constexpr int kDecimals = 4;
  if (value.scale > kDecimals) {
    return listed_decimal(*orv::read_number(field, kComponentRule), width, kDecimals);
  }
  long long digits = value.digits;
  for (int i = value.scale; i < kDecimals; ++i) digits *= 10;
  char text[kListedDigitsRoom + 16];
  return std::string(text, put_listed_digits(text, digits, std::min(width, 16), kDecimals));
}

void write_71i(GfilePass& pass, std::string_view rec, const VectorLayout& layout,
               const std::array<orv::DecimalDigits, 6>& values) {
  const Group& g = pass.group;
  const Vector& v = pass.run.vectors.back();
  std::array<std::string, 6> components;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Columns c = kVectorComponents[i].*layout.components;
    components[i] = listed_component(field(rec, c), values[i], i % 2 == 0 ? 15 : 7);
  }
  const char rejection = listed_rejection(orv::col(rec, layout.rejection_code), layout);
  pass.run.reports.long_only(
      blank_joined({"71I", format("%4d", static_cast<int>(pass.run.vectors.size())),
                    format("%4d", static_cast<int>(g.vectors.size())), format("%4d", g.number), v.origin.text(),
                    v.differential.text(), components[0], components[1], components[2], components[3], components[4],
                    components[5], std::string_view(&rejection, 1), g.frequency, g.difference, g.bias, " 1", g.code}));
}

// The I record's fields as a chain: only the first fault is reported.
constexpr ColumnRule kIRecord[] = {
    filled(2, 13, "I RECORD ANTENNA PATTERN FILE CC 2-13 BLANK"),
    left_justified(2, 13, "I RECORD ANTENNA PATTERN FILE CC 2-13 NOT LEFT JUSTIFIED"),
    agency(22, 27, "I RECORD AGENCY CC 22-27 NOT IN CONTRIB.DAT"),
    filled(28, 35, "I RECORD DATE CC 28-35 BLANK"),
    number(28, 35, Chars::digits, "I RECORD DATE NON-INTEGER"),
};
constexpr RuleSet kISet{'I', {}, kIRecord, Finding::first};

constexpr ColumnRule kCRejection[] = {one_of(58, 58, "RO ", "C RECORD REJECTION CODE CC 58 IS NOT RO OR BLANK")};
constexpr RuleSet kCRejectionSet{'C', {}, kCRejection};

}  // namespace

void b_record_step(GfilePass& pass, std::string_view rec) {
  group_completeness_check(pass);
  group_reset(pass.set);
  Group& g = pass.group;
  g.number += 1;
  g.vectors.clear();
  g.frequency = g.difference = g.bias = "  ";
  g.listing_code = "70I";
  g.code = text_of(rec, kGroupCode);

  Run& run = pass.run;
  const BValues v = b_numbers(run, rec);
  if (v.vectors > kCapacities.vectors_in_group) {
    fatal(run, format("B RECORD NUMBER OF VECTORS CC 26-27 EXCEEDS %4d EXECUTION TERMINATED", kCapacities.vectors_in_group), rec);
  }
  g.announced = static_cast<int>(v.vectors);
  g.start_date = format("%08ld", v.start_date);
  g.start_year =
      static_cast<int>(std::lround(*checked_value(rec, b_record::kStartYear, Chars::digits_blanks, 0, Blanks::zeros)));
  g.frequency = text_of(rec, b_record::kFrequency);
  g.difference = text_of(rec, b_record::kDifference);
  g.bias = text_of(rec, b_record::kBias);

  b_code_checks(run, rec);
  note_orbit_source(pass, field(rec, b_record::kOrbitSource));
  b_span_checks(run, rec, v);
  write_70i(pass, rec, v);
}

void i_record_step(GfilePass& pass, std::string_view rec) { check_columns(pass.run, rec, kISet); }

void vector_record_step(GfilePass& pass, std::string_view rec, const VectorLayout& layout) {
  Run& run = pass.run;
  Group& g = pass.group;
  g.code = text_of(rec, kGroupCode);
  g.listing_code = "71I";
  const int file_number = static_cast<int>(run.vectors.size()) + 1;
  if (static_cast<int>(g.vectors.size()) + 1 > kCapacities.vectors_in_group) {
    table_full(run,
               format("THE NUMBER OF C/F RECORDS IN A GROUP EXCEEDS %4d EXECUTION TERMINATED", kCapacities.vectors_in_group));
  }
  g.vectors.push_back(file_number);
  if (static_cast<int>(g.vectors.size()) > g.announced) {
    run.reports.message("THE C/F RECORD COUNT EXCEEDS B RECORD NUMBER OF VECTORS IN GROUP CC 26-28", rec);
  }

  std::array<orv::DecimalDigits, 6> values{};
  for (std::size_t i = 0; i < kVectorComponents.size(); ++i) {
    const VectorComponent& component = kVectorComponents[i];
    const Columns c = component.*layout.components;
    const auto value = orv::read_decimal_digits(field(rec, c), kComponentRule);
    if (!value) {
      fatal(run, field_non_integer_text(layout.letter, component.name, c), rec);
    }
    values[i] = *value;
  }

  Vector v;
  v.origin = orv::ssn_key(field(rec, layout.origin_ssn));
  v.differential = orv::ssn_key(field(rec, layout.differential_ssn));
  const std::string_view first_80 = orv::cols(rec, 1, kBRecordWidth);
  if (!run.tables.station_found(v.origin, StationScope::positions)) {
    run.reports.message(kOriginNotFound, first_80);
  }
  if (!run.tables.station_found(v.differential, StationScope::positions)) {
    run.reports.message(kDifferentialNotFound, first_80);
  }
  if (file_number > kCapacities.vectors_in_file) {
    table_full(run, format("THE NUMBER OF C/F RECORDS IN G-FILE EXCEEDS %4d EXECUTION TERMINATED", kCapacities.vectors_in_file));
  }
  if (layout.letter == 'C') {
    v.origin_media_id = text_of(rec, layout.origin_media_id);
    v.differential_media_id = text_of(rec, layout.differential_media_id);
  } else {
    v.origin_media_id = completed_media_id(run, field(rec, layout.origin_media_id), v.origin);
    v.differential_media_id = completed_media_id(run, field(rec, layout.differential_media_id), v.differential);
  }
  v.group = g.number;
  v.start_date = g.start_date;
  v.start_year = g.start_year;
  v.group_code = g.code;
  run.vectors.push_back(std::move(v));

  if (layout.letter == 'C') check_columns(run, rec, kCRejectionSet);
  write_71i(pass, rec, layout, values);
}

namespace {

using GfileStep = void (*)(GfilePass&, std::string_view);
constexpr orv::ByCode<GfileStep> kGfileSteps[] = {
    {'B', b_record_step},
    {'C', [](GfilePass& pass, std::string_view rec) { vector_record_step(pass, rec, kCRecord); }},
    {'D', [](GfilePass& pass, std::string_view rec) { matrix_record_step<kDRecord>(pass, rec); }},
    {'E', [](GfilePass& pass, std::string_view rec) { matrix_record_step<kERecord>(pass, rec); }},
    {'F', [](GfilePass& pass, std::string_view rec) { vector_record_step(pass, rec, kFRecord); }},
    {'I', i_record_step},
};

constexpr const RuleSet* kGfileSets[] = {&kBCodeSet, &kBSolutionSet, &kCRejectionSet, &kISet};

}  // namespace

std::span<const RuleSet* const> gfile_rule_sets() { return kGfileSets; }
std::span<const BNumber> b_record_numbers() { return kBNumbers; }

void gfile_pass(Run& run, std::FILE* gfile) {
  GfilePass pass(run);
  orv::CardReader reader(gfile, kGRecordWidth);
  std::string rec;
  while (reader.next(rec)) {
    if (const GfileStep step = orv::step_for(kGfileSteps, orv::record_letter(rec))) step(pass, rec);
  }
  // A read that fails must not pass a half-read G-file as checked.
  if (reader.failed()) {
    run.console.line(" error in reading G-file");
    run.reports.both(" error in reading G-file");
    execution_terminated(run);
  }
  // The last group is held to a complete set like every other: otherwise a
  // file whose final group lacks correlations would pass with its listing
  // silently short.
  group_completeness_check(pass);
}

}  // namespace tamrel
