#pragma once

#include "common/console.hpp"

namespace halvic {

// One whole run of the comparer; answers the exit status.
int run(orv::Console& console);

}  // namespace halvic
