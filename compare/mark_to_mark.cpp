#include "compare/mark_to_mark.hpp"

#include <cmath>

namespace halvic {

std::optional<double> chord(double s, double h1, double h2) {
  const double q = (s * s - (h1 - h2) * (h1 - h2)) / ((1.0 + h1 / kEarthRadius) * (1.0 + h2 / kEarthRadius));
  if (!(q > 0.0) || !std::isfinite(q)) return std::nullopt;
  return std::sqrt(q);
}

std::optional<double> arc(double chord) {
  const double diameter = 2.0 * kEarthRadius;
  if (!(chord <= diameter)) return std::nullopt;
  return diameter * std::asin(chord / diameter);
}

}  // namespace halvic
