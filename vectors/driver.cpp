#include "vectors/driver.hpp"

#include "common/card.hpp"
#include "common/dialogue.hpp"
#include "common/yes_no.hpp"
#include "vectors/tamrel.hpp"

namespace tamrel {

namespace {

constexpr std::size_t kEchoField = 80;    // names echoed on the console
constexpr std::size_t kHeaderField = 40;  // names in the report header; longer ones whole

std::string shown(const std::string& name, std::size_t width) {
  std::string text = name;
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

const std::string kSeparator = " " + std::string(76, '-') + " ";

struct RunFiles {
  std::string bfile_name;
  std::string gfile_name;
  std::string short_name;
  std::string long_name;
  orv::File bfile;
  orv::File gfile;
  orv::File agency_list;
  orv::File short_report;
  orv::File long_report;
};

// --- dialogue -------------------------------------------------------------------

std::string file_name(Run& run, const char* prompt) {
  return orv::ask_file_name(run.console, prompt, orv::name_echoed_in(kEchoField));
}

bool yes_no(Run& run, const char* prompt) {
  char answer = orv::ask_letter(run.console, prompt, orv::LetterEcho::shown);
  // The retry text keeps its trailing blank, as this program prints it.
  const orv::YesNoRules rules{{"", "INVALID RESPONSE, TRY Y OR N ", ""}, 5, orv::AfterLast::give_up, [&run] {
                                run.reports.both("     ** INVALID RESPONSE TO Y/N QUERY ");
                                execution_terminated(run);
                              }};
  return orv::ask_yes_no(run.console, answer, rules);
}

void dialogue(Run& run, RunFiles& files) {
  run.console.line("Welcome to program tamrel version 2.5.4     ");
  run.console.line("");
  files.bfile_name = file_name(run, "Enter the Orvantine B-file name ");
  run.new_version = yes_no(run, "Is this the 4-digit ssn version of the B-file (y/n) ? ");
  run.gfile_exists = yes_no(run, "Does the G-file exist (y/n) ? ");
  if (run.gfile_exists) {
    files.gfile_name = file_name(run, "Enter the G-file name ");
  } else {
    files.gfile_name = orv::ask_file_name(run.console, " PRESS <CR>", orv::kNameNotEchoed);
  }
  files.short_name = file_name(run, "Enter the short (w/o 70I - 73I rec) output file name ");
  files.long_name = file_name(run, "Enter the long (w 70I - 73I REC) output file name ");
  run.console.line(kSeparator);
}

// --- files and header ---------------------------------------------------------------

[[noreturn]] void open_failed(Run& run, const char* text, const std::string& name) {
  const std::string line = text + shown(name, kEchoField);
  run.console.line(line);
  if (run.reports.any_open()) run.reports.both(line);
  execution_terminated(run);
}

// Every input is opened before the reports are created: an input that
// cannot be opened leaves no report behind, and a report can never be
// created under the name of an input, since every input exists by then.
void open_files(Run& run, RunFiles& files, orv::FileSystem& system) {
  files.bfile = system.open_input(files.bfile_name);
  if (!files.bfile) open_failed(run, " error in opening B-file - ", files.bfile_name);
  if (run.gfile_exists) {
    files.gfile = system.open_input(files.gfile_name);
    if (!files.gfile) open_failed(run, " error in opening G-file - ", files.gfile_name);
  }
  files.agency_list = system.open_input(orv::kAgencyListName);
  if (!files.agency_list) {
    run.reports.both(" fatal error in opening contrib.dat file");
    execution_terminated(run);
  }
  run.agencies.emplace(files.agency_list.get(), orv::BlankCode::found_in_any_line);

  std::vector<std::string> inputs{files.bfile_name, orv::kAgencyListName};
  if (run.gfile_exists) inputs.push_back(files.gfile_name);
  files.short_report = system.create_output(files.short_name, inputs);
  if (!files.short_report) open_failed(run, " error in opening short output file - ", files.short_name);
  run.reports.attach_short(files.short_report.get());
  files.long_report = system.create_output(files.long_name, inputs);
  if (!files.long_report) open_failed(run, " error in opening long output file - ", files.long_name);
  run.reports.attach_long(files.long_report.get());
}

void write_header(Run& run, const RunFiles& files) {
  Reports& r = run.reports;
  r.both("PROGRAM TAMREL   V 2.5.4  ");
  r.both("");
  r.both("ORVANTINE B-FILE - " + shown(files.bfile_name, kHeaderField));
  r.both(run.new_version ? "(4-DIGIT SSN VERSION OF B-FILE)" : "(3-DIGIT SSN VERSION OF B-FILE)");
  r.both("");
  r.both("ORVANTINE G-FILE - " + shown(files.gfile_name, kHeaderField));
  r.both("");
  r.both("SHORT (W/O 70I - 73I REC) OUTPUT FILE - " + shown(files.short_name, kHeaderField));
  r.both("");
  r.both("LONG (W 70I - 73I REC) OUTPUT FILE - " + shown(files.long_name, kHeaderField));
  r.both(kSeparator);
  r.both("");
  r.both("  ** (1) ORVANTINE B-FILE DATA CHECK");
  r.both("");
}

// --- passes -------------------------------------------------------------------------

// Reads the B-file from its first record; a read that fails ends the run
// rather than pass a half-read file as checked.
template <class Step>
void bfile_pass(Run& run, const RunFiles& files, Step step) {
  orv::CardReader reader(files.bfile.get(), kBRecordWidth);
  reader.rewind();
  std::string record;
  while (reader.next(record)) step(record);
  if (std::ferror(files.bfile.get()) != 0) open_failed(run, " error in reading B-file - ", files.bfile_name);
}

void check_bfile(Run& run, const RunFiles& files) {
  long counter = 0;
  bfile_pass(run, files, [&](const std::string& record) {
    if (++counter == 1) data_set_record_step(run, record);
    pass1_step(run, record);
  });
  run.idb_notice_given = false;
  bfile_pass(run, files, [&](const std::string& record) { pass2_step(run, record); });
}

void check_gfile(Run& run, const RunFiles& files) {
  run.reports.both("");
  run.reports.both("  ** (2) ORVANTINE G-FILE DATA CHECK  ");
  run.reports.both("");
  gfile_pass(run, files.gfile.get());
  cross_check_pass(run);
  unused_occupation_listing(run);
}

// Closes a report; false when what it holds could not all be written.
bool closed(orv::File& report) { return !report || std::fclose(report.release()) == 0; }

// The closing lines, then every file closed and kept.  False when a report
// could not be written whole, which the console then says.
bool termination(Run& run, RunFiles& files) {
  for (const char* line : {"", "PROGRAM TAMREL TERMINATED ", ""}) run.reports.both_short_first(line);
  bool written = true;
  auto close_report = [&](orv::File& report, bool flushed, const char* text, const std::string& name) {
    const bool whole = flushed && closed(report);
    if (!whole) run.console.line(text + shown(name, kEchoField));
    written = written && whole;
  };
  const bool short_flushed = run.reports.flush_short();
  const bool long_flushed = run.reports.flush_long();
  run.reports.attach_short(nullptr);
  run.reports.attach_long(nullptr);
  files.bfile.reset();
  files.gfile.reset();
  close_report(files.long_report, long_flushed, " error in writing long output file - ", files.long_name);
  close_report(files.short_report, short_flushed, " error in writing short output file - ", files.short_name);
  files.agency_list.reset();
  return written;
}

}  // namespace

int run(orv::FileSystem& system) {
  orv::Console console(system.console_input(), system.console_output());
  Run state(console);
  RunFiles files;
  try {
    dialogue(state, files);
    open_files(state, files, system);
    write_header(state, files);
    check_bfile(state, files);
    if (state.gfile_exists) check_gfile(state, files);
  } catch (const orv::RunEnd& end) {
    termination(state, files);
    return end.status;
  }
  return termination(state, files) ? orv::kNormalEnd : orv::kEarlyEnd;
}

}  // namespace tamrel
