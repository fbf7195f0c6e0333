#pragma once

#include "common/console.hpp"

namespace tamrel {

// One whole run of the vector checker; answers the exit status.
int run(orv::Console& console);

}  // namespace tamrel
