// The vectors against the B-file: each vector end is tied to the *25*
// occupation with its SSN and media id, and through it to an instrument, an
// antenna and an antenna height.  Every media id of a group is listed once.

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/report_lines.hpp"
#include "vectors/gfile_records.hpp"

namespace tamrel {

using orv::format;
using orv::padded;

namespace {

void two_line_notice(Run& run, const std::string& first, const std::string& second) {
  run.reports.both(first);
  run.reports.notice(second);
}

struct VectorEnd {
  const Vector& vector;
  const orv::SsnKey& ssn;
  const std::string& media_id;
  std::string_view role;  // as the not-found message names it
};

// The media ids already listed for the current group.
class GroupMediaIds {
 public:
  // True when the id is new to the group; the list's limit ends the run
  // before it is searched.
  bool add(Run& run, const std::string& media_id) {
    if (static_cast<int>(ids_.size()) >= kCapacities.media_ids_in_group) {
      table_full(run, format("NUMBER OF C RECORD MEDIA_IDS IN A GROUP EXCEEDS  %3d EXECUTION TERMINATED",
                             kCapacities.media_ids_in_group));
    }
    if (in_set(media_id, ids_)) return false;
    ids_.push_back(media_id);
    return true;
  }
  void clear() { ids_.clear(); }

 private:
  std::vector<std::string> ids_;
};

// The occupations by media id, each list in table order: a vector end finds
// the first occupation with its SSN and media id, as a search of the whole
// table from its start would, without searching the table for each of the
// 4000 ends a full G-file has.  The table does not change while it is used.
class OccupationIndex {
 public:
  explicit OccupationIndex(std::vector<Occupation>& table) {
    for (Occupation& o : table) by_media_id_[o.media_id].push_back(&o);
  }
  Occupation* occupation_of(const VectorEnd& end) const {
    const auto listed = by_media_id_.find(end.media_id);
    if (listed == by_media_id_.end()) return nullptr;
    for (Occupation* o : listed->second) {
      if (o->ssn == end.ssn) return o;
    }
    return nullptr;
  }

 private:
  std::unordered_map<std::string_view, std::vector<Occupation*>> by_media_id_;
};

void equipment_checks(Run& run, const Occupation& o) {
  if (run.tables.instrument(o.instrument) == nullptr) {
    two_line_notice(run, "70 RECORD JOB SPECIFIC INSTRUMENT NUMBER CC 11-13 NOT FOUND",
                    format("FOR 25 RECORD JOB SPECIFIC INSTRUMENT NUMBER CC 28-30 OF %3d", o.instrument));
  }
  const struct {
    AntennaTable table;
    const std::vector<int>& entries;
    const char* text;
  } antennas[] = {
      {AntennaTable::t71, run.tables.antennas_71, "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NOT FOUND"},
      {AntennaTable::t72, run.tables.antennas_72, "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NOT FOUND"}};
  for (const auto& a : antennas) {
    if (!a.entries.empty() && !run.tables.antenna_found(o.antenna, a.table)) {
      two_line_notice(run, a.text, format("FOR 25 RECORD JOB SPECIFIC ANTENNA NUMBER CC 33-35 OF %3d", o.antenna));
    }
  }
}

void write_matched_73i(Run& run, const VectorEnd& end, const Occupation& o) {
  const Instrument* instrument = run.tables.instrument(o.instrument);
  run.reports.long_only(blank_joined({"73I", format("%4d", end.vector.group), listed_decimal(o.antenna_height, 6, 3),
                                      padded(end.media_id, 10), end.ssn.text(),
                                      format("%3d", instrument ? instrument->equipment_code : 0),
                                      padded(instrument ? instrument->serial : "", 10), end.vector.group_code}));
}

void write_unmatched_73i(Run& run, const VectorEnd& end) {
  run.reports.long_only(blank_joined({"73I", format("%4d", end.vector.group), "      ", padded(end.media_id, 10),
                                      end.ssn.text(), "   ", "          ", end.vector.group_code}));
}

void vector_end(Run& run, const OccupationIndex& occupations, GroupMediaIds& listed, const VectorEnd& end) {
  if (Occupation* o = occupations.occupation_of(end)) {
    o->used = true;
    equipment_checks(run, *o);
    if (!listed.add(run, end.media_id)) return;
    if (o->antenna_height < 0.0005) run.reports.notice("27 RECORD ANTENNA HEIGHT CC 25-29 IS ZERO");
    write_matched_73i(run, end, *o);
    return;
  }
  if (!listed.add(run, end.media_id)) return;
  two_line_notice(run, "25 RECORD SSN/MEDIA_ID NOT FOUND FOR C/F RECORD",
                  blank_joined({end.role, "SSN", end.ssn.text(), "MEDIA_ID", end.media_id}));
  write_unmatched_73i(run, end);
}

}  // namespace

void cross_check_pass(Run& run) {
  const OccupationIndex occupations(run.tables.occupations);
  GroupMediaIds listed;
  int previous_group = 0;
  for (const Vector& v : run.vectors) {
    if (v.group != previous_group) listed.clear();
    previous_group = v.group;
    vector_end(run, occupations, listed, {v, v.origin, v.origin_media_id, "ORIGIN STATION"});
    vector_end(run, occupations, listed, {v, v.differential, v.differential_media_id, "DIFFERENTIAL STATION"});
  }
}

void unused_occupation_listing(Run& run) {
  Reports& r = run.reports;
  const auto& occupations = run.tables.occupations;
  const bool all_used = std::all_of(occupations.begin(), occupations.end(), [](const Occupation& o) { return o.used; });
  r.both("");
  if (all_used) {
    r.both(" ** ALL *25* RECORDS USED ");
    r.both("");
    return;
  }
  r.both(" ** *25* RECORDS NOT USED");
  r.both("");
  r.both("    SSN   MEDIA ID    INSTR NO");
  r.both("");
  for (const Occupation& o : occupations) {
    if (o.used) continue;
    r.both(blank_joined({"   ", o.ssn.text(), "", padded(o.media_id, 10), "", format("%3d", o.instrument)}));
  }
}

}  // namespace tamrel
