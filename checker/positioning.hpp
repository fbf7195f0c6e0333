#pragma once
// Whether a station without a control position is tied to enough control
// stations to be positioned, and the observations that tie it.

#include <string>
#include <string_view>
#include <vector>

#include "checker/checker.hpp"

namespace corvelin {

// No ties, and three control directions or no control angle: message 351.
inline bool untied(const Tallies& t) {
  return t.ties() == 0 && (t.direction_control >= 3 || t.angle_control == 0);
}

inline bool can_be_positioned(const Tallies& t) {
  return t.occupation > 0 || t.ties() >= 2 || t.direction_control >= 3 || t.angle_control >= 3;
}

// An observation tying the station to another station.
struct Candidate {
  int record;          // working-copy number
  int family;          // 20, 30, 50 or 60
  bool at_standpoint;  // the station is the standpoint (else the forepoint)
  std::string other;   // the other station's SSN
};

// Collects the candidates of the station from the 20-, 30-, 50- and
// 60-series of the working copy (indexed at the first call, and again once
// records were added).  An observation that does not fit any more
// writes the "Filled Up" notice to the report.
std::vector<Candidate> build_candidate_list(Checker& ck, std::string_view ssn);

}  // namespace corvelin
