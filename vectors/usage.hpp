#pragma once
// What `tamrel --help` says, and what a wrong command line is shown.

#include "common/command_line.hpp"

namespace tamrel {

inline constexpr orv::ProgramUsage usage{"tamrel", R"(Usage: tamrel                run the dialogue
       tamrel --help         show this text
       tamrel --version      show the suite's version

Checks an observation file (B-file) and the GPS vector file (G-file) that
goes with it, each on its own and then vector by vector against each other.

Start it without arguments in the folder that holds the files. It asks, one
answer a line (answers can be piped):
  1. the B-file name
  2. has it 4-digit serial numbers? (y/n)
  3. does a G-file exist? (y/n)
  4. the G-file name (after n: just an empty line)
  5. the short report name (messages only)
  6. the long report name (messages and the 70I-76I listing of the G-file)
Both reports are new files; an existing file is never touched. It reads
contrib.dat (agency list) from the same folder.

  printf '%s\n' mesa.obs y y mesa.gps mesa.srt mesa.lrt | tamrel

Exit status:
  0  the run reached its end, whatever it found in the data
  1  the run ended early: a file that could not be opened or created, a fatal
     finding (EXECUTION TERMINATED), five answers that were not y or n, or a
     report that could not be completed
  2  an argument other than --help or --version; nothing was read or written
See tamrel(1).
)"};

}  // namespace tamrel
