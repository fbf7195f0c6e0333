#include "checker/stations.hpp"

#include <algorithm>
#include <functional>

namespace corvelin {

namespace {
// A power of two at least twice the capacity keeps probe runs short.
constexpr std::size_t slot_count() {
  std::size_t n = 1;
  while (n < 2 * static_cast<std::size_t>(kCapacities.stations)) n *= 2;
  return n;
}
}  // namespace

StationTable::StationTable() : slots_(slot_count(), 0) {
  entries_.reserve(static_cast<std::size_t>(kCapacities.stations));
  texts_.reserve(8 * static_cast<std::size_t>(kCapacities.stations));
}

std::size_t StationTable::slot_of(std::string_view ssn) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = std::hash<std::string_view>{}(ssn)&mask;
  while (slots_[slot] != 0 && text(entries_[static_cast<std::size_t>(slots_[slot] - 1)].ssn) != ssn) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

int StationTable::find(std::string_view ssn) const { return slots_[slot_of(ssn)]; }

bool StationTable::is_known(std::string_view ssn) const {
  const int index = find(ssn);
  return index != 0 && at(index).type == kControl;
}

StationTable::Text StationTable::keep(std::string_view text) {
  const Text kept{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
  texts_ += text;
  return kept;
}

int StationTable::append(std::string_view ssn, char type, std::string_view reference) {
  Entry entry;
  entry.station.type = type;
  entry.ssn = keep(ssn);
  entry.reference = keep(reference);
  const std::size_t slot = slot_of(ssn);
  entries_.push_back(std::move(entry));
  slots_[slot] = size();
  return size();
}

void ObservationSet::begin(std::string_view standpoint) {
  if (standpoint == standpoint_) return;
  standpoint_ = std::string(standpoint);
  forepoints_.clear();
}

bool ObservationSet::contains(std::string_view forepoint) const {
  return std::find(forepoints_.begin(), forepoints_.end(), forepoint) != forepoints_.end();
}

}  // namespace corvelin
