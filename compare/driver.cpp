#include "compare/driver.hpp"

#include "common/card.hpp"
#include "common/dialogue.hpp"
#include "common/report_lines.hpp"
#include "common/yes_no.hpp"
#include "compare/comparer.hpp"
#include "compare/observation_loaders.hpp"

namespace halvic {

namespace {

constexpr std::size_t kNameField = 30;  // names are shown in 30 columns, longer ones whole

std::string shown(const std::string& name) { return orv::padded(name, kNameField); }

struct RunParameters {
  std::string observation_name;
  bool four_digit = false;
  std::string description_name;
  std::string report_name;
};

// --- dialogue -----------------------------------------------------------------

std::string file_name(Comparer& c, const char* prompt) {
  return orv::ask_file_name(c.console, prompt, orv::name_echoed_in(kNameField));
}

char letter(Comparer& c, const char* prompt) { return orv::ask_letter(c.console, prompt, orv::LetterEcho::shown); }

bool four_digit_answer(Comparer& c) {
  char answer = letter(c, "Is this the 4-digit ssn version of the B-file (y/n) ? ");
  const orv::YesNoRules rules{{"", "INVALID RESPONSE, TRY Y OR N", ""}, 5, orv::AfterLast::give_up, [&] {
                                const char* give_up = "     INVALID RESPONSE TO Y/N QUERY";
                                c.report.line(give_up);
                                c.console.line(give_up);
                                end_run(c);
                              }};
  return orv::ask_yes_no(c.console, answer, rules);
}

// Asked until one of u, d, o is given; input that has run out ends the run.
Layout layout_answer(Comparer& c) {
  char answer = letter(c, "Enter type (u=unified/d=D-file/o=old format) - ");
  for (;;) {
    switch (answer) {
      case 'u': case 'U': return Layout::unified;
      case 'd': case 'D': return Layout::dfile;
      case 'o': case 'O': return Layout::old;
      default: break;
    }
    c.console.line("Invalid response, try u, d or o - ");
    if (c.console.exhausted()) end_run(c);
    answer = orv::read_letter(c.console, orv::LetterEcho::shown);
  }
}

RunParameters dialogue(Comparer& c) {
  RunParameters p;
  c.console.line("");
  c.console.line("Welcome to program halvic  v 2.3  ");
  p.observation_name = file_name(c, "Enter the Orvantine B-file name - ");
  p.four_digit = four_digit_answer(c);
  p.description_name = file_name(c, "Enter the Orvantine Description file name -  ");
  c.layout = layout_answer(c);
  p.report_name = file_name(c, "Enter the Halvic output file name - ");
  return p;
}

// --- files and header ---------------------------------------------------------------

void open_files(Comparer& c, const RunParameters& p, orv::FileSystem& system) {
  auto failed = [&](const char* message, const std::string& name) {
    c.console.line(message + shown(name));
    end_run(c);
  };
  c.observation_file = system.open_input(p.observation_name);
  if (!c.observation_file) failed("Error in opening B-file - ", p.observation_name);
  c.description_file = system.open_input(p.description_name);
  if (!c.description_file) failed("Error in opening Description file - ", p.description_name);
  c.report_file = system.create_output(p.report_name, {p.observation_name, p.description_name});
  if (!c.report_file) failed("Error in opening output file - ", p.report_name);
  c.report.attach(c.report_file.get());
}

// The D-file label is one blank shorter before its dash than the others:
// the header as it has always been printed.
const char* description_label(Layout layout) {
  switch (layout) {
    case Layout::unified: return " Description file (unified format)       - ";
    case Layout::dfile: return " Description file (D-file format)       - ";
    case Layout::old: break;
  }
  return " Description file (old format)          - ";
}

void write_header(Comparer& c, const RunParameters& p) {
  c.report.line(" PROGRAM HALVIC   V 2.3    ");
  c.report.empty();
  c.report.line((p.four_digit ? " B-file (4-digit ssn)                    - "
                              : " B-file (3-digit ssn)                    - ") +
                shown(p.observation_name));
  c.report.line(description_label(c.layout) + shown(p.description_name));
  c.report.line(" Halvic output file                      - " + shown(p.report_name));
  c.report.empty();
  c.report.line(" " + std::string(78, '-'));
  c.report.empty();
}

// --- observation passes ---------------------------------------------------------------

// A full table or an unreadable field ends the run after its report lines.
class ComparerLoadEnds : public LoadEnds {
 public:
  explicit ComparerLoadEnds(Comparer& c) : c_(c) {}

  void table_full(Table table) override {
    c_.report.line(std::string(full_table_text(table)) + orv::format("%4zu", c_.tables.capacity.of(table)));
    c_.report.empty();
    end_run(c_);
  }

  void field_rejected(const Record& rec, Field field) override {
    c_.report.empty();
    c_.report.empty();
    echo(c_, rec);
    c_.report.line(rejected_field_text(field));
    end_run(c_);
  }

 private:
  Comparer& c_;
};

void load_observations(Comparer& c) {
  orv::CardReader reader(c.observation_file.get(), orv::kCardWidth);
  ComparerLoadEnds ends(c);
  const bool old = c.layout == Layout::old;
  const auto job_code = load_observation_file(reader, c.tables, {old, !old}, ends);
  if (job_code) {
    c.job_code = *job_code;
    c.deck_counter = 1;
  }
  c.names = NameIndex(c.tables);
  c.directions_by_station = DirectionIndex(c.tables.directions);
}

void compare_descriptions(Comparer& c) {
  orv::CardReader reader(c.description_file.get(), columns_of(c.layout).width);
  Record rec;
  if (c.layout != Layout::dfile) {
    while (reader.next(rec)) description_record(c, rec);
    return;
  }
  while (reader.next(rec)) dfile_record(c, rec);
  coverage_lists(c);
  occupation_list(c);
}

// Closes the files and keeps them; false when the report could not be
// written whole.
bool termination(Comparer& c) {
  c.report.empty();
  c.report.line(" PROGRAM HALVIC TERMINATED");
  const bool written = c.report.flush();
  if (!written) c.console.line("Error in writing output file");
  c.console.line("");
  c.console.line(" PROGRAM HALVIC TERMINATED");
  c.report.attach(nullptr);
  c.report_file.reset();
  c.description_file.reset();
  c.observation_file.reset();
  return written;
}

}  // namespace

void end_run(Comparer& c) {
  termination(c);
  throw orv::RunEnd{orv::kEarlyEnd};
}

int run(orv::FileSystem& system) {
  orv::Console console(system.console_input(), system.console_output());
  Comparer c(console);
  try {
    const RunParameters p = dialogue(c);
    open_files(c, p, system);
    write_header(c, p);
    load_observations(c);
    compare_descriptions(c);
    return termination(c) ? orv::kNormalEnd : orv::kEarlyEnd;
  } catch (const orv::RunEnd& end) {
    return end.status;
  }
}

}  // namespace halvic
