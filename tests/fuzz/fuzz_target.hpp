#pragma once
// What every fuzz target does with one input: runs the program in-process
// on the session it stands for and holds the run to the contract of all
// four programs; a breach aborts, so that the fuzzer reports it like a crash.

#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzz_input.hpp"

namespace orv::fuzz {

void run_one(Program program, ProgramRun run, const std::uint8_t* data, std::size_t size);

}  // namespace orv::fuzz
