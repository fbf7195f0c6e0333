#pragma once
// The station table and the per-station observation tallies.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checker/capacities.hpp"
#include "checker/numbers_by_key.hpp"

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
// the start, with the references in one string, so that entering stations
// neither moves the table nor allocates per station.
class StationTable {
 public:
  StationTable();
  // 1-based index of the station, 0 when absent.
  int find(std::string_view ssn) const { return index_.first(ssn); }
  bool is_known(std::string_view ssn) const;  // present with the control type
  bool full() const { return size() >= kCapacities.stations; }
  int size() const { return static_cast<int>(entries_.size()); }
  // Appends a new station (the caller has checked it is absent and the
  // table not full) and answers its index.
  int append(std::string_view ssn, char type, std::string_view reference);
  Station& at(int index) { return entries_[static_cast<std::size_t>(index - 1)].station; }
  const Station& at(int index) const { return entries_[static_cast<std::size_t>(index - 1)].station; }
  // A *82*'s reference station, 4 characters; blanks for other stations.
  std::string_view reference(int index) const {
    const Entry& e = entries_[static_cast<std::size_t>(index - 1)];
    return std::string_view(references_).substr(e.reference_at, e.reference_size);
  }

 private:
  struct Entry {
    Station station;
    std::uint32_t reference_at = 0;  // in references_
    std::uint32_t reference_size = 0;
  };

  std::vector<Entry> entries_;
  std::string references_;  // one after another
  NumbersByKey index_;      // each SSN's index
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
