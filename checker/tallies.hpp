#pragma once
// The observation set and the per-station tallies that the syntax pass fills
// and the positioning checks read.
//
// A tally counts an observation only the first time its forepoint occurs in
// the current set.  Increments:
// - direction: both ends control -> direction-control of the standpoint and
//   direction-tie of the forepoint; one end control -> direction-tie of the
//   other end;
// - angle: each observed station new in the set -> angle-tie of that station
//   when the standpoint is control, else angle-tie of the standpoint when the
//   observed station is control; all three control and one of them new ->
//   angle-control of the standpoint;
// - distance: a new forepoint with exactly one control end -> distance-tie
//   of the other end;
// - occupation: every occupation record.

#include <string_view>

#include "checker/checker.hpp"

namespace corvelin {

// A record of a family that opens sets starts a new one when its standpoint
// differs from the remembered standpoint.
void start_observation_set(Checker& ck, std::string_view standpoint);

// Adds a forepoint to the current set; true when it was not there yet.  The
// 101st distinct forepoint of one set ends the run.
bool add_forepoint(Checker& ck, std::string_view forepoint);

void tally_direction(Checker& ck, std::string_view standpoint, std::string_view forepoint);
void tally_angle(Checker& ck, std::string_view standpoint, std::string_view first, std::string_view second);
void tally_distance(Checker& ck, std::string_view standpoint, std::string_view forepoint);
void tally_occupation(Checker& ck, std::string_view station);

}  // namespace corvelin
