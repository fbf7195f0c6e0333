#pragma once
// What the description comparison needs of the observation file, loaded into
// fixed tables in file order.  The comparer and the editor share the tables
// and their loaders; they differ in the capacities and in how a full table
// or an unreadable field ends the run.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/serial_number.hpp"

namespace halvic {

using Record = std::string;  // one card: 80 columns (203 for a D-file record)
using Key = orv::SsnKey;     // a serial number as every lookup compares it

struct Station {  // *80*, *81*
  Key key;
  std::string name;  // 30 characters
  double elevation = 0.0;
  std::string state;
  bool described = false;           // a description of it was found
  bool occupied_without_p = false;  // has a *25*, its description lacks code P
};

struct AuxiliaryStation {  // *82*
  Key key;
  std::string name;
  bool described = false;
};

struct Direction {  // *20*, *22*
  std::string sequence;
  std::string set;
  Key standpoint;
  Key forepoint;
  char flag = ' ';
  int degrees = 0;
  int minutes = 0;
  float seconds = 0.0F;
};

struct Angle {  // *30*, *32*
  std::string sequence;
  std::string set;
  Key standpoint;
  Key backsight;
  Key foresight;
  int degrees = 0;
  int minutes = 0;
  float seconds = 0.0F;
  char flag = ' ';
};

struct Distance {  // *50*, *51*, *52*: as measured, or reduced (type G or H)
  std::string sequence;
  Key from;
  Key to;
  double metres = 0.0;
  char type = ' ';
};

enum class Table { stations, auxiliaries, directions, angles, distances };

// The capacity of a table whose records a program checks but never reads
// again: nothing is kept in it, so it never fills.
inline constexpr std::size_t kCheckedOnly = std::numeric_limits<std::size_t>::max();

struct TableCapacities {
  std::size_t stations;
  std::size_t auxiliaries;
  std::size_t directions;
  std::size_t angles;
  std::size_t distances;

  std::size_t of(Table table) const;
};

struct ObservationTables {
  explicit ObservationTables(const TableCapacities& limits);

  bool full(Table table) const;
  bool keeps(Table table) const { return capacity.of(table) != kCheckedOnly; }

  // The first entry with the key, as a search from the first entry finds it.
  Station* find_station(const Key& key);
  AuxiliaryStation* find_auxiliary(const Key& key);
  // The positions of the distances whose two ends are each `a` or `b`, in
  // table order, as a search of the whole table finds them; valid until the
  // next call.
  const std::vector<std::size_t>& distances_between(const Key& a, const Key& b);

  TableCapacities capacity;
  std::vector<Station> stations;
  std::vector<AuxiliaryStation> auxiliaries;
  std::vector<Direction> directions;
  std::vector<Angle> angles;
  std::vector<Distance> distances;

 private:
  // The position of the first entry of each key, in open addressing over
  // the key's four characters: a few pages for a full table, where a node
  // per key would take a hundred.  Entries are only ever appended, so an
  // index catches up with its table when it is next used.
  struct FirstOfKey {
    std::vector<std::uint32_t> slots;  // 1 + position; 0 empty
    std::size_t held = 0;
    std::size_t indexed = 0;
  };
  template <class Entry>
  Entry* first_with_key(std::vector<Entry>& table, FirstOfKey& index, const Key& key);
  FirstOfKey station_keys_;
  FirstOfKey auxiliary_keys_;
  // The positions of the distances ordered by the key of their first end,
  // each key's in table order: a reference object looks at the few of its
  // stations, not at all 2000.
  struct DistancesFrom {
    std::vector<std::uint32_t> positions;
    std::size_t indexed = 0;
  };
  DistancesFrom distances_from_;
  std::vector<std::size_t> between_;
};

// The key of a 30-character name as a search from the first entry finds it,
// auxiliary stations before stations; made once the tables are loaded.  The
// names are held one after another in one string, each table's sorted.
class NameIndex {
 public:
  NameIndex() = default;
  explicit NameIndex(const ObservationTables& tables);
  std::optional<Key> key_of(std::string_view name) const;

 private:
  struct Entry {
    std::uint32_t at;  // of the name in names_
    std::uint32_t size;
    Key key;
  };
  template <class Table>
  std::vector<Entry> sorted_names(const Table& table);
  std::optional<Key> first_of(const std::vector<Entry>& entries, std::string_view name) const;
  std::string_view name_of(const Entry& e) const { return std::string_view(names_).substr(e.at, e.size); }

  std::string names_;
  std::vector<Entry> auxiliaries_;
  std::vector<Entry> stations_;
};

}  // namespace halvic
