#pragma once
// The agency list contrib.dat: one agency a line, its 6-character code in
// columns 2-7.  Shared by the observation-file and vector-file checkers.

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orv {

inline constexpr const char* kAgencyListName = "contrib.dat";

class AgencyList {
 public:
  explicit AgencyList(std::FILE* file) : file_(file) {}

  // Found when a line's columns 2-7 equal the code exactly, blanks included.
  // Six blanks are never found.  Each distinct code is searched in the file
  // once; later lookups of it give the same answer without reading again.
  bool contains(std::string_view code);

 private:
  bool search_file(std::string_view code);

  std::FILE* file_;
  std::unordered_map<std::string, bool> answers_;
};

}  // namespace orv
