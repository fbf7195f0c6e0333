// Fuzz target: whole halvic runs in-process, answers and files fuzzed.
#include "compare/driver.hpp"
#include "tests/fuzz/fuzz_target.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::run_one(orv::fuzz::Program::halvic, halvic::run, data, size);
  return 0;
}
