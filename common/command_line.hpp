#pragma once
// The one command line every program takes: none.  Started without
// arguments a program runs its dialogue; --help and --version answer and
// stop, so that a user can ask a program what it does without starting a
// run, and anything else is refused before a file is touched.

#include <cstdio>
#include <optional>
#include <string_view>

namespace orv {

struct ProgramUsage {
  std::string_view program;  // the program's name, as typed to start it
  std::string_view text;     // what it asks, what it writes, its exit statuses
};

// The suite's version, the same for every program.
std::string_view suite_version();

// The exit status of a command line that is refused: the run never started.
constexpr int kUsageError = 2;

// Empty when the program is to run its dialogue (no arguments).  Otherwise
// the exit status the program ends with at once: 0 after --help (the usage on
// `out`) or --version, kUsageError for any other command line (the usage on
// `err`), 1 when the answer could not be written.
std::optional<int> handle_arguments(int argc, const char* const argv[], const ProgramUsage& usage,
                                    std::FILE* out = stdout, std::FILE* err = stderr);

}  // namespace orv
