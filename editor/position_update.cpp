// The approximate position and elevation of a unified description *10*
// record, replaced by the station's own from the observation file.

#include <cmath>

#include "common/report_lines.hpp"
#include "editor/editor.hpp"

namespace morandel {

namespace {

// A zero-padded digit group; a value too wide for it fills it with asterisks.
std::string digits(long value, int width) {
  const std::string text = orv::format("%0*ld", width, value);
  return static_cast<int>(text.size()) > width ? std::string(static_cast<std::size_t>(width), '*') : text;
}

// The elevation ranges, chosen on the size of the elevation before it is
// rounded.  The rounding terms are single-precision values, as the text has
// always been rounded with them.
struct ElevationRange {
  double top;        // the range holds sizes below this
  double rounding;   // added before the digits are taken
  int whole_digits;
  int fraction_digits;
};

constexpr ElevationRange kRanges[] = {
    //  top        rounding                            whole  fraction
    {10.0, static_cast<double>(0.004999F), 1, 2},
    {100.0, static_cast<double>(0.004999F), 2, 2},
    {1000.0, static_cast<double>(0.04999F), 3, 1},
    {10000.0, static_cast<double>(0.49999F), 4, 0},
    {HUGE_VAL, static_cast<double>(0.49999F), 5, 0},
};

// The text of each range (h is the elevation, i and f the digit groups):
//   size < 10        _i.ff    -i.ff
//   size < 100       ii.ff    -ii.f   (the first fraction digit)
//   size < 1000      iii.f    -iii.
//   size < 10000     _iiii    -iiii
//   larger           iiiii    iiiii
std::string range_text(int range, bool negative, long whole, long fraction) {
  const std::string i = digits(whole, kRanges[range].whole_digits);
  const std::string f = kRanges[range].fraction_digits == 0 ? "" : digits(fraction, kRanges[range].fraction_digits);
  switch (range) {
    case 0: return (negative ? "-" : " ") + i + "." + f;
    case 1: return negative ? "-" + i + "." + f.substr(0, 1) : i + "." + f;
    case 2: return negative ? "-" + i + "." : i + "." + f;
    case 3: return (negative ? "-" : " ") + i;
    default: return i;
  }
}

}  // namespace

// Degrees, minutes and seconds rounded to whole seconds; a second that rounds
// to 60 carries into the minutes, and a minute that reaches 60 into the
// degrees.
std::string angle_text(double degrees, char letter, int degree_digits) {
  long d = static_cast<long>(degrees);
  const double minutes = (degrees - static_cast<double>(d)) * 60.0;
  long m = static_cast<long>(minutes);
  long s = std::lround((minutes - static_cast<double>(m)) * 60.0);
  if (s >= 60) {
    s -= 60;
    ++m;
  }
  if (m >= 60) {
    m -= 60;
    ++d;
  }
  return letter + digits(d, degree_digits) + digits(m, 2) + digits(s, 2);
}

// The range is chosen on the size; a size that rounds past the top of its
// range is written in the next range's form, so the text always holds the
// rounded value in five columns.
std::string elevation_text(double metres) {
  const bool negative = metres < 0.0;
  const double size = std::fabs(metres);
  int range = 0;
  while (size >= kRanges[range].top) ++range;
  double rounded = size + kRanges[range].rounding;
  while (rounded >= kRanges[range].top) rounded = size + kRanges[++range].rounding;
  const double whole = std::trunc(rounded);
  const double scale = std::pow(10.0, kRanges[range].fraction_digits);
  return range_text(range, negative, static_cast<long>(whole), static_cast<long>((rounded - whole) * scale));
}

void update_position(const Station& station, const Position& position, Record& rec) {
  rec.replace(16, 7, angle_text(position.latitude, position.latitude_letter, 2));     // cc 17-23
  rec.replace(23, 8, angle_text(position.longitude, position.longitude_letter, 3));  // cc 24-31
  if (!position.elevation_blank) rec.replace(31, 6, elevation_text(station.elevation) + "M");  // cc 32-37
}

}  // namespace morandel
