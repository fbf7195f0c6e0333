// The direction of a subsequent reference-object record (cc 73-80, from the
// leading object L to the object O, seen from the current station) against
// the observed directions and angles.

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "common/report_lines.hpp"
#include "compare/comparer.hpp"

namespace halvic {

namespace {

constexpr double kCircle = 1296000.0;      // seconds of arc
constexpr double kDirectionTolerance = 1.0;  // seconds of arc

double seconds_of_arc(int degrees, int minutes, float seconds) {
  return degrees * 3600.0 + minutes * 60.0 + static_cast<double>(seconds);
}
double obs(const Direction& d) { return seconds_of_arc(d.degrees, d.minutes, d.seconds); }
double obs(const Angle& a) { return seconds_of_arc(a.degrees, a.minutes, a.seconds); }

// DIR, the description's direction in seconds of arc, once cc 73-80 have
// passed the integer check (each match has its own message).
double description_direction(Comparer& c, const Record& rec, const char* message) {
  if (!orv::is_number(orv::cols(rec, 73, 80), {orv::Chars::digits_blanks})) {
    echo(c, rec);
    c.report.line(message);
    end_run(c);
  }
  auto part = [&](int first, int last, int implied) {
    return orv::read_number(orv::cols(rec, first, last), {orv::Chars::digits_blanks, orv::Blanks::zeros, implied})
        .value_or(0.0);
  };
  return part(73, 75, 0) * 3600.0 + part(76, 77, 0) * 60.0 + part(78, 80, 1);
}

void add_candidate(Comparer& c, DirectionCandidate candidate) {
  if (c.refs.directions.size() == kCapacities.candidates) {
    c.report.line(orv::format(" NUMBER OF MATCHED OBS DIRECTIONS EXCEEDS %4zu", kCapacities.candidates));
    c.report.empty();
    end_run(c);
  }
  c.refs.directions.push_back(std::move(candidate));
}

bool matches(Comparer& c, double dir, double value) {
  if (std::fabs(dir - value) > kDirectionTolerance) return false;
  c.refs.directions.clear();
  return true;
}

// --- 20-series ---------------------------------------------------------------

// What a scan of j's set finds: the first direction to L, and the first and
// last of the others.
struct SetScan {
  std::optional<std::size_t> to_leading;
  std::size_t first_other = 0;
  std::size_t last_other = 0;
  int others = 0;
};

SetScan scan_set(const std::vector<Direction>& t, const std::vector<std::size_t>& set, const Key& leading) {
  SetScan s;
  for (const std::size_t e : set) {
    if (t[e].forepoint == leading) {
      if (!s.to_leading) s.to_leading = e;
    } else {
      if (s.others++ == 0) s.first_other = e;
      s.last_other = e;
    }
  }
  return s;
}

double wrapped(double value) {
  for (int pass = 0; pass < 2; ++pass) {
    if (value <= 0.0) {
      value += kCircle;
    } else if (value >= kCircle) {
      value -= kCircle;
    }
  }
  return value;
}

// L to j through another set i that also holds L: a forepoint v of j's set
// that i's set holds as w carries the angle across.  The first (i, v, w) in
// table order is taken.
std::optional<double> through_connecting_set(const std::vector<Direction>& t, const StationDirections& block,
                                             std::size_t j, const SetScan& own, const Key& leading) {
  if (own.others < 2) return std::nullopt;
  for (const std::size_t i : block.toward(t, leading)) {
    const std::vector<std::size_t>& connecting = block.sets.at(t[i].set);
    for (std::size_t v = own.first_other; v <= own.last_other; ++v) {
      for (const std::size_t w : connecting) {
        if (t[v].forepoint == t[w].forepoint) return wrapped((obs(t[j]) - obs(t[v])) + (obs(t[w]) - obs(t[i])));
      }
    }
  }
  return std::nullopt;
}

// The observed angle from L to j's forepoint: within j's set, else through
// a connecting set.
std::optional<double> angle_from_leading(const std::vector<Direction>& t, const StationDirections& block,
                                         std::size_t j, const Key& leading) {
  const SetScan own = scan_set(t, block.sets.at(t[j].set), leading);
  if (!own.to_leading) return through_connecting_set(t, block, j, own, leading);
  double value = obs(t[j]) - obs(t[*own.to_leading]);
  if (value <= 0.0) value += kCircle;
  return value;
}

DirectionCandidate direction_candidate(const Direction& j, double value) {
  const double in_degrees = value / 3600.0;
  const int degrees = static_cast<int>(in_degrees);
  const double minutes_left = (in_degrees - degrees) * 60.0;
  const int minutes = static_cast<int>(minutes_left);
  const auto seconds = static_cast<float>((minutes_left - minutes) * 60.0);
  return {j.sequence, j.set, j.flag, degrees, minutes, seconds};
}

// The forepoint of a position in the table, or a forepoint itself, for
// the searches of StationDirections::by_forepoint.
std::string_view forepoint_of(const std::vector<Direction>& table, std::uint32_t position) {
  return table[position].forepoint.text();
}
std::string_view forepoint_of(const std::vector<Direction>&, std::string_view forepoint) { return forepoint; }

}  // namespace

DirectionIndex::DirectionIndex(const std::vector<Direction>& table) {
  for (std::size_t run = 0; run < table.size();) {
    std::size_t end = run;
    while (end < table.size() && table[end].standpoint == table[run].standpoint) ++end;
    // Only a station's first run of directions counts.
    const auto [entry, added] = stations_.try_emplace(std::string(table[run].standpoint.text()));
    if (added) {
      entry->second.first = run;
      entry->second.end = end;
      for (std::size_t e = run; e < end; ++e) entry->second.sets[table[e].set].push_back(e);
      auto& by_forepoint = entry->second.by_forepoint;
      for (std::size_t e = run; e < end; ++e) by_forepoint.push_back(static_cast<std::uint32_t>(e));
      std::stable_sort(by_forepoint.begin(), by_forepoint.end(), [&](std::uint32_t a, std::uint32_t b) {
        return table[a].forepoint.text() < table[b].forepoint.text();
      });
    }
    run = end;
  }
}

std::span<const std::uint32_t> StationDirections::toward(const std::vector<Direction>& table,
                                                         const Key& forepoint) const {
  const auto [from, to] = std::equal_range(
      by_forepoint.begin(), by_forepoint.end(), forepoint.text(), [&](const auto& a, const auto& b) {
        return forepoint_of(table, a) < forepoint_of(table, b);
      });
  return {from, to};
}

const StationDirections* DirectionIndex::at(const Key& station) const {
  const auto entry = stations_.find(std::string(station.text()));
  return entry == stations_.end() ? nullptr : &entry->second;
}

bool match_20_series(Comparer& c, const Record& rec) {
  const double dir = description_direction(c, rec, " DESC 30 RECORD DIRECTION CC 73-80 NON-INTEGER");
  const auto& t = c.tables.directions;
  const StationDirections* block = c.directions_by_station.at(c.current.key);
  if (block == nullptr) return false;
  for (const std::size_t j : block->toward(t, c.refs.object)) {
    const auto value = angle_from_leading(t, *block, j, c.refs.leading);
    if (!value) continue;
    if (matches(c, dir, *value)) return true;
    add_candidate(c, direction_candidate(t[j], *value));
  }
  return false;
}

bool match_30_series(Comparer& c, const Record& rec) {
  const double dir = description_direction(c, rec, " DESC 30 RECORD DIRECTION CC 73- 80 NON-INTEGER ");
  for (const Angle& a : c.tables.angles) {
    if (a.standpoint != c.current.key || a.backsight != c.refs.leading || a.foresight != c.refs.object) continue;
    if (matches(c, dir, obs(a))) return true;
    add_candidate(c, {a.sequence, a.set, a.flag, a.degrees, a.minutes, a.seconds});
  }
  return false;
}

}  // namespace halvic
