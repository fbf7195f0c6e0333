#pragma once
// What `morandel --help` says, and what a wrong command line is shown.

#include "common/command_line.hpp"

namespace morandel {

inline constexpr orv::ProgramUsage usage{"morandel", R"(Usage: morandel              run the dialogue
       morandel --help       show this text
       morandel --version    show the suite's version

Reconciles an observation file (B-file) with its description file (unified
or old layout): for every differing station name or state code it asks which
file to correct, and writes corrected copies of both files and a report.

Start it without arguments in the folder that holds the files. It asks, one
answer a line (answers can be piped, e.g. from a file):
  1. the B-file name
  2. is it the new version? (y/n)
  3. the description file name
  4. is it unified? (y/n; n: old layout)
  5. unified only: update the *10* positions and elevations from the *80*
     records? (y/n)
  6. the corrected B-file name
  7. the corrected description file name
  8. the report name
  9. continue? (y/n; n: stop, nothing is created)
then for every difference: correct the description? (y/n), and after a no:
correct the B-file? (y/n). The three outputs are new files; an existing file
is never touched. A run that ends early deletes the corrected files it made.

  morandel < tolvar-unified.answers

Exit status:
  0  the run reached its end, or the user chose not to continue
  1  the run ended early: a file that could not be opened or created, a data
     error (DATA ERROR - PROGRAM MORANDEL TERMINATED), or an output that
     could not be completed
  2  an argument other than --help or --version; nothing was read or written
See morandel(1).
)"};

}  // namespace morandel
