#pragma once
// What `halvic --help` says, and what a wrong command line is shown.

#include "common/command_line.hpp"

namespace halvic {

inline constexpr orv::ProgramUsage usage{"halvic", R"(Usage: halvic                run the dialogue
       halvic --help         show this text
       halvic --version      show the suite's version

Compares an observation file (B-file) with its description file: serial
numbers, station names, state codes and, in the old layout, reference-object
distances and directions; then lists the stations without description.

Start it without arguments in the folder that holds the files. It asks, one
answer a line (answers can be piped):
  1. the B-file name
  2. has it 4-digit serial numbers? (y/n)
  3. the description file name
  4. its layout: u (unified), d (D-file) or o (old)
  5. the report name (a new file; an existing file is never touched)
It writes only the report.

  printf '%s\n' survey.obs y survey.dsc u survey.rpt | halvic

Exit status:
  0  the run reached its end, whatever it found in the data
  1  the run ended early: a file that could not be opened or created, a fatal
     finding in the data, answers that ran out or were not y or n, or a
     report that could not be completed
  2  an argument other than --help or --version; nothing was read or written
See halvic(1).
)"};

}  // namespace halvic
