#pragma once

#include "common/console.hpp"

namespace corvelin {

// One whole run of the checker; answers the exit status.
int run(orv::Console& console);

}  // namespace corvelin
