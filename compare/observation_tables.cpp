#include "compare/observation_tables.hpp"

#include <algorithm>

namespace halvic {

std::size_t Capacities::of(Table table) const {
  switch (table) {
    case Table::stations: return stations;
    case Table::auxiliaries: return auxiliaries;
    case Table::directions: return directions;
    case Table::angles: return angles;
    case Table::distances: return distances;
  }
  return 0;
}

ObservationTables::ObservationTables(const Capacities& limits) : capacity(limits) {
  stations.reserve(capacity.stations);
  auxiliaries.reserve(capacity.auxiliaries);
  directions.reserve(capacity.directions);
  angles.reserve(capacity.angles);
  distances.reserve(capacity.distances);
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
template <class Entry>
Entry* first_with_key(std::vector<Entry>& table, std::string_view key) {
  const auto it = std::find_if(table.begin(), table.end(), [&](const Entry& e) { return e.key == key; });
  return it == table.end() ? nullptr : &*it;
}

template <class Entry>
const Entry* first_with_name(const std::vector<Entry>& table, std::string_view name) {
  const auto it = std::find_if(table.begin(), table.end(), [&](const Entry& e) { return e.name == name; });
  return it == table.end() ? nullptr : &*it;
}
}  // namespace

Station* ObservationTables::find_station(std::string_view key) { return first_with_key(stations, key); }

AuxiliaryStation* ObservationTables::find_auxiliary(std::string_view key) {
  return first_with_key(auxiliaries, key);
}

std::optional<std::string> ObservationTables::key_of_name(std::string_view name) const {
  if (const auto* aux = first_with_name(auxiliaries, name)) return aux->key;
  if (const auto* station = first_with_name(stations, name)) return station->key;
  return std::nullopt;
}

}  // namespace halvic
