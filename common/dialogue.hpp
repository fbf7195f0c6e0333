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

// Whether a letter answer is shown back on the console.
enum class LetterEcho { shown, not_shown };

// The first letter of the next answer, shown back as a line when asked.
char read_letter(Console& console, LetterEcho echo);
// The prompt as a line of its own, then the answer's first letter.
char ask_letter(Console& console, std::string_view prompt, LetterEcho echo);

}  // namespace orv
