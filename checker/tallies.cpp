#include "checker/tallies.hpp"

namespace corvelin {

namespace {

Tallies* tallies_of(Checker& ck, std::string_view ssn) {
  const int index = ck.stations.find(ssn);
  return index == 0 ? nullptr : &ck.stations.at(index).tallies;
}

// Adds one to a tally of the station, when the station is in the table.
template <class Member>
void bump(Checker& ck, std::string_view ssn, Member member) {
  if (Tallies* t = tallies_of(ck, ssn)) ++(t->*member);
}

}  // namespace

void start_observation_set(Checker& ck, std::string_view standpoint) { ck.syntax.observation_set.begin(standpoint); }

bool add_forepoint(Checker& ck, std::string_view forepoint) {
  if (ck.syntax.observation_set.contains(forepoint)) return false;
  if (ck.syntax.observation_set.full()) fatal_termination(ck);
  ck.syntax.observation_set.add(forepoint);
  return true;
}

void tally_direction(Checker& ck, std::string_view standpoint, std::string_view forepoint) {
  if (!add_forepoint(ck, forepoint)) return;
  const bool sp_control = ck.stations.is_known(standpoint);
  const bool fp_control = ck.stations.is_known(forepoint);
  if (sp_control && fp_control) {
    bump(ck, standpoint, &Tallies::direction_control);
    bump(ck, forepoint, &Tallies::direction_tie);
  } else if (sp_control) {
    bump(ck, forepoint, &Tallies::direction_tie);
  } else if (fp_control) {
    bump(ck, standpoint, &Tallies::direction_tie);
  }
}

void tally_angle(Checker& ck, std::string_view standpoint, std::string_view first, std::string_view second) {
  const bool sp_control = ck.stations.is_known(standpoint);
  bool any_new = false;
  for (std::string_view observed : {first, second}) {
    if (!add_forepoint(ck, observed)) continue;
    any_new = true;
    if (sp_control) bump(ck, observed, &Tallies::angle_tie);
    else if (ck.stations.is_known(observed)) bump(ck, standpoint, &Tallies::angle_tie);
  }
  if (any_new && sp_control && ck.stations.is_known(first) && ck.stations.is_known(second)) {
    bump(ck, standpoint, &Tallies::angle_control);
  }
}

void tally_distance(Checker& ck, std::string_view standpoint, std::string_view forepoint) {
  if (!add_forepoint(ck, forepoint)) return;
  const bool sp_control = ck.stations.is_known(standpoint);
  const bool fp_control = ck.stations.is_known(forepoint);
  if (sp_control && !fp_control) bump(ck, forepoint, &Tallies::distance_tie);
  else if (fp_control && !sp_control) bump(ck, standpoint, &Tallies::distance_tie);
}

void tally_occupation(Checker& ck, std::string_view station) { bump(ck, station, &Tallies::occupation); }

}  // namespace corvelin
