#pragma once
// What `corvelin --help` says, and what a wrong command line is shown.

#include "common/command_line.hpp"

namespace corvelin {

inline constexpr orv::ProgramUsage usage{"corvelin", R"(Usage: corvelin              run the dialogue
       corvelin --help       show this text
       corvelin --version    show the suite's version

Checks one observation file (B-file, 4-digit serial numbers) on its own:
deck structure, every field, and which stations can be positioned.

Start it without arguments in the folder that holds the file. It asks, one
answer a line (answers can be piped):
  1. the observation file name
  2. the report file name (a new file; an existing file is never touched)
It reads contrib.dat (agency list) and newerror.dir (message texts) from the
same folder and writes only the report: record counts, then every error with
its record, then the totals.

  printf 'survey.obs\nsurvey.rpt\n' | corvelin

Exit status:
  0  the run reached its end, whatever it found in the data
  1  the run ended early: a file that could not be opened or created, a full
     table, or a report that could not be completed
  2  an argument other than --help or --version; nothing was read or written
See corvelin(1).
)"};

}  // namespace corvelin
