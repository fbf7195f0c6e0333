#include "compare/observation_tables.hpp"

#include <algorithm>

namespace halvic {

std::size_t TableCapacities::of(Table table) const {
  switch (table) {
    case Table::stations: return stations;
    case Table::auxiliaries: return auxiliaries;
    case Table::directions: return directions;
    case Table::angles: return angles;
    case Table::distances: return distances;
  }
  return 0;
}

namespace {
template <class Entry>
void reserve(std::vector<Entry>& table, std::size_t capacity) {
  if (capacity != kCheckedOnly) table.reserve(capacity);
}
}  // namespace

ObservationTables::ObservationTables(const TableCapacities& limits) : capacity(limits) {
  reserve(stations, capacity.stations);
  reserve(auxiliaries, capacity.auxiliaries);
  reserve(directions, capacity.directions);
  reserve(angles, capacity.angles);
  reserve(distances, capacity.distances);
}

bool ObservationTables::full(Table table) const {
  std::size_t held = 0;
  switch (table) {
    case Table::stations: held = stations.size(); break;
    case Table::auxiliaries: held = auxiliaries.size(); break;
    case Table::directions: held = directions.size(); break;
    case Table::angles: held = angles.size(); break;
    case Table::distances: held = distances.size(); break;
  }
  return held >= capacity.of(table);
}

namespace {
template <class Entry, class Index>
Entry* first_with_key(std::vector<Entry>& table, Index& index, const Key& key) {
  for (; index.indexed < table.size(); ++index.indexed) {
    index.positions.emplace(std::string(table[index.indexed].key.text()), index.indexed);  // the first stays
  }
  const auto it = index.positions.find(std::string(key.text()));
  return it == index.positions.end() ? nullptr : &table[it->second];
}

template <class Entry>
void index_names(const std::vector<Entry>& table, std::unordered_map<std::string, Key>& index) {
  for (const Entry& e : table) index.emplace(e.name, e.key);  // the first of a name stays
}
}  // namespace

Station* ObservationTables::find_station(const Key& key) { return first_with_key(stations, station_keys_, key); }

AuxiliaryStation* ObservationTables::find_auxiliary(const Key& key) {
  return first_with_key(auxiliaries, auxiliary_keys_, key);
}

const std::vector<std::size_t>& ObservationTables::distances_between(const Key& a, const Key& b) {
  auto& index = distances_from_;
  for (; index.indexed < distances.size(); ++index.indexed) {
    index.positions[std::string(distances[index.indexed].from.text())].push_back(index.indexed);
  }
  between_.clear();
  auto add_from = [&](const Key& from) {
    const auto listed = index.positions.find(std::string(from.text()));
    if (listed == index.positions.end()) return;
    for (const std::size_t i : listed->second) {
      if (distances[i].to == a || distances[i].to == b) between_.push_back(i);
    }
  };
  add_from(a);
  if (b != a) add_from(b);  // the same station at both ends: its list once
  std::sort(between_.begin(), between_.end());
  return between_;
}

NameIndex::NameIndex(const ObservationTables& tables) {
  index_names(tables.auxiliaries, auxiliaries_);
  index_names(tables.stations, stations_);
}

std::optional<Key> NameIndex::key_of(std::string_view name) const {
  const std::string text(name);
  if (const auto aux = auxiliaries_.find(text); aux != auxiliaries_.end()) return aux->second;
  if (const auto station = stations_.find(text); station != stations_.end()) return station->second;
  return std::nullopt;
}

}  // namespace halvic
