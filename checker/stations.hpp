#pragma once
// The station table and the per-station observation tallies.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checker/capacities.hpp"

namespace corvelin {

inline constexpr char kControl = '0';    // entered by a *80* or *81*
inline constexpr char kAuxiliary = '2';  // entered by a *82*
inline constexpr char kObserved = ' ';   // first named by an observation

// Counters wide enough that no deck of repeated records can wrap them.
struct Tallies {
  std::int32_t direction_control = 0;
  std::int32_t direction_tie = 0;
  std::int32_t angle_control = 0;
  std::int32_t angle_tie = 0;
  std::int32_t distance_tie = 0;
  std::int32_t occupation = 0;
  std::int32_t ties() const { return direction_tie + angle_tie + distance_tie; }
};

// Usage marks of an auxiliary station observed with its reference station.
enum UsageMark { kAngleMark = 0, kDirectionMark = 1, kDistanceMark = 2 };

struct Station {
  std::string marks = "000";
  char type = kObserved;
  int position_record = 0;  // working-copy number of its first *80*/*81*/*82*
  Tallies tallies;
};

// Stations in the order entered, found by SSN.  Sized for a full table from
// the start and holding the SSNs in one string, so that entering stations
// neither moves the table nor allocates per station.
class StationTable {
 public:
  StationTable();
  // 1-based index of the station, 0 when absent.
  int find(std::string_view ssn) const;
  bool is_known(std::string_view ssn) const;  // present with the control type
  bool full() const { return size() >= kCapacities.stations; }
  int size() const { return static_cast<int>(entries_.size()); }
  // Appends a new station (the caller has checked it is absent and the
  // table not full) and answers its index.
  int append(std::string_view ssn, char type, std::string_view reference);
  Station& at(int index) { return entries_[static_cast<std::size_t>(index - 1)].station; }
  const Station& at(int index) const { return entries_[static_cast<std::size_t>(index - 1)].station; }
  // A *82*'s reference station, 4 characters; blanks for other stations.
  std::string_view reference(int index) const { return text(entries_[static_cast<std::size_t>(index - 1)].reference); }

 private:
  struct Text {
    std::uint32_t at = 0;
    std::uint32_t size = 0;
  };
  struct Entry {
    Station station;
    Text ssn;
    Text reference;
  };
  std::string_view text(Text t) const { return std::string_view(texts_).substr(t.at, t.size); }
  Text keep(std::string_view text);
  // Slot of the SSN in `slots_`: where its index is, or the empty slot
  // where it would go.
  std::size_t slot_of(std::string_view ssn) const;

  std::vector<Entry> entries_;
  std::string texts_;              // SSNs and references, one after another
  std::vector<std::int32_t> slots_;  // open addressing: 1-based indexes, 0 empty
};

// The distinct forepoints of the current observation set, under one standpoint.
class ObservationSet {
 public:
  // Starts a new set when the standpoint differs from the remembered one.
  void begin(std::string_view standpoint);
  bool contains(std::string_view forepoint) const;
  bool full() const { return static_cast<int>(forepoints_.size()) >= kCapacities.forepoints_in_set; }
  void add(std::string_view forepoint) { forepoints_.emplace_back(forepoint); }
  const std::string& standpoint() const { return standpoint_; }

 private:
  std::string standpoint_ = "    ";
  std::vector<std::string> forepoints_;
};

}  // namespace corvelin
