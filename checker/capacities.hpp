#pragma once
// The checker's capacities: every table is fixed for the whole run, and a
// full one ends the run through the fatal termination with its message.

#include <cstddef>

namespace corvelin {

struct Capacities {
  int working_copy = 3000;             // records stored; the 3001st ends the run
  int stations = 2999;                 // station table; the 3000th entry raises 532
  int forepoints_in_set = 100;         // distinct forepoints of one observation set; the 101st ends the run
  std::size_t instrument_codes = 99;   // *70* codes; the 100th raises 533
  std::size_t antenna_codes = 99;      // *71*/*72* codes; the 100th raises 540
  std::size_t candidates = 100;        // observations tying one station; more are "Filled Up"
};
inline constexpr Capacities kCapacities{};

}  // namespace corvelin
