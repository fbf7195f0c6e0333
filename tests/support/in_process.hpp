#pragma once
// Whole runs in-process, for tests of what only a run in memory can vary at
// will, such as the point where the disk fills.

#include <string>
#include <utility>
#include <vector>

#include "common/memory_file_system.hpp"

namespace orv::test {

// A session with the standard data files, the files given (name in the
// working folder, then the file's path from the source tree) and the answers.
Session session_with(const std::vector<std::pair<std::string, std::string>>& files, const std::string& answers);

// Runs the session again and again with the disk full at ever later points,
// up to where all it writes fits.  Each run must either end as the run with
// room does (status 0, the same console and folder), or end early (status 1)
// with its inputs untouched and none of `kept_only_when_complete` left.
void expect_every_full_disk_handled(ProgramRun run, const Session& session,
                                    const std::vector<std::string>& kept_only_when_complete = {});

}  // namespace orv::test
