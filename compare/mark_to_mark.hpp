#pragma once
// Reduction of a measured distance between two marks to the chord between
// them at sea level, and of that chord to the arc over it.

#include <optional>

namespace halvic {

inline constexpr double kEarthRadius = 6372000.0;  // metres

// The chord for a measured distance s between marks at elevations h1 and h2:
// q = (s² − (h1 − h2)²) / ((1 + h1/R)(1 + h2/R)), the chord √q.  None when q
// is not above zero.
std::optional<double> chord(double s, double h1, double h2);

// The arc 2R·asin(c / 2R); none when the chord is longer than the diameter.
std::optional<double> arc(double chord);

}  // namespace halvic
