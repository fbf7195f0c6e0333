// Reference-object records (30) of the old layout: the distances and
// directions a description gives to its reference objects, held against
// the observations.

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "common/report_lines.hpp"
#include "compare/comparer.hpp"

namespace halvic {

using orv::cols;
using orv::format;

namespace {

constexpr double kDistanceTolerance = 0.003;  // metres
// The survey foot, 1200/3937 m, as the description's unit has always held it.
constexpr double kFoot = static_cast<double>(0.3048006F);

// --- report ---------------------------------------------------------------

enum class Found { matched, unmatched, candidates };

}  // namespace

// Irregular blanks ("CC49-54", no "CC" before the last 49-54) are the texts
// as printed.
const char* const kReferenceObjectMessages[2][3][3] = {
    {   // metres
     {nullptr, " CC 73-80 DIRECTION UNMATCHED", " CC 73-80 MATCHED DIRECTION > 1 SEC"},
     {" CC 55-61 DISTANCE IN METERS UNMATCHED",
      " CC 55-61 DISTANCE IN METERS UNMATCHED, CC 73-80 DIRECTION UNMATCHED",
      " CC 55-61 DISTANCE IN METERS UNMATCHED, CC 73-80 MATCHED DIRECTION > 1 SEC"},
     {" CC 55-61 MATCHED DISTANCE IN METERS > 3 MM",
      " CC 55-61 MATCHED DISTANCE IN METERS > 3 MM, CC 73-80 DIRECTION UNMATCHED",
      " CC 55-61 MATCHED DISTANCE IN METERS > 3 MM, CC 73-80 MATCHED DIRECTION > 1 SEC"}},
    {   // feet
     {nullptr, " CC 73-80 DIRECTION UNMATCHED", " CC 73-80 MATCHED DIRECTION > 1 SEC"},
     {" CC 49-54 DISTANCE IN FEET UNMATCHED",
      " CC 49-54 DISTANCE IN FEET UNMATCHED, CC 73-80 DIRECTION UNMATCHED",
      " CC 49-54 DISTANCE IN FEET UNMATCHED, CC 73-80 MATCHED DIRECTION > 1 SEC"},
     {" CC 49-54 MATCHED DISTANCE IN FEET > 3 MM",
      " CC49-54 MATCHED DISTANCE IN FEET > 3 MM, CC73-80 DIRECTION UNMATCHED",
      " 49-54 MATCHED DISTANCE IN FEET > 3 MM, CC 73-80 MATCHED DIRECTION > 1 SEC"}},
};

namespace {

template <class Candidate>
Found found(bool unmatched, const std::vector<Candidate>& candidates) {
  if (!unmatched) return Found::matched;
  return candidates.empty() ? Found::unmatched : Found::candidates;
}

std::string distance_line(const DistanceCandidate& d) {
  return " " + d.sequence + std::string(45, ' ') + format("%10.3f", d.metres) + " " + d.type;
}

std::string direction_line(const DirectionCandidate& d) {
  return " " + d.sequence + std::string(56, ' ') + d.set + " " + d.flag + " " +
         format("%3d %2d %4.1f", d.degrees, d.minutes, static_cast<double>(d.seconds));
}

// The record's findings: the echo, the candidates of what did not match,
// the message.  Nothing when both matched.
void report_findings(Comparer& c, const Record& rec) {
  ReferenceObjects& r = c.refs;
  const Found distance = found(r.distance_unmatched, r.distances);
  const Found direction = found(r.direction_unmatched, r.directions);
  const char* message = kReferenceObjectMessages[r.feet][static_cast<int>(distance)][static_cast<int>(direction)];
  if (message != nullptr) {
    echo(c, rec);
    if (r.distance_unmatched) {
      for (const auto& d : r.distances) c.report.line(distance_line(d));
    }
    if (r.direction_unmatched) {
      for (const auto& d : r.directions) c.report.line(direction_line(d));
    }
    finding(c, message);
  }
  r.distances.clear();
  r.directions.clear();
}

// --- distances --------------------------------------------------------------

// The measured distance in metres: cc 55-61, or else cc 49-54 in feet; none
// when both are blank.
std::optional<double> measured_distance(Comparer& c, const Record& rec) {
  const bool metres = !orv::is_blank(cols(rec, 55, 61));
  if (!metres && orv::is_blank(cols(rec, 49, 54))) return std::nullopt;
  c.refs.feet = !metres;
  const int first = metres ? 55 : 49;
  const int last = metres ? 61 : 54;
  const auto value = orv::read_number(cols(rec, first, last), {orv::Chars::signed_decimal, orv::Blanks::ignored});
  if (!value) {
    echo(c, rec);
    c.report.line(metres ? kMetresNonInteger : kFeetNonInteger);
    end_run(c);
  }
  return metres ? *value : *value * kFoot;
}

// Looks for the distance among the observed ones between the two stations,
// either way round, measured or reduced.  Those more than 3 mm off become
// candidates.
bool distance_matches(Comparer& c, double d, const Key& a, const Key& b) {
  for (const std::size_t i : c.tables.distances_between(a, b)) {
    const Distance& e = c.tables.distances[i];
    if (std::fabs(d - e.metres) <= kDistanceTolerance) {
      c.refs.distances.clear();
      return true;
    }
    if (c.refs.distances.size() == kCapacities.candidates) {
      c.report.line(format(" NUMBER OF MATCHED OBS DISTANCES EXCEEDS %4zu", kCapacities.candidates));
      c.report.empty();
      end_run(c);
    }
    c.refs.distances.push_back({e.sequence, e.metres, e.type});
  }
  return false;
}

// Sets distance-unmatched when the record gives a distance between the two
// stations that the observations do not hold.
void check_distance(Comparer& c, const Record& rec, const Key& a, const Key& b) {
  const auto d = measured_distance(c, rec);
  if (!d) return;
  c.refs.distance_unmatched = c.tables.distances.empty() || !distance_matches(c, *d, a, b);
}

// Leading and second-endpoint records report their distance at once.
void immediate_distance_check(Comparer& c, const Record& rec, const Key& a, const Key& b) {
  check_distance(c, rec, a, b);
  report_findings(c, rec);
}

// --- the four kinds of record -------------------------------------------------

// The key of the object named in cc 15-44; when no station has that name,
// the record is echoed with the kind's message, whose last line the blank
// line follows.
std::optional<Key> object_key(Comparer& c, const Record& rec, std::initializer_list<std::string_view> unmatched) {
  if (auto key = c.names.key_of(cols(rec, 15, 44))) return key;
  echo(c, rec);
  for (const std::string_view text : unmatched) c.report.line(text);
  c.report.empty();
  return std::nullopt;
}

void leading_record(Comparer& c, const Record& rec) {
  const auto f = object_key(c, rec, {" CC 15-44 LEADING 30 RECORD REFERENCE OBJECT ",
                                     " NAME UNMATCHED--BY-PASS SUBSEQUENT 30 RECORDS"});
  if (!f) {
    c.refs.bypass_group = true;
    return;
  }
  c.refs.leading = *f;
  c.refs.leading_seen = true;
  immediate_distance_check(c, rec, c.current.key, *f);
}

void first_endpoint_record(Comparer& c, const Record& rec) {
  const auto f = object_key(c, rec, {" CC 15-44 FIRST REFERENCE OBJECT ENDPOINT NAME UNMATCHED",
                                     " BY-PASS SECOND REFERENCE OBJECT ENDPOINT RECORD"});
  if (!f) {
    c.refs.bypass_next = true;
    return;
  }
  c.current.key = *f;
  c.refs.second_expected = true;
}

void second_endpoint_record(Comparer& c, const Record& rec) {
  const auto f = object_key(c, rec, {" CC 15-44 SECOND REFERENCE OBJECT ENDPOINT NAME UNMATCHED"});
  if (f) immediate_distance_check(c, rec, c.current.key, *f);
}

void subsequent_record(Comparer& c, const Record& rec) {
  const auto f = object_key(c, rec, {" CC 15-44 SUBSEQUENT 30 RECORD REFERENCE OBJECT NAME UNMATCHED"});
  if (!f) return;
  c.refs.object = *f;
  check_distance(c, rec, c.current.key, *f);
  if (!orv::is_blank(cols(rec, 73, 80))) {
    bool matched = !c.tables.directions.empty() && match_20_series(c, rec);
    if (!matched) matched = !c.tables.angles.empty() && match_30_series(c, rec);
    c.refs.direction_unmatched = !matched;
  }
  report_findings(c, rec);
}

}  // namespace

void reference_object_record(Comparer& c, const Record& rec) {
  ReferenceObjects& r = c.refs;
  r.feet = false;
  r.distance_unmatched = false;
  r.direction_unmatched = false;
  if (orv::col(rec, 11) == '$') {
    r.leading_seen = r.bypass_group = r.bypass_next = r.second_expected = false;
  } else if (r.bypass_group) {
    // the leading object was not found: the rest of the group goes unread
  } else if (r.bypass_next) {
    r.bypass_next = false;
  } else if (r.second_expected) {
    r.second_expected = false;
    second_endpoint_record(c, rec);
  } else if (orv::is_blank(cols(rec, 45, 80))) {
    first_endpoint_record(c, rec);
  } else if (r.leading_seen) {
    subsequent_record(c, rec);
  } else {
    leading_record(c, rec);
  }
}

}  // namespace halvic
