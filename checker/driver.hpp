#pragma once

#include "common/console.hpp"
#include "common/file_system.hpp"
#include "common/memory_file_system.hpp"

namespace corvelin {

// One whole run of the checker with the files and console of `system`;
// answers the exit status.
int run(orv::FileSystem& system);

// The same run in-process, on a working folder and answers held in memory.
inline orv::SessionResult run_session(const orv::Session& session) { return orv::run_in_memory(run, session); }

}  // namespace corvelin
