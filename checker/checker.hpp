#pragma once
// The run state of the observation-file checker: one instance for the whole
// run, handed to every pass and check.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "checker/capacities.hpp"
#include "checker/fields.hpp"
#include "checker/numbers_by_key.hpp"
#include "checker/scratch_files.hpp"
#include "checker/stations.hpp"
#include "common/agency_list.hpp"
#include "common/card.hpp"
#include "common/files.hpp"
#include "common/report_lines.hpp"

namespace corvelin {

using orv::col;
using orv::cols;
using orv::is_blank;

// Families with a pair of working-copy pointers.
enum class Family { k20, k25, k30, k40, k45, k50, k60, k70, k71, k72, k80, k85, k86, k90, kNone };
inline constexpr std::size_t kFamilies = static_cast<std::size_t>(Family::kNone);

struct Pointers {
  int first = 0;  // working-copy number of the family's first stored record
  int last = 0;   // and of its latest; 0 = none
};


// The syntax pass's current group of observation records: the last parent
// (*20*, *25*, *30*, *40* or *45*), the station its members must name, and
// the number of records it announced and has.
struct ObservationGroup {
  std::string parent = std::string(orv::kCardWidth, ' ');
  int parent_code = 0;  // 0 before the first parent
  std::string station = "    ";
  int expected = 0;
  int count = 0;
};
inline constexpr int kLastCode = 90;

// The 80-series records of the working copy as the cross-check pass looks
// them up, gathered in one reading of the copy.
struct PositionIndex {
  std::unordered_map<std::string, std::vector<std::string>> stations_by_position;  // cc 45-69 -> cc 7-14
  std::unordered_map<std::string, std::vector<int>> elevation_records;            // *83* by SSN
};

// The 20-, 30-, 50- and 60-series records of the working copy under each SSN
// they name in the columns that tie stations, in the order the candidate
// search scans them: it runs for every station positioned.
struct TieIndex {
  struct Mention {
    std::uint32_t ssn;  // the four columns as one word
    Family family;      // the family whose records were scanned
    int record;         // working-copy number
  };
  std::vector<Mention> mentions;  // by SSN, then in scanning order
  int records = 0;                 // in the working copy when it was made
};

// One end of the project span as the *12* rows read it.  A part that could
// not be read counts as 0.
struct ProjectDate {
  int century = 0;
  int year = 0;
  bool faulty = false;
  int value() const { return century * 100 + year; }
};

inline constexpr auto kStored = static_cast<std::size_t>(kCapacities.working_copy);

// The structure pass's own state (structure.cpp, and the project records'
// rows for the *12* dates).
struct StructurePassState {
  enum class Deck { before_header, in_deck, after_trailer };
  Deck deck = Deck::before_header;
  std::string deck_code = "??";  // cc 8-9 of the header, which the trailer repeats
  bool raised_508 = false;
  bool continuation_expected = false;
  bool previous_was_20 = false;
  bool previous_was_25 = false;
  // Duplicate keys (code, cc 11-14, cc 15-16, further field) of the stored
  // records that carry one, by key; and every stored record by cc 7-14.
  NumbersByKey duplicate_keys{kStored, kStored * 16};
  NumbersByKey by_code_and_ssn{kStored, kStored * 8};
  // The direction (cc 11-16, 51-54, 64-72) of every stored *20*, also of one
  // stored without its key after 323: a *22* repeating any of them is dropped.
  std::unordered_set<std::string> stored_directions;
  // The latest *12*'s dates, and whether its span is in order (547, 548).
  ProjectDate project_begin;
  ProjectDate project_end;
  bool project_span_in_order = false;
};

// The syntax pass's own state (syntax_pass.cpp, the observation rules and
// the tallies).
struct SyntaxPassState {
  ObservationGroup group;
  ObservationSet observation_set;
};

// The cross-check pass's own state (cross_checks.cpp).
struct CrossCheckPassState {
  std::optional<PositionIndex> position_index;  // built at its first need
  std::optional<TieIndex> tie_index;            // likewise, and again when the copy grew
};

struct Checker {
  // Dialogue
  std::string input_name;
  std::string report_name;

  // Files, in their opening order
  orv::File input;
  orv::OwnedOutput report_file;
  orv::ReportLines report;
  MessageFile messages;
  orv::File message_file;
  WorkingCopy working_copy;
  ErrorList errors;
  orv::File agency_file;
  std::optional<orv::AgencyList> agencies;

  // Counters
  long records_read = 0;
  long error_count = 0;
  int page = 0;
  std::array<long, kLastCode + 1> counts{};  // by record code 1..90

  // What the structure pass learns of the deck, for the later passes
  std::string header;   // the deck's header record, once seen
  std::string project;  // the latest *12* record, once seen
  bool structure_error = false;
  std::array<Pointers, kFamilies> pointers{};

  // Each pass's own state, touched by that pass alone
  StructurePassState structure;
  SyntaxPassState syntax;
  CrossCheckPassState cross_check;

  // Tables shared by the passes
  std::vector<std::string> instrument_codes;  // cc 11-13 of the *70* records, at most 99
  std::vector<std::string> antenna_codes;     // cc 11-13 of the *71*/*72* records, at most 99
  StationTable stations;
  DateRange date_range;

  // The deck's header names it a CBL deck (cc 15-18 "CBL "), whose records
  // leave some columns empty that other decks fill.
  bool cbl_deck() const { return header.size() >= 18 && cols(header, 15, 18) == "CBL "; }
  bool is_instrument_code(std::string_view code) const;  // in the *70* code table
  bool is_antenna_code(std::string_view code) const;     // in the *71*/*72* code table

  Pointers& family(Family f) { return pointers[static_cast<std::size_t>(f)]; }
  long count(int code) const { return code >= 1 && code <= kLastCode ? counts[static_cast<std::size_t>(code)] : 0; }
  // Some record of a code in first..last has been counted.
  bool counted(int first, int last) const;
};

// Appends an error to the error list; the caller's checks go on.
void raise(Checker& ck, int message, std::string_view record);

// The summary, the two closing notices, and the end of the run (RunEnd).
[[noreturn]] void fatal_termination(Checker& ck);

// Enters a station, or finds it.  A new station in a full table raises 532
// and ends the run.  Answers the index and whether the SSN was there before.
struct StationEntry {
  int index;
  bool existed;
};
StationEntry enter_station(Checker& ck, std::string_view ssn, char type, std::string_view reference);

// The "NO (*80* OR *81*) CONTROL PT." text that stands for a missing position record.
std::string missing_position_text();

}  // namespace corvelin
