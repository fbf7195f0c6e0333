#pragma once
// One run of the vector checker: its reports, the tables the B-file passes
// fill, the vectors the G-file pass keeps, and the steps the driver calls.
// The B-file steps live in bfile_*.cpp, the G-file steps in gfile_*.cpp.

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/agency_list.hpp"
#include "common/console.hpp"
#include "common/files.hpp"
#include "common/report_lines.hpp"
#include "common/serial_number.hpp"

namespace tamrel {

constexpr int kBRecordWidth = 80;
constexpr int kGRecordWidth = 89;

// The short report carries the messages; the long report carries them too,
// and the listing records besides.  Every message goes to the long report
// first.  Lines are written exactly as given, trailing blanks included.
// While neither report is open, lines meant for them go once to the console.
class Reports {
 public:
  explicit Reports(orv::Console& console) : console_(console) {}
  void attach_short(std::FILE* file);
  void attach_long(std::FILE* file);
  bool any_open() const { return short_.is_open() || long_.is_open(); }

  // A line to the long report, then the same to the short one.
  void both(std::string_view line);
  // A line to the long report only (listing records, some notices).
  void long_only(std::string_view line);
  // Listing records to the long report only, each ending in a line feed.
  void long_only_lines(std::string_view block);
  // The usual message shape: its lines, the record, an empty line.
  void message(std::string_view text, std::string_view record);
  void message(std::initializer_list<std::string_view> lines, std::string_view record);
  // A message that names no record: its line(s), then an empty line.
  void notice(std::string_view text);

  // A line to the short report, then the same to the long one (the order
  // of the closing lines).
  void both_short_first(std::string_view line);

  // Pushes both reports to their files; false when any line could not be
  // written (a full disk), so that a cut report is never passed as done.
  bool flush();
  bool flush_short() { return short_.flush(); }
  bool flush_long() { return long_.flush(); }

 private:
  void to_long(std::string_view line);
  void to_short(std::string_view line);

  orv::Console& console_;
  orv::ReportLines short_;
  orv::ReportLines long_;
};

// --- capacities ----------------------------------------------------------------

// Every table is fixed for the whole run; a full one, or a group that
// announces more vectors than a group may hold, ends the run with its
// "EXECUTION TERMINATED" line.
struct Capacities {
  std::size_t occupations = 2000;  // *25*
  std::size_t instruments = 100;   // *70*
  std::size_t antennas = 100;      // each of *71* and *72*
  std::size_t stations = 1000;     // each of *80* and *82*
  int vectors_in_group = 50;       // C and F records of one B record
  int vectors_in_file = 2000;      // C and F records of the G-file
  int orbit_sources = 99;          // distinct B record orbit sources
  int media_ids_in_group = 50;     // listed for one group by the cross-checks
  int correlations = 11175;        // D and E values kept: the set of a group of 50 vectors
};
inline constexpr Capacities kCapacities{};

// --- tables of the B-file passes ---------------------------------------------

// The years of observation from *12*; without one the window is 0 to 0.
struct YearWindow {
  int first_century = 0;
  int first_year = 0;
  int last_century = 0;
  int last_year = 0;
};

struct Occupation {            // *25*, with the height of its *27*
  orv::SsnKey ssn;
  std::string media_id;        // 10 characters, columns 15-24
  int instrument = 0;
  int antenna = 0;             // 0 when blank
  double antenna_height = 0.0;
  bool used = false;           // set by the cross-check pass
};

struct Instrument {            // *70*
  int number = 0;
  int equipment_code = 0;
  std::string description;     // 48 characters
  std::string serial;          // 10 characters
};

enum class StationScope { positions, positions_and_auxiliaries };  // *80*; *80* then *82*
enum class AntennaTable { t71, t72 };


struct BfileTables {
  YearWindow window;
  std::vector<Occupation> occupations;  // at most 2000
  std::vector<Instrument> instruments;  // at most 100
  std::vector<int> antennas_71;         // at most 100
  std::vector<int> antennas_72;         // at most 100
  std::vector<orv::SsnKey> stations_80; // at most 1000
  std::vector<orv::SsnKey> stations_82; // at most 1000

  bool station_found(const orv::SsnKey& ssn, StationScope scope) const;
  // The first *70* entry with that number, or null.
  const Instrument* instrument(int number) const;
  bool antenna_found(int number, AntennaTable table) const;
  // Characters 7-10 of the media id of the first *25* entry with that key.
  std::optional<std::string> media_id_tail(const orv::SsnKey& ssn) const;

 private:
  // Indexes of the tables, brought up to date by the lookups with whatever
  // was appended since, so that the pass-2 and G-file lookups over full
  // tables stay fast whatever the order of filling.
  struct KeyIndex {
    std::unordered_set<std::uint32_t> keys;
    std::size_t indexed = 0;
  };
  struct FirstOccupationIndex {
    std::unordered_map<std::uint32_t, std::size_t> first;
    std::size_t indexed = 0;
  };
  mutable KeyIndex index_80_;
  mutable KeyIndex index_82_;
  mutable FirstOccupationIndex index_25_;
};

// --- what the G-file pass keeps ----------------------------------------------

struct Vector {                 // one C or F record; its position is its file number
  orv::SsnKey origin;
  orv::SsnKey differential;
  std::string origin_media_id;        // 10 characters
  std::string differential_media_id;  // 10 characters
  int group = 0;
  std::string start_date;             // 8 digits
  int start_year = 0;                 // B record columns 2-5
  std::string group_code;             // 3 characters
};

// --- the run -------------------------------------------------------------------

struct Run {
  explicit Run(orv::Console& console_in) : console(console_in), reports(console_in) {}

  orv::Console& console;
  Reports reports;
  bool new_version = false;        // the B-file has 4-digit SSNs
  bool gfile_exists = false;
  std::optional<orv::AgencyList> agencies;
  BfileTables tables;
  bool idb_notice_given = false;   // cleared at the start of pass 2
  std::vector<Vector> vectors;     // at most 2000
};

// The agency lookup of this program: a code of six blanks is found as soon
// as the list has one line; an empty list finds nothing.
bool agency_found(Run& run, std::string_view code);

// A fatal condition: its message has been written; the termination step
// follows.  Never returns.
[[noreturn]] void execution_terminated(Run& run);

// --- steps the driver calls -------------------------------------------------

void data_set_record_step(Run& run, std::string_view record);  // the B-file's first record
void pass1_step(Run& run, std::string_view record);  // B-file, codes 12 25 27 70-72 80 82 84-86
void pass2_step(Run& run, std::string_view record);  // B-file, codes 20-60
// The G-file pass over the whole file (with the correlation records), then
// the cross-checks of the kept vectors and the unused *25* listing.
void gfile_pass(Run& run, std::FILE* gfile);
void cross_check_pass(Run& run);
void unused_occupation_listing(Run& run);

}  // namespace tamrel
