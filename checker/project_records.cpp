#include "checker/builtin_tables.hpp"
#include "checker/record_checks.hpp"
#include "checker/record_fields.hpp"

namespace corvelin {

namespace {

// One end of the project span.  A part that could not be read counts as 0.
struct ProjectDate {
  int century = 0;
  int year = 0;
  bool faulty = false;
  int value() const { return century * 100 + year; }
};

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
void century_and_year(FieldTests& t, int first, int blank_year, int bad_year, int bad_century, ProjectDate& date) {
  const auto year = digits_value(t.at(first + 2, first + 3));
  if (!t.expect(!has_blank(t.at(first + 2, first + 3)), blank_year) || !t.expect(year.has_value(), bad_year)) {
    date.faulty = true;
  } else {
    date.year = static_cast<int>(*year);
  }
  const auto century = digits_value(t.at(first, first + 1));
  if (century) date.century = static_cast<int>(*century);
  if (!t.expect(in_range(century, 18, 20), bad_century)) date.faulty = true;
}

ProjectDate project_begin(FieldTests& t) {
  ProjectDate date;
  if (!t.not_blank(11, 14, 2)) {
    date.faulty = true;
  } else if (blank_among_non_blanks(t.at(11, 14))) {
    date.faulty = true;  // no message of its own: the span tests report it
  } else {
    century_and_year(t, 11, 5, 6, 4, date);
  }
  if (!t.is_blank_at(15, 16) &&
      !(t.expect(!has_blank(t.at(15, 16)), 8) && t.expect(in_range(digits_value(t.at(15, 16)), 1, 12), 7))) {
    date.faulty = true;
  }
  return date;
}

ProjectDate project_end(FieldTests& t) {
  ProjectDate date;
  if (!t.not_blank(17, 20, 541) || !t.expect(!blank_among_non_blanks(t.at(17, 20)), 542)) {
    date.faulty = true;
  } else {
    century_and_year(t, 17, 543, 544, 545, date);
  }
  if (!t.is_blank_at(21, 22) && !t.expect(in_range(digits_value(t.at(21, 22)), 1, 12), 546)) date.faulty = true;
  return date;
}

}  // namespace

void check_project_record(Checker& ck, const Record& rec) {
  ck.date_range = DateRange{};
  FieldTests t(ck, rec);
  const ProjectDate begin = project_begin(t);
  const ProjectDate end = project_end(t);
  const bool before = !t.expect(end.value() >= begin.value(), 547);
  const bool too_long = !t.expect(end.value() - begin.value() < 100, 548);
  t.all_in(23, 64, kBlankCapitals, 601);
  t.not_blank(65, 75, 602);
  t.one_of(76, 76, {"1", "2", "3", "4"}, 9);
  t.expect(is_state_code(t.at(77, 78)), 10);
  t.one_of(79, 80, {"00", "10", "21", "22", "31", "32", "40", "AA", "A0", "B0"}, 11);
  if (!begin.faulty && !end.faulty && !before && !too_long) ck.date_range = DateRange{begin.value(), end.value()};
}

void check_datum_record(Checker& ck, const Record& rec) {
  FieldTests t(ck, rec);
  t.not_blank(11, 34, 12);
  t.not_blank(35, 50, 13);
  if (t.not_blank(51, 60, 14)) t.numeric(51, 60, 3, 603);
  if (t.is_blank_at(61, 70)) {
    if (t.not_blank(71, 80, 14)) t.numeric(71, 80, 3, 604);
  } else {
    t.blank(71, 80, 14);
    t.numeric(61, 70, 7, 605);
  }
  // The block goes to the report at once, whatever the fields gave.
  ck.report.empty();
  ck.report.line(" Datum" + std::string(19, ' ') + "Ellipsoid" + std::string(7, ' ') + "a" + std::string(9, ' ') + "1/f" +
                 std::string(7, ' ') + "b");
  ck.report.line(orv::joined({" ", cols(rec, 11, 80)}));
  ck.report.empty();
  ck.report.line(" " + std::string(79, '-'));
}

}  // namespace corvelin
