#pragma once
// One run of the editor: its files and report, the observation tables with
// the stations' positions, the description table, the correction table and
// what the description pass carries from one record to the next.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/card.hpp"
#include "common/console.hpp"
#include "common/files.hpp"
#include "common/report_lines.hpp"
#include "compare/description_layouts.hpp"
#include "compare/observation_tables.hpp"

namespace morandel {

using halvic::Columns;
using halvic::Key;
using halvic::Layout;
using halvic::Record;
using halvic::Station;

// The editor's capacities: a full table ends the run as a data error.  The
// 20-, 30- and 50-series records are checked only: nothing here reads them
// again, so no count of them can end a run.
struct Capacities {
  halvic::TableCapacities tables{999, 999, halvic::kCheckedOnly, halvic::kCheckedOnly, halvic::kCheckedOnly};
  std::size_t descriptions = 999;  // description *10* records
  std::size_t corrections = 999;   // changes to *80* records
};
inline constexpr Capacities kCapacities{};

struct Options {
  std::string observation_name;
  bool new_version = false;
  std::string description_name;
  bool unified = false;
  bool update_positions = false;
  std::string observation_output_name;
  std::string description_output_name;
  std::string report_name;
};

// A station's position from its *80*/*81* record, beside its entry in the
// station table.  Angles are positive decimal degrees; the letter keeps the
// hemisphere.
struct Position {
  double latitude = 0.0;
  char latitude_letter = 'N';
  double longitude = 0.0;
  char longitude_letter = 'W';
  bool elevation_blank = false;  // cc 70-75 all blank
};

// A description *10* record and the name (cc 11-50) of the last *13* or *14*
// record after it.
struct DescriptionEntry {
  Key key;
  std::string name = std::string(40, ' ');
};

// A change the user asked for in a station's *80* records: a name or a
// state code, the other left blank.
struct Correction {
  Key key;
  std::string name = std::string(30, ' ');
  std::string state = "  ";
};

class CorrectionTable {
 public:
  // False when the table already holds its 999 entries; nothing is stored.
  bool add(const Correction& correction);
  bool pending() const { return !entries_.empty(); }
  // Puts every correction of the record's station into a *80* record, in the
  // order they were accepted, so a later one overwrites an earlier one.
  void apply(Record& rec) const;

 private:
  std::vector<Correction> entries_;
  std::unordered_map<std::string, std::vector<std::size_t>> by_station_;
};

// The station that the latest matched description *10* record found.
struct CurrentStation {
  Key key;  // blank
  std::string name = std::string(30, ' ');
  std::string state = "  ";
  bool skip = false;  // the latest *10* record's SSN has no station
};

struct Editor {
  explicit Editor(orv::Console& console_in) : console(console_in), tables(kCapacities.tables) {}

  orv::Console& console;
  Options options;
  orv::File observation_file;
  orv::File description_file;
  orv::OwnedOutput observation_output;
  orv::OwnedOutput description_output;
  orv::File report_file;
  orv::ReportLines report;

  Layout layout() const { return options.unified ? Layout::unified : Layout::old; }

  std::string job_code = "  ";
  halvic::ObservationTables tables;
  std::vector<Position> positions;  // one per station, in table order
  std::vector<DescriptionEntry> descriptions;
  CorrectionTable corrections;
  CurrentStation current;

  // To show a line is to write it to the console and to the report.
  void show(std::string_view text);
  void show_empty() { show({}); }
  void show_record(const Record& rec);  // a blank and the 80 columns
  // A question: a line of its own on the console, kept in the report.
  void ask(std::string_view question);
};

// The data-error end: the outputs this run created are deleted, the report
// and the inputs kept; the run ends with status 1.
[[noreturn]] void data_error_end(Editor& e);
// A file that could not be opened, read or written: its message and name,
// then the data-error end.
[[noreturn]] void file_failure(Editor& e, std::string_view message, const std::string& name);

// The editor's yes/no rule: `answer` is the letter read after the question;
// ten answers are judged, and after the tenth invalid one a last line is read
// unjudged and the answer is no.  `answer` keeps the letter last read.
bool read_yes_no(orv::Console& console, char& answer);

// One pass over an input file, from its first record; a file that could not
// be read to its end ends the run.
enum class Input { observations, descriptions };
template <class Step>
void each_record(Editor& e, Input input, Step step) {
  std::FILE* file = input == Input::observations ? e.observation_file.get() : e.description_file.get();
  orv::CardReader reader(file, orv::kCardWidth);
  reader.rewind();
  Record rec;
  while (reader.next(rec)) step(rec);
  reader.rewind();
  if (!reader.failed()) return;
  if (input == Input::observations) file_failure(e, " ERROR IN READING ORVANTINE OBS INPUT FILE - ", e.options.observation_name);
  file_failure(e, " ERROR IN READING ORVANTINE DESC INPUT FILE - ", e.options.description_name);
}

// The passes over the observation file that fill the tables (both layouts:
// the station, *82* and series loads; unified: the *25* marks), and the
// first pass over the description file, which fills the description table.
void load_observations(Editor& e);
void load_descriptions(Editor& e);

// The second description pass, one record at a time, before it is written:
// the state code and name questions and the position update.
void reconcile(Editor& e, Record& rec);

// The position text of a unified description *10* record: latitude cc
// 17-23, longitude cc 24-31 and, unless the station's elevation is blank,
// elevation cc 32-37.
void update_position(const Station& station, const Position& position, Record& rec);
std::string angle_text(double degrees, char letter, int degree_digits);
std::string elevation_text(double metres);  // 5 characters

}  // namespace morandel
