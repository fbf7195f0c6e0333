// Every program on every hostile input where it reads one, at a tenth of
// the full size or less (tests/bench/hostile_inputs_bench runs them at full
// size): each run ends with its documented status, and takes no more memory
// than a tiny run of the same kind and a few MB, so no line, record count or
// file size makes memory grow.

#include <gtest/gtest.h>

#include "tests/support/hostile_inputs.hpp"

namespace {

// A sanitizer's shadow memory grows with what the program touches, so peak
// memory says nothing there; the statuses still do.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasured = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryMeasured = false;
#else
constexpr bool kMemoryMeasured = true;
#endif
#else
constexpr bool kMemoryMeasured = true;
#endif

using orv::test::HostileRun;

TEST(BoundedMemory, EveryProgramOnEveryHostileInput) {
  for (const HostileRun& run : orv::test::hostile_runs()) {
    SCOPED_TRACE(std::string(run.program) + " reading " + name_of(run.input) + " as its " + name_of(run.role));
    const auto tiny = orv::test::run_tiny(run);
    const auto big = orv::test::run_hostile(run, orv::test::kGuardSize);
    EXPECT_EQ(big.status, run.status);
    if (kMemoryMeasured) {
      EXPECT_LE(big.usage.peak_kib, tiny.usage.peak_kib + orv::test::kMostKibAboveTinyRun);
    }
  }
}

}  // namespace
