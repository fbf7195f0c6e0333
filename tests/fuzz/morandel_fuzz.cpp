// Fuzz target: whole morandel runs in-process, answers and files fuzzed.
#include "editor/driver.hpp"
#include "tests/fuzz/fuzz_target.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::run_one(orv::fuzz::Program::morandel, morandel::run, data, size);
  return 0;
}
