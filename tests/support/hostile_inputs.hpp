#pragma once
// Inputs no end-to-end case could hold, made on the fly, and the runs of the
// four programs on them: each program meets each input wherever it reads one
// (observation file, description file, G-file).  Memory must stay within a
// few MB of what the program takes on a tiny run, and every run must end in
// order with its documented status.

#include <string>
#include <vector>

#include "tests/support/workspace.hpp"

namespace orv::test {

enum class HostileInput { one_line, empty_lines, repeated_record, d_records };
enum class Role { observation_file, description_file, gfile };

const char* name_of(HostileInput input);
const char* name_of(Role role);

struct HostileSizes {
  long long line_bytes;  // of the one line
  long long records;     // empty lines, repeated records, D records
};
inline constexpr HostileSizes kFullSize{1LL << 30, 1000000};
inline constexpr HostileSizes kGuardSize{64LL << 20, 100000};

// Peak memory may exceed the tiny run's by this much.
inline constexpr long kMostKibAboveTinyRun = 4 * 1024;

struct HostileRun {
  const char* program;
  HostileInput input;
  Role role;
  int status;  // the run's documented exit status
};

// Every program with every input where it reads one.
const std::vector<HostileRun>& hostile_runs();

struct Measured {
  int status;
  Workspace::Usage usage;
};

// The run in a fresh folder, the input written there a block at a time.
Measured run_hostile(const HostileRun& run, const HostileSizes& sizes);

// The same program in the same role on a one-record input.
Measured run_tiny(const HostileRun& run);

}  // namespace orv::test
