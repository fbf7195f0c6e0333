#pragma once
// Timing a built program on its inputs beside cat reading the same files,
// for the benchmark programs.  Each benchmark prints rows of one table; the
// script scripts/run-benchmarks runs them all under one header.

#include <functional>
#include <string>
#include <vector>

#include "tests/support/workspace.hpp"

namespace orv::test {

// One row: a run of a program in a prepared folder, and the files it reads,
// each named as often as the program reads it through.
struct BenchCase {
  std::string program;
  std::string inputs;               // what is at its limit, in a few words
  std::string answers;
  std::vector<std::string> reads;   // in the order the program reads them
  std::vector<std::string> outputs; // removed before every run
  // What must hold after a run (its status, lines of its report); the
  // problem in words, empty when the run did what the row claims.
  std::function<std::string(int status, const Workspace& work)> check;
};

// Medians, in seconds, of wall time and of processor time (user and system,
// steadier than wall time on a busy machine), process start included.
struct BenchFigures {
  double program_wall = 0.0;
  double cat_wall = 0.0;
  double program_cpu = 0.0;
  double cat_cpu = 0.0;
  // What the program writes, and cat with a writer of as many bytes beside
  // it: the floor for a program that writes more than it reads.
  long long written_bytes = 0;
  double io_wall = 0.0;
  double io_cpu = 0.0;
};

// The number of runs from the command line (--runs N), else `fallback`;
// --no-header leaves out the table's header; --keep FOLDER keeps a copy of
// each row's folder after one more run (inputs and outputs, for profiling).
struct BenchOptions {
  int runs = 7;
  bool header = true;
  std::string keep;
};
BenchOptions bench_options(int argc, char** argv, int fallback_runs = 7);

// Runs the program and cat by turns, `runs` times each, so that both meet
// the same load.  The program's first run is checked; a failed check is
// printed and ends the benchmark with status 1.
BenchFigures measure(const Workspace& work, const BenchCase& bench, int runs);

void print_bench_header(int runs);
void print_bench_row(const BenchCase& bench, const BenchFigures& figures);

// Measures each case in its folder and prints the table; the benchmark's
// exit status.
int run_benches(int argc, char** argv, const std::vector<std::pair<const Workspace*, BenchCase>>& cases);

}  // namespace orv::test
