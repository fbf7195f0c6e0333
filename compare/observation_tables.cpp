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

template <class Entry>
Entry* ObservationTables::first_with_key(std::vector<Entry>& table, FirstOfKey& index, const Key& key) {
  auto slot_of = [&](const Key& k) {
    const std::size_t mask = index.slots.size() - 1;
    // The high half of the product mixes all four characters.
    std::size_t slot = static_cast<std::size_t>((orv::ssn_word(k.text()) * std::uint64_t{0x9E3779B97F4A7C15}) >> 32) & mask;
    while (index.slots[slot] != 0 && !(table[index.slots[slot] - 1].key == k)) slot = (slot + 1) & mask;
    return slot;
  };
  for (; index.indexed < table.size(); ++index.indexed) {
    if (2 * (index.held + 1) > index.slots.size()) {  // at most half full: a new, larger table
      index.slots.assign(std::max<std::size_t>(64, 2 * index.slots.size()), 0);
      index.held = 0;
      for (std::size_t e = 0; e < index.indexed; ++e) {
        if (const std::size_t slot = slot_of(table[e].key); index.slots[slot] == 0) {
          index.slots[slot] = static_cast<std::uint32_t>(e + 1);
          ++index.held;
        }
      }
    }
    if (const std::size_t slot = slot_of(table[index.indexed].key); index.slots[slot] == 0) {  // the first stays
      index.slots[slot] = static_cast<std::uint32_t>(index.indexed + 1);
      ++index.held;
    }
  }
  if (index.slots.empty()) return nullptr;
  const std::uint32_t found = index.slots[slot_of(key)];
  return found == 0 ? nullptr : &table[found - 1];
}

Station* ObservationTables::find_station(const Key& key) { return first_with_key(stations, station_keys_, key); }

AuxiliaryStation* ObservationTables::find_auxiliary(const Key& key) {
  return first_with_key(auxiliaries, auxiliary_keys_, key);
}

const std::vector<std::size_t>& ObservationTables::distances_between(const Key& a, const Key& b) {
  auto& index = distances_from_;
  auto from_of = [&](std::uint32_t position) { return distances[position].from.text(); };
  if (index.indexed < distances.size()) {
    for (; index.indexed < distances.size(); ++index.indexed) {
      index.positions.push_back(static_cast<std::uint32_t>(index.indexed));
    }
    std::stable_sort(index.positions.begin(), index.positions.end(),
                     [&](std::uint32_t x, std::uint32_t y) { return from_of(x) < from_of(y); });
  }
  between_.clear();
  auto add_from = [&](const Key& from) {
    const auto first = std::partition_point(index.positions.begin(), index.positions.end(),
                                            [&](std::uint32_t p) { return from_of(p) < from.text(); });
    for (auto p = first; p != index.positions.end() && from_of(*p) == from.text(); ++p) {
      if (distances[*p].to == a || distances[*p].to == b) between_.push_back(*p);
    }
  };
  add_from(a);
  if (b != a) add_from(b);  // the same station at both ends: its list once
  std::sort(between_.begin(), between_.end());
  return between_;
}

template <class Table>
std::vector<NameIndex::Entry> NameIndex::sorted_names(const Table& table) {
  std::vector<Entry> entries;
  entries.reserve(table.size());
  for (const auto& e : table) {
    entries.push_back({static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(e.name.size()), e.key});
    names_ += e.name;
  }
  // Stable: of entries with one name, the first in the table comes first.
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const Entry& x, const Entry& y) { return name_of(x) < name_of(y); });
  return entries;
}

NameIndex::NameIndex(const ObservationTables& tables) {
  std::size_t bytes = 0;
  for (const auto& e : tables.auxiliaries) bytes += e.name.size();
  for (const auto& e : tables.stations) bytes += e.name.size();
  names_.reserve(bytes);
  auxiliaries_ = sorted_names(tables.auxiliaries);
  stations_ = sorted_names(tables.stations);
}

std::optional<Key> NameIndex::first_of(const std::vector<Entry>& entries, std::string_view name) const {
  const auto first = std::partition_point(entries.begin(), entries.end(),
                                          [&](const Entry& e) { return name_of(e) < name; });
  if (first == entries.end() || name_of(*first) != name) return std::nullopt;
  return first->key;
}

std::optional<Key> NameIndex::key_of(std::string_view name) const {
  if (const auto aux = first_of(auxiliaries_, name)) return aux;
  return first_of(stations_, name);
}

}  // namespace halvic
