// The header and the project records *10*-*13*, in the structure pass.

#include "checker/observation_rules.hpp"
#include "checker/record_checks.hpp"
#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

// --- header -------------------------------------------------------------------

void deck_code(Checker& ck, const Record& rec) {
  const char c8 = col(rec, 8);
  const char c9 = col(rec, 9);
  const bool c8_letter = c8 >= 'A' && c8 <= 'Z';
  if (!c8_letter || !((c9 >= 'A' && c9 <= 'Z') || (c9 >= '0' && c9 <= '9'))) raise(ck, 316, rec);
}
constexpr int kDeckCodeMessages[] = {316};

// CCYYMMDD: the century first, then the rest as a date without a range.
void deck_date(Checker& ck, const Record& rec) {
  if (is_blank(cols(rec, 73, 80))) {
    raise(ck, 303, rec);
    return;
  }
  const auto century = cols(rec, 73, 74);
  if (century != "19" && century != "18" && century != "20") {
    raise(ck, 312, rec);
  } else if (const int message = date_error(cols(rec, 75, 80), 303, nullptr); message != 0) {
    raise(ck, message, rec);
  }
}
constexpr int kDeckDateMessages[] = {303, 304, 305, 306, 307, 308, 309, 310, 311, 312};

constexpr Rule kHeader[] = {
    custom(8, 9, deck_code, kDeckCodeMessages, "cc 8 a capital letter, cc 9 a capital letter or a digit"),
    code_of(11, 14, "HZTLGEOM", 300),
    code_of(15, 18, "OBS CBLOVECT", 301),
    agency(19, 24, 302),
    blank(67, 72, 649),
    custom(73, 80, deck_date, kDeckDateMessages,
           "the date CCYYMMDD: not blank, century 18, 19 or 20, then YYMMDD a date (month and day may be blank)"),
};

// --- *10*, *11* -----------------------------------------------------------------

constexpr Rule kProjectText[] = {not_blank(11, 80, 1)};

// --- *12* -----------------------------------------------------------------------

// A blank with non-blanks on both sides of it.
bool blank_among_non_blanks(std::string_view field) {
  const auto first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const auto last = field.find_last_not_of(' ');
  return has_blank(field.substr(first, last - first + 1));
}

bool in_range(std::optional<long> value, long low, long high) { return value && *value >= low && *value <= high; }

// Year, then century, of a date whose four columns are neither blank nor
// broken by a blank.
void century_and_year(Checker& ck, const Record& rec, int first, int blank_year, int bad_year, int bad_century,
                      ProjectDate& date) {
  const auto year_field = cols(rec, first + 2, first + 3);
  const auto year = digits_value(year_field);
  if (has_blank(year_field)) {
    raise(ck, blank_year, rec);
    date.faulty = true;
  } else if (!year) {
    raise(ck, bad_year, rec);
    date.faulty = true;
  } else {
    date.year = static_cast<int>(*year);
  }
  const auto century = digits_value(cols(rec, first, first + 1));
  if (century) date.century = static_cast<int>(*century);
  if (!in_range(century, 18, 20)) {
    raise(ck, bad_century, rec);
    date.faulty = true;
  }
}

void project_begin(Checker& ck, const Record& rec) {
  ProjectDate& date = ck.structure.project_begin = ProjectDate{};
  if (is_blank(cols(rec, 11, 14))) {
    raise(ck, 2, rec);
    date.faulty = true;
  } else if (blank_among_non_blanks(cols(rec, 11, 14))) {
    date.faulty = true;  // no message of its own: the span tests report it
  } else {
    century_and_year(ck, rec, 11, 5, 6, 4, date);
  }
  const auto month = cols(rec, 15, 16);
  if (is_blank(month)) return;
  if (has_blank(month)) {
    raise(ck, 8, rec);
    date.faulty = true;
  } else if (!in_range(digits_value(month), 1, 12)) {
    raise(ck, 7, rec);
    date.faulty = true;
  }
}
constexpr int kBeginMessages[] = {2, 4, 5, 6, 7, 8};

