#include "checker/stations.hpp"

#include <algorithm>

namespace corvelin {

int StationTable::find(std::string_view ssn) const {
  const auto found = index_.find(std::string(ssn));
  return found == index_.end() ? 0 : found->second;
}

bool StationTable::is_known(std::string_view ssn) const {
  const int index = find(ssn);
  return index != 0 && at(index).type == kControl;
}

int StationTable::append(std::string_view ssn, char type, std::string_view reference) {
  Station station;
  station.ssn = std::string(ssn);
  station.type = type;
  station.reference = std::string(reference);
  entries_.push_back(std::move(station));
  const int index = size();
  index_.emplace(std::string(ssn), index);
  return index;
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
