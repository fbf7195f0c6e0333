#include "checker/stations.hpp"

#include <algorithm>

namespace corvelin {

namespace {
constexpr auto kStations = static_cast<std::size_t>(kCapacities.stations);
constexpr std::size_t kSsnBytes = 4;
}  // namespace

StationTable::StationTable() : index_(kStations, kStations * kSsnBytes) {
  entries_.reserve(kStations);
  references_.reserve(kStations * kSsnBytes);
}

bool StationTable::is_known(std::string_view ssn) const {
  const int index = find(ssn);
  return index != 0 && at(index).type == kControl;
}

int StationTable::append(std::string_view ssn, char type, std::string_view reference) {
  Entry entry;
  entry.station.type = type;
  entry.reference_at = static_cast<std::uint32_t>(references_.size());
  entry.reference_size = static_cast<std::uint32_t>(reference.size());
  references_ += reference;
  entries_.push_back(std::move(entry));
  index_.add(ssn, size());
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