void project_end(Checker& ck, const Record& rec) {
  ProjectDate& date = ck.structure.project_end = ProjectDate{};
  if (is_blank(cols(rec, 17, 20))) {
    raise(ck, 541, rec);
    date.faulty = true;
  } else if (blank_among_non_blanks(cols(rec, 17, 20))) {
    raise(ck, 542, rec);
    date.faulty = true;
  } else {
    century_and_year(ck, rec, 17, 543, 544, 545, date);
  }
  const auto month = cols(rec, 21, 22);
  if (!is_blank(month) && !in_range(digits_value(month), 1, 12)) {
    raise(ck, 546, rec);
    date.faulty = true;
  }
}
constexpr int kEndMessages[] = {541, 542, 543, 544, 545, 546};

// Tested also when a date was faulty, with what could be read of it.
void project_span(Checker& ck, const Record& rec) {
  const int begin = ck.structure.project_begin.value();
  const int end = ck.structure.project_end.value();
  const bool before = end < begin;
  const bool too_long = end - begin >= 100;
  if (before) raise(ck, 547, rec);
  if (too_long) raise(ck, 548, rec);
  ck.structure.project_span_in_order = !before && !too_long;
}
constexpr int kSpanMessages[] = {547, 548};

constexpr Rule kProject[] = {
    custom(11, 16, project_begin, kBeginMessages,
           "begin CCYY not blank, no blank among its digits, year two digits, century 18-20; month MM, "
           "when given, 01-12 without a blank"),
    custom(17, 22, project_end, kEndMessages,
           "end CCYY not blank, no blank among non-blanks, year two digits, century 18-20; month MM, when given, 01-12"),
    custom(11, 22, project_span, kSpanMessages, "end not before begin, and less than 100 years after it"),
    blank_or_capitals(23, 64, 601),
    not_blank(65, 75, 602),
    one_of(76, "1234", 9),
    state_code(77, 78, 10),
    code_of(79, 80, "00102122313240AAA0B0", 11),
};

// --- *13* -----------------------------------------------------------------------

// Either the inverse flattening or the semi-minor axis, never both.
constexpr Condition no_flattening{[](const Checker&, const Record& rec) { return is_blank(cols(rec, 61, 70)); },
                                  "cc 61-70 are blank"};

constexpr Rule kDatum[] = {
    not_blank(11, 34, 12),
    not_blank(35, 50, 13),
    filled_numeric(51, 60, 3, 14, 603),
    filled_numeric(71, 80, 3, 14, 604).when(no_flattening),
    blank(71, 80, 14).unless(no_flattening),
    numeric(61, 70, 7, 605).unless(no_flattening),
};

constexpr RecordRules kHeaders[] = {{-1, {"header", kHeader}}};
constexpr RecordRules kProjects[] = {
    {10, 11, {"project", kProjectText}},
    {12, {"project span", kProject}},
    {13, {"datum and ellipsoid", kDatum}},
};

}  // namespace

const std::span<const RecordRules> kHeaderRecordRules{kHeaders};
const std::span<const RecordRules> kProjectRecordRules{kProjects};

void check_header_record(Checker& ck, const Record& rec) { apply_rules(ck, rec, kHeader); }

void check_project_text(Checker& ck, const Record& rec) { apply_record_rules(ck, rec, kProjectRecordRules, 10); }

void check_project_record(Checker& ck, const Record& rec) {
  ck.date_range = DateRange{};
  apply_record_rules(ck, rec, kProjectRecordRules, 12);
  const StructurePassState& s = ck.structure;
  if (!s.project_begin.faulty && !s.project_end.faulty && s.project_span_in_order) {
    ck.date_range = DateRange{s.project_begin.value(), s.project_end.value()};
  }
}

void check_datum_record(Checker& ck, const Record& rec) {
  apply_record_rules(ck, rec, kProjectRecordRules, 13);
  // The block goes to the report at once, whatever the fields gave.
  ck.report.empty();
  ck.report.line(" Datum" + std::string(19, ' ') + "Ellipsoid" + std::string(7, ' ') + "a" + std::string(9, ' ') + "1/f" +
                 std::string(7, ' ') + "b");
  ck.report.line(orv::joined({" ", cols(rec, 11, 80)}));
  ck.report.empty();
  ck.report.line(" " + std::string(79, '-'));
}

}  // namespace corvelin
