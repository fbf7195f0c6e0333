#include "editor/driver.hpp"

#include "common/card.hpp"
#include "common/dialogue.hpp"
#include "common/yes_no.hpp"
#include "compare/closing_lists.hpp"
#include "editor/editor.hpp"

namespace morandel {

using orv::padded;

namespace {

constexpr std::size_t kNameField = 30;  // names are shown in 30 columns, longer ones whole

std::string trimmed(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

// --- dialogue -------------------------------------------------------------------

void welcome(orv::Console& console) {
  for (const char* text : {"", " WELCOME TO PROGRAM MORANDEL  V 1.8", "", "",
                           " Note - to compare the old format desc file *30* ",
                           " rec direction and distance obs to reference objects with ",
                           " the obs file *20* series directions and the *50* series ",
                           " distances run program halvic.  This version of program ",
                           " morandel does not make that comparison.", "", ""}) {
    console.line(text);
  }
}

std::string file_name(orv::Console& console, const char* prompt) {
  return orv::ask_file_name(console, prompt, orv::kNameNotEchoed);
}

bool yes_to(orv::Console& console, const char* prompt) {
  char answer = orv::ask_letter(console, prompt, orv::LetterEcho::not_shown);
  return read_yes_no(console, answer);
}

Options dialogue(orv::Console& console) {
  Options o;
  o.observation_name = file_name(console, " ENTER THE ORVANTINE OBSERVATION FILENAME - ");
  o.new_version = yes_to(console, " IS THIS THE NEW VERSION OF THE ORVANTINE OBSERVATION DATA SET (Y/N) ? - ");
  o.description_name = file_name(console, " ENTER THE ORVANTINE DESCRIPTION FILENAME - ");
  o.unified = yes_to(console, " IS THIS A UNIFIED ORVANTINE DESC DATA SET (Y/N) ? - ");
  if (o.unified) {
    o.update_positions =
        yes_to(console, " WOULD YOU LIKE TO UPDATE THE FILE WITH THE OBS *80* GP AND ELEV (Y/N) ? - ");
  }
  o.observation_output_name = file_name(console, " ENTER THE ORVANTINE OBSERVATION OUTPUT FILENAME - ");
  o.description_output_name = file_name(console, " ENTER THE ORVANTINE DESCRIPTION OUTPUT FILENAME - ");
  o.report_name = file_name(console, " ENTER THE PROGRAM OUTPUT FILENAME - ");
  return o;
}

const char* update_text(const Options& o) {
  return o.update_positions ? " UNIFIED DESC *10* APPROX GP/ELEV UPDATED" : " UNIFIED DESC *10* APPROX GP/ELEV NOT UPDATED";
}

bool choice_confirmed(orv::Console& console, const Options& o) {
  auto named = [&](const char* label, const std::string& name) { console.line(label + padded(name, kNameField)); };
  console.line("");
  console.line(" THE FOLLOWING IS YOUR CHOICE FOR MORANDEL - ");
  console.line("");
  named(o.new_version ? " VQ OBS INPUT FILENAME (NEW VERSION)       - " : " VQ OBS INPUT FILENAME (OLD VERSION)       - ",
        o.observation_name);
  named(o.unified ? " VQ DESC INPUT FILENAME (UNIFIED VERSION)  - " : " VQ DESC INPUT FILENAME (OLD VERSION)      - ",
        o.description_name);
  named(o.new_version ? " VQ OBS OUTPUT FILENAME (NEW VERSION)      - " : " VQ OBS OUTPUT FILENAME (OLD VERSION)      - ",
        o.observation_output_name);
  if (o.unified) {
    named(" VQ DESC OUTPUT FILENAME (UNIFIED VERSION) - ", o.description_output_name);
    console.line(update_text(o));
  } else {
    named(" VQ DESC OUTPUT FILENAME (OLD VERSION)     - ", o.description_output_name);
  }
  named(" PROGRAM MORANDEL OUTPUT FILENAME          - ", o.report_name);
  console.line("");
  return yes_to(console, " WOULD YOU LIKE TO CONTINUE THIS RUN (Y/N) ? - ");
}

// --- files and header ---------------------------------------------------------------

void open_files(Editor& e, orv::FileSystem& system) {
  const Options& o = e.options;
  e.observation_file = system.open_input(o.observation_name);
  if (!e.observation_file) file_failure(e, " ERROR IN OPENING ORVANTINE OBS INPUT FILE - ", o.observation_name);
  e.description_file = system.open_input(o.description_name);
  if (!e.description_file) file_failure(e, " ERROR IN OPENING ORVANTINE DESC INPUT FILE - ", o.description_name);
  const std::vector<std::string> inputs{o.observation_name, o.description_name};
  if (!e.observation_output.create(system, o.observation_output_name, inputs)) {
    file_failure(e, " ERROR IN OPENING ORVANTINE OBS OUTPUT FILE - ", o.observation_output_name);
  }
  if (!e.description_output.create(system, o.description_output_name, inputs)) {
    file_failure(e, " ERROR IN OPENING ORVANTINE DESC OUTPUT FILE - ", o.description_output_name);
  }
  e.report_file = system.create_output(o.report_name, inputs);
  if (!e.report_file) file_failure(e, " ERROR IN OPENING PROGRAM OUTPUT FILE - ", o.report_name);
  e.report.attach(e.report_file.get());
}

void write_header(Editor& e) {
  const Options& o = e.options;
  e.report.line(" PROGRAM MORANDEL  V 1.7    OUTPUT FILE - " + o.report_name);
  e.report.line(" ORVANTINE INPUT FILES  - " + padded(o.observation_name, kNameField) + "   " + o.description_name);
  e.report.line(" ORVANTINE OUTPUT FILES - " + padded(o.observation_output_name, kNameField) + "   " +
                o.description_output_name);
  if (o.unified) {
    e.report.line(o.update_positions ? " UNIFIED DESC *10* APPROXIMATE GP/ELEV UPDATED"
                                     : " UNIFIED DESC *10* APPROXIMATE GP/ELEV NOT UPDATED");
  }
  e.report.empty();
  e.report.line(" " + std::string(75, '-'));
  e.report.empty();
}

// The inputs and the report are kept at every end; the outputs only when
// they are complete.
enum class Outputs { kept, deleted };
void close_files(Editor& e, Outputs outputs) {
  e.report.attach(nullptr);
  e.report_file.reset();
  if (outputs == Outputs::kept) {
    e.observation_output.close();
    e.description_output.close();
  } else {
    e.observation_output.close_and_delete();
    e.description_output.close_and_delete();
  }
  e.description_file.reset();
  e.observation_file.reset();
}

// --- checked reads and writes -------------------------------------------------

void check_report(Editor& e) {
  if (!e.report.flush()) {
    e.console.line(trimmed(" ERROR IN WRITING PROGRAM OUTPUT FILE - " + padded(e.options.report_name, kNameField)));
    data_error_end(e);
  }
}

// The output files of the run and what is said when one cannot be written.
struct Output {
  orv::OwnedOutput& file;
  const char* write_failure;
  const std::string& name;
};

Output observation_output(Editor& e) {
  return {e.observation_output, " ERROR IN WRITING ORVANTINE OBS OUTPUT FILE - ", e.options.observation_output_name};
}
Output description_output(Editor& e) {
  return {e.description_output, " ERROR IN WRITING ORVANTINE DESC OUTPUT FILE - ", e.options.description_output_name};
}

// Every record is written in its 80 columns, trailing blanks included.
void write_record(Editor& e, const Output& out, const Record& rec) {
  std::FILE* f = out.file.get();
  if (std::fwrite(rec.data(), 1, rec.size(), f) != rec.size() || std::fputc('\n', f) == EOF) {
    file_failure(e, out.write_failure, out.name);
  }
}

void finish_output(Editor& e, const Output& out) {
  std::FILE* f = out.file.get();
  if (std::fflush(f) != 0 || std::ferror(f) != 0) file_failure(e, out.write_failure, out.name);
}

// --- passes ---------------------------------------------------------------------

void correct_descriptions(Editor& e) {
  const Output out = description_output(e);
  each_record(e, Input::descriptions, [&](Record& rec) {
    reconcile(e, rec);
    write_record(e, out, rec);
  });
  finish_output(e, out);
}

void correct_observations(Editor& e) {
  const Output out = observation_output(e);
  const bool pending = e.corrections.pending();
  each_record(e, Input::observations, [&](Record& rec) {
    if (pending && orv::cols(rec, 8, 9) == "80") e.corrections.apply(rec);
    write_record(e, out, rec);
  });
  finish_output(e, out);
}

// --- closing ---------------------------------------------------------------------

const halvic::ClosingListTexts kUndescribedTexts{
    {" THE FOLLOWING OBS 80 REC DO NOT HAVE A DESCRIPTION OR RECOVERY NOTE"}, true, 2,
    {" ALL OF THE OBS 80 REC HAVE A DESCRIPTION OR RECOVERY NOTE"}};
const halvic::ClosingListTexts kOccupiedTexts{
    {" THE FOLLOWING OBS *80* RECORDS HAVE *25* RECORDS", " AND NO DESC SPECIAL APPLICATION CODE = P"}, true, 2,
    {" ALL OF THE OBS *80* RECORDS THAT HAVE *25* RECORDS", " HAVE A DESC SPECIAL APPLICATION CODE = P"}};

void closing_summaries(Editor& e) {
  const auto& stations = e.tables.stations;
  if (stations.empty()) return;
  const halvic::LineSink shown = [&](std::string_view text) { e.show(text); };
  halvic::closing_list(shown, halvic::list_lines(stations, [](const Station& s) { return !s.described; }),
                       kUndescribedTexts);
  halvic::closing_list(shown, halvic::list_lines(stations, [](const Station& s) { return s.occupied_without_p; }),
                       kOccupiedTexts);
}

// The report is complete before the console hears of the end, so that a
// report cut short still ends the run as a data error.
void normal_end(Editor& e) {
  e.report.empty();
  e.report.line(" PROGRAM MORANDEL TERMINATED");
  check_report(e);
  e.console.line("");
  e.console.line(" PROGRAM MORANDEL TERMINATED");
  close_files(e, Outputs::kept);
}

}  // namespace

bool read_yes_no(orv::Console& console, char& answer) {
  static const orv::YesNoRules kRules{{" INVALID RESPONSE, TRY Y OR N"}, 10, orv::AfterLast::read_one_more, {}};
  return orv::ask_yes_no(console, answer, kRules);
}

void Editor::show(std::string_view text) {
  console.line(trimmed(text));
  report.line(text);
}

void Editor::show_record(const Record& rec) { show(" " + rec); }

void Editor::ask(std::string_view question) {
  console.line(question);
  report.line(question);
}

void file_failure(Editor& e, std::string_view message, const std::string& name) {
  e.show(std::string(message) + padded(name, kNameField));
  data_error_end(e);
}

void data_error_end(Editor& e) {
  e.show_empty();
  e.show(" DATA ERROR - PROGRAM MORANDEL TERMINATED -  OUTPUT DATA SET FILES NOT SAVED");
  close_files(e, Outputs::deleted);
  throw orv::RunEnd{orv::kEarlyEnd};
}

int run(orv::FileSystem& system) {
  orv::Console console(system.console_input(), system.console_output());
  Editor e(console);
  try {
    welcome(console);
    e.options = dialogue(console);
    if (!choice_confirmed(console, e.options)) {
      console.line(" PROGRAM MORANDEL TERMINATED BY USER, FILES NOT OPENED ");
      return orv::kNormalEnd;
    }
    open_files(e, system);
    write_header(e);
    load_observations(e);
    load_descriptions(e);
    check_report(e);
    correct_descriptions(e);
    check_report(e);
    correct_observations(e);
    closing_summaries(e);
    normal_end(e);
    return orv::kNormalEnd;
  } catch (const orv::RunEnd& end) {
    return end.status;
  }
}

}  // namespace morandel
