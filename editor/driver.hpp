#pragma once

#include "common/console.hpp"

namespace morandel {

// One whole run of the editor; answers the exit status.
int run(orv::Console& console);

}  // namespace morandel
