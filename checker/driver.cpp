#include "checker/driver.hpp"

#include "checker/error_report.hpp"
#include "checker/record_checks.hpp"
#include "checker/structure.hpp"
#include "common/dialogue.hpp"

namespace corvelin {

namespace {

constexpr const char* kMessageFileName = "newerror.dir";

void dialogue(Checker& ck, orv::Console& console) {
  console.line("");
  console.line(" Welcome to program corvelin v 1.5.1");
  console.line(" check new format orvantine obs data set (4 digit ssns)");
  console.line("");
  ck.input_name = orv::ask_file_name(console, " Enter the orvantine observation file name - ", orv::kNameNotEchoed);
  ck.report_name = orv::ask_file_name(console, " Enter program output file name -  ", orv::kNameNotEchoed);
}

// Opens the six files in order.  A failure deletes the report, if it was
// made, and ends the run.
void open_files(Checker& ck, orv::Console& console, orv::FileSystem& system) {
  auto fail = [&](const char* message) {
    console.line(message);
    ck.report.attach(nullptr);
    ck.report_file.close_and_delete();
    throw orv::RunEnd{orv::kEarlyEnd};
  };
  ck.input = system.open_input(ck.input_name);
  if (!ck.input) fail(" error in opening input orvantine file");
  // A report under the name of a missing data file would be read back as it.
  if (!ck.report_file.create(system, ck.report_name, {ck.input_name, kMessageFileName, orv::kAgencyListName})) {
    fail(" error in opening program output file");
  }
  ck.report.attach(ck.report_file.get());
  ck.message_file = system.open_input(kMessageFileName);
  if (!ck.message_file) fail(" error in opening direct access error message file");
  ck.messages = MessageFile(ck.message_file.get());
  if (!ck.working_copy.open(system.open_scratch())) fail(" error in opening direct access output orvantine file");
  if (!ck.errors.open(system.open_scratch())) fail(" error in opening sequential output error file");
  ck.agency_file = system.open_input(orv::kAgencyListName);
  if (!ck.agency_file) fail(" Fatal error in opening agency contrib.dat file");
  ck.agencies.emplace(ck.agency_file.get());
}

template <class Step>
void read_pass(Checker& ck, Step step) {
  orv::CardReader reader(ck.input.get(), orv::kCardWidth);
  reader.rewind();
  Record rec;
  while (reader.next(rec)) step(rec);
}

// The end of a run cut short by a scratch file: the report says so.
void incomplete_notice(Checker& ck, const ScratchFailure& failure) {
  ck.report.empty();
  ck.report.line(orv::joined({" ***** Early termination:", failure.console_line}));
  ck.report.line(" ***** This report is incomplete");
  ck.report.empty();
}

// Closes the report, kept however the run ended; false, with a console line,
// when it could not be written whole.
bool close_report(Checker& ck, orv::Console& console) {
  const bool written = ck.report.flush();
  ck.report.attach(nullptr);
  ck.report_file.close();
  if (!written) console.line(" error in writing program output file");
  return written;
}

void structure_error_notice(Checker& ck) {
  page_header(ck);
  ck.report.empty();
  ck.report.line(" input deck had incorrect structure, ");
  ck.report.line(" context checking not performed");
  ck.report.empty();
}

}  // namespace

int run(orv::FileSystem& system) {
  orv::Console console(system.console_input(), system.console_output());
  Checker ck;
  try {
    dialogue(ck, console);
    open_files(ck, console, system);
    first_page_header(ck);
    structure_pass(ck);
    if (ck.structure_error) {
      structure_error_notice(ck);
    } else {
      start_syntax_pass(ck);
      read_pass(ck, [&](const Record& rec) { syntax_step(ck, rec); });
      station_usage_check(ck);
      read_pass(ck, [&](const Record& rec) { cross_check_step(ck, rec); });
    }
    const bool complete =
        write_summary(ck, ck.structure_error ? StructureNotice::shown : StructureNotice::left_out);
    return close_report(ck, console) && complete ? orv::kNormalEnd : orv::kEarlyEnd;
  } catch (const orv::RunEnd& end) {
    close_report(ck, console);
    return end.status;
  } catch (const ScratchFailure& failure) {
    incomplete_notice(ck, failure);
    console.line(failure.console_line);
    close_report(ck, console);
    return orv::kEarlyEnd;
  }
}

}  // namespace corvelin
