#include <cstring>

#include "vectors/tamrel.hpp"

namespace tamrel {

namespace {

std::uint32_t packed(const orv::SsnKey& ssn) {
  std::uint32_t value = 0;
  std::memcpy(&value, ssn.text().data(), sizeof value);
  return value;
}

template <class Index>
bool indexed_key(Index& index, const std::vector<orv::SsnKey>& table, const orv::SsnKey& ssn) {
  for (; index.indexed < table.size(); ++index.indexed) index.keys.insert(packed(table[index.indexed]));
  return index.keys.count(packed(ssn)) != 0;
}

}  // namespace

bool BfileTables::station_found(const orv::SsnKey& ssn, StationScope scope) const {
  if (indexed_key(index_80_, stations_80, ssn)) return true;
  return scope == StationScope::positions_and_auxiliaries && indexed_key(index_82_, stations_82, ssn);
}

const Instrument* BfileTables::instrument(int number) const {
  for (const Instrument& entry : instruments) {
    if (entry.number == number) return &entry;
  }
  return nullptr;
}

bool BfileTables::antenna_found(int number, AntennaTable table) const {
  const auto& numbers = table == AntennaTable::t71 ? antennas_71 : antennas_72;
  for (const int entry : numbers) {
    if (entry == number) return true;
  }
  return false;
}

std::optional<std::string> BfileTables::media_id_tail(const orv::SsnKey& ssn) const {
  auto& index = index_25_;
  for (; index.indexed < occupations.size(); ++index.indexed) {
    index.first.emplace(packed(occupations[index.indexed].ssn), index.indexed);  // keeps the first
  }
  const auto found = index.first.find(packed(ssn));
  if (found == index.first.end()) return std::nullopt;
  std::string media_id = occupations[found->second].media_id;
  media_id.resize(10, ' ');
  return media_id.substr(6, 4);
}

}  // namespace tamrel
