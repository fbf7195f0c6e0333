// Runs the four programs on the hostile inputs at full size (a line of 1 GiB,
// 10^6 empty lines, a record repeated 10^6 times, 10^6 D records) and prints
// each run's exit status, peak memory beside that of a tiny run of the same
// kind, and wall time.  With --guard-size, the sizes the test command uses.
// Ends with status 1 when a run ends otherwise than documented or takes more
// memory than allowed.

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

#include "tests/support/hostile_inputs.hpp"

int main(int argc, char** argv) {
  using namespace orv::test;
  const bool guard = argc > 1 && std::strcmp(argv[1], "--guard-size") == 0;
  const HostileSizes sizes = guard ? kGuardSize : kFullSize;
  std::printf("line of %lld bytes, %lld lines or records; memory allowed: %ld KiB above the tiny run\n",
              sizes.line_bytes, sizes.records, kMostKibAboveTinyRun);
  // A child's peak counts from its fork, so it includes what the harness
  // held then (less than this peak: the harness frees what made the inputs).
  rusage self{};
  ::getrusage(RUSAGE_SELF, &self);
  std::printf("peak of this harness: %ld KiB\n\n", self.ru_maxrss);
  std::printf("| program  | input               | read as          | status | peak KiB | tiny run KiB | seconds |\n");
  std::printf("|----------|---------------------|------------------|--------|----------|--------------|---------|\n");
  bool sound = true;
  for (const HostileRun& run : hostile_runs()) {
    const Measured tiny = run_tiny(run);
    const Measured big = run_hostile(run, sizes);
    const bool as_documented = big.status == run.status;
    const bool bounded = big.usage.peak_kib - tiny.usage.peak_kib <= kMostKibAboveTinyRun;
    sound = sound && as_documented && bounded;
    std::printf("| %-8s | %-19s | %-16s | %d%-5s | %8ld%s | %12ld | %7.2f |\n", run.program, name_of(run.input),
                name_of(run.role), big.status, as_documented ? "" : " (!)", big.usage.peak_kib, bounded ? "" : "!",
                tiny.usage.peak_kib, big.usage.seconds);
    std::fflush(stdout);
  }
  if (!sound) std::printf("\n(!) status other than documented; ! memory beyond the allowance\n");
  return sound ? 0 : 1;
}
