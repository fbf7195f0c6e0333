#pragma once
// The fuzz input of every program's fuzz target, split into console answers
// and the files of the working folder (README.md beside this file):
//
//   byte 0   the header H:
//              bit 7  the answers section is the whole console input; else
//                     the program's usual dialogue is answered first, from
//                     bits 0-2 and the names of the first two files, and the
//                     answers section follows it
//              bit 6  no contrib.dat unless a file section holds one
//              bit 5  no newerror.dir unless a file section holds one
//              bits 3-4  the space the run may write, beyond which a write
//                     fails as on a full disk: kMostRoom, 1 KiB, 8 KiB, 64 KiB
//              bits 0-2  the dialogue's yes/no and layout answers
//   then     sections separated by "\n%%\n": the answers first, then one
//            section a file, its first line its name and the rest its bytes
//            (a name ending in "/" is a folder)

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/memory_file_system.hpp"

namespace orv::fuzz {

enum class Program { corvelin, tamrel, halvic, morandel };

inline constexpr std::string_view kSeparator = "\n%%\n";

// The most room a run may write: more than any seed's run writes, and little
// enough that a deck whose messages grow as the square of its records (every
// station at one position) ends on a full disk after a few milliseconds
// instead of writing for a tenth of a second: such runs set the pace.
inline constexpr std::size_t kMostRoom = std::size_t{2} << 20;

namespace header {
inline constexpr unsigned kWholeDialogue = 0x80;
inline constexpr unsigned kNoAgencyList = 0x40;
inline constexpr unsigned kNoMessageFile = 0x20;
}  // namespace header

// The standard data files a run finds unless the input leaves them out.
struct DataFiles {
  std::string agency_list;  // contrib.dat
  std::string messages;     // newerror.dir
};
// Read from a folder; empty texts for files that are not there.
DataFiles data_files_in(const std::string& folder);

// The run an input stands for.
Session session_from(Program program, std::string_view input, const DataFiles& data);

// The dialogue the program is given for header `h` when bit 7 is clear:
// the observation file named `first`, the second input `second`.
std::string usual_dialogue(Program program, unsigned h, const std::string& first, const std::string& second);

// An input that stands for the run with exactly these answers and this
// folder (bit 7 set): the data files are left out of the sections where
// they are the standard ones, and the observation files come first.
std::string input_for(const Folder& folder, const std::string& answers, const DataFiles& data);

// A file section: its name ("sub/" for a folder) and its bytes.
using FileSection = std::pair<std::string, std::string>;

// The input of header `h`, these answers and these file sections in order.
std::string input_with(unsigned h, const std::string& answers, const std::vector<FileSection>& files);

}  // namespace orv::fuzz
