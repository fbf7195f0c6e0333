// The corrections the user asked for in the observation file, applied to its
// *80* records as the file is copied.

#include "common/card.hpp"
#include "common/serial_number.hpp"
#include "editor/editor.hpp"

namespace morandel {

using orv::cols;

bool CorrectionTable::add(const Correction& correction) {
  if (entries_.size() >= kCapacities.corrections) return false;
  by_station_[std::string(correction.key.text())].push_back(entries_.size());
  entries_.push_back(correction);
  return true;
}

void CorrectionTable::apply(Record& rec) const {
  const auto station = by_station_.find(std::string(orv::ssn_key(cols(rec, 11, 14)).text()));
  if (station == by_station_.end()) return;
  for (const std::size_t i : station->second) {
    const Correction& c = entries_[i];
    if (!orv::is_blank(c.name)) rec.replace(14, 30, c.name);  // cc 15-44
    if (!orv::is_blank(c.state)) rec.replace(76, 2, c.state);  // cc 77-78
  }
}

}  // namespace morandel
