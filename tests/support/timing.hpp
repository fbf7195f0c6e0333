#pragma once
// Timing a built program on one input, for the benchmark programs.

#include <functional>

#include "tests/support/workspace.hpp"

namespace orv::test {

// The median wall time, in seconds, of `runs` calls of `once`, each after a
// call of `prepare` (untimed).
double median_seconds(int runs, const std::function<void()>& once, const std::function<void()>& prepare = {});

// The median processor time, in seconds, that the processes started by each
// call of `once` used (user and system): steadier than wall time on a busy
// machine.
double median_child_cpu_seconds(int runs, const std::function<void()>& once, const std::function<void()>& prepare = {});

// The median wall time, in seconds, of `runs` runs of corvelin on deck.obs
// in the folder (process start included), each writing a new report.txt.
double median_checker_seconds(const Workspace& work, int runs);

}  // namespace orv::test
