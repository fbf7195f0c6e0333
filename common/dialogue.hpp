#pragma once
// The questions of the dialogues that all four programs ask alike.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/console.hpp"

namespace orv {

// Whether a typed file name is shown back on the console, and in how many
// columns (a longer name whole): the one way the programs differ here.
struct NameEcho {
  bool shown = false;
  std::size_t width = 0;
};
inline constexpr NameEcho kNameNotEchoed{};
constexpr NameEcho name_echoed_in(std::size_t width) { return {true, width}; }

// The prompt as a line of its own, the answer as a file name (trailing
// blanks dropped, never cut short), and the echo when the program gives one.
std::string ask_file_name(Console& console, std::string_view prompt, NameEcho echo);

}  // namespace orv
