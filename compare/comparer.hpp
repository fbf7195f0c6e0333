#pragma once
// One run of the comparer: its files and report, the observation tables, and
// what the description pass carries from one record to the next.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/console.hpp"
#include "common/files.hpp"
#include "common/report_lines.hpp"
#include "compare/description_layouts.hpp"
#include "compare/observation_tables.hpp"

namespace halvic {

// The comparer's capacities: a full table, or a reference object with more
// candidates than it may list, ends the run after its report line.
struct Capacities {
  TableCapacities tables{999, 999, 3000, 200, 2000};  // stations, auxiliaries, directions, angles, distances
  std::size_t candidates = 30;  // observed distances or directions near one reference object
};
inline constexpr Capacities kCapacities{};

// The station the description pass is at.  A first reference-object endpoint
// replaces its key until the next station record.
struct CurrentStation {
  Key key;  // blank
  std::string name = std::string(30, ' ');
  std::string state = "  ";
  bool skip = false;  // its serial number is in neither table
};

struct DistanceCandidate {
  std::string sequence;
  double metres;
  char type;
};

struct DirectionCandidate {
  std::string sequence;
  std::string set;
  char flag;
  int degrees;
  int minutes;
  float seconds;
};

// The reference-object records (30) of the old layout: a leading record names
// the object L that directions are turned from; subsequent records name the
// objects O turned to; a first and second endpoint give a distance between
// two objects.  A $ record starts a new group.
struct ReferenceObjects {
  bool leading_seen = false;
  bool bypass_group = false;     // the leading object was not found
  bool bypass_next = false;      // a first endpoint was not found
  bool second_expected = false;  // a first endpoint was found
  Key leading;                   // L
  Key object;                    // O
  bool feet = false;
  bool distance_unmatched = false;
  bool direction_unmatched = false;
  std::vector<DistanceCandidate> distances;
  std::vector<DirectionCandidate> directions;
};

// The directions observed at a station: the first run of the table with
// that standpoint, and the positions of each set within it, in table order.
struct StationDirections {
  std::size_t first = 0;
  std::size_t end = 0;
  std::unordered_map<std::string, std::vector<std::size_t>> sets;
  // The positions first..end-1 by forepoint, each forepoint's in table
  // order: a description turns to hundreds of objects at one station.
  std::vector<std::uint32_t> by_forepoint;

  // The positions of the run's directions to `forepoint`, in table order.
  std::span<const std::uint32_t> toward(const std::vector<Direction>& table, const Key& forepoint) const;
};

class DirectionIndex {
 public:
  DirectionIndex() = default;
  explicit DirectionIndex(const std::vector<Direction>& table);
  const StationDirections* at(const Key& station) const;

 private:
  std::unordered_map<std::string, StationDirections> stations_;
};

struct Comparer {
  explicit Comparer(orv::Console& console_in) : console(console_in), tables(kCapacities.tables) {}

  orv::Console& console;
  orv::File observation_file;
  orv::File description_file;
  orv::File report_file;
  orv::ReportLines report;

  Layout layout = Layout::old;
  std::string job_code = "  ";
  int deck_counter = 0;  // 1 once the job code is taken, 2 once the deck is opened
  ObservationTables tables;
  NameIndex names;                    // made once the tables are loaded
  DirectionIndex directions_by_station;  // likewise
  CurrentStation current;
  ReferenceObjects refs;
};

// The message under a reference-object record, by the distance's unit and
// what became of the distance and the direction.  Indexed [feet][distance]
// [direction], each of matched (or not given), unmatched, near candidates
// only; null where nothing is reported.
extern const char* const kReferenceObjectMessages[2][3][3];
// A measured distance that is no number ends the run.
inline constexpr std::string_view kMetresNonInteger = " DESC 30 RECORD MEASURED DIST IN METERS CC 55-61 NON-INTEGER";
inline constexpr std::string_view kFeetNonInteger = " DESC 30 RECORD MEASURED DIST IN FEET CC 49-54 NON-INTEGER";

// The early end: the termination step, then the run ends with status 1.
[[noreturn]] void end_run(Comparer& c);

// A blank and columns 1-79 of the record.
void echo(Comparer& c, const Record& rec);
// A message and the blank line after it.
void finding(Comparer& c, std::string_view message);

// The description pass, one record at a time.
void description_record(Comparer& c, const Record& rec);  // old and unified layouts
void dfile_record(Comparer& c, const Record& rec);        // D-file layout
void reference_object_record(Comparer& c, const Record& rec);

// The direction of a subsequent reference-object record found among the
// observed directions (20-series) or angles (30-series) at the current
// station from L to O.  A miss leaves candidates in refs.directions.
bool match_20_series(Comparer& c, const Record& rec);
bool match_30_series(Comparer& c, const Record& rec);

// The closing lists of what the description file does not cover.
void coverage_lists(Comparer& c);  // stations, then auxiliary stations
void occupation_list(Comparer& c);

}  // namespace halvic
