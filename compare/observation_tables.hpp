#pragma once
// What the description comparison needs of the observation file, loaded into
// fixed tables in file order.  The comparer and the editor share the tables
// and their loaders; they differ in the capacities and in how a full table
// or an unreadable field ends the run.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvic {

using Record = std::string;  // one card: 80 columns (203 for a D-file record)

// Serial numbers are held as 4-character keys (orv::ssn_key).
struct Station {  // *80*, *81*
  std::string key;
  std::string name;  // 30 characters
  double elevation = 0.0;
  std::string state;
  bool described = false;           // a description of it was found
  bool occupied_without_p = false;  // has a *25*, its description lacks code P
};

struct AuxiliaryStation {  // *82*
  std::string key;
  std::string name;
  bool described = false;
};

struct Direction {  // *20*, *22*
  std::string sequence;
  std::string set;
  std::string standpoint;
  std::string forepoint;
  char flag = ' ';
  int degrees = 0;
  int minutes = 0;
  float seconds = 0.0F;
};

struct Angle {  // *30*, *32*
  std::string sequence;
  std::string set;
  std::string standpoint;
  std::string backsight;
  std::string foresight;
  int degrees = 0;
  int minutes = 0;
  float seconds = 0.0F;
  char flag = ' ';
};

struct Distance {  // *50*, *51*, *52*: as measured, or reduced (type G or H)
  std::string sequence;
  std::string from;
  std::string to;
  double metres = 0.0;
  char type = ' ';
};

enum class Table { stations, auxiliaries, directions, angles, distances };

struct Capacities {
  std::size_t stations;
  std::size_t auxiliaries;
  std::size_t directions;
  std::size_t angles;
  std::size_t distances;

  std::size_t of(Table table) const;
};

struct ObservationTables {
  explicit ObservationTables(const Capacities& limits);

  bool full(Table table) const;

  // Linear searches from the first entry; the first equal entry wins.
  Station* find_station(std::string_view key);
  AuxiliaryStation* find_auxiliary(std::string_view key);
  // The key of a 30-character name: auxiliary stations first, then stations.
  std::optional<std::string> key_of_name(std::string_view name) const;

  Capacities capacity;
  std::vector<Station> stations;
  std::vector<AuxiliaryStation> auxiliaries;
  std::vector<Direction> directions;
  std::vector<Angle> angles;
  std::vector<Distance> distances;
};

}  // namespace halvic
