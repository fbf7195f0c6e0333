#pragma once
// The agency list contrib.dat: one agency a line, its 6-character code in
// columns 2-7.  Shared by the observation-file and vector-file checkers.

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/card.hpp"

namespace orv {

inline constexpr const char* kAgencyListName = "contrib.dat";

// What a code of six blanks finds: nothing in the observation-file checker;
// in the vector-file checker, the first line of any list that has one.
enum class BlankCode { never_found, found_in_any_line };

class AgencyList {
 public:
  explicit AgencyList(std::FILE* file, BlankCode blank = BlankCode::never_found)
      : blank_(blank), reader_(file, kCardWidth) {}

  // Found when a line's columns 2-7 equal the code exactly, blanks included;
  // six blanks as the list's BlankCode says.  The answers for the first few
  // thousand distinct codes are kept, so that a lookup repeated on every
  // record does not read the file again; later codes are searched each time,
  // so that a file of ever new codes cannot fill the memory.
  bool contains(std::string_view code);

 private:
  bool search_file(std::string_view code, bool any_line);

  BlankCode blank_;
  CardReader reader_;  // one for every search: its block is made once
  std::unordered_map<std::string, bool> answers_;
};

}  // namespace orv
