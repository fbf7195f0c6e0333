// Fuzz target: whole tamrel runs in-process, answers and files fuzzed.
#include "vectors/driver.hpp"
#include "tests/fuzz/fuzz_target.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::run_one(orv::fuzz::Program::tamrel, tamrel::run, data, size);
  return 0;
}
