#include "common/dialogue.hpp"

#include "common/files.hpp"
#include "common/report_lines.hpp"

namespace orv {

std::string ask_file_name(Console& console, std::string_view prompt, NameEcho echo) {
  console.line(prompt);
  std::string name = file_name_from_answer(console.read_line());
  if (echo.shown) console.line(padded(name, echo.width));
  return name;
}

char read_letter(Console& console, LetterEcho echo) {
  const char answer = console.read_letter();
  if (echo == LetterEcho::shown) console.line(std::string(1, answer));
  return answer;
}

char ask_letter(Console& console, std::string_view prompt, LetterEcho echo) {
  console.line(prompt);
  return read_letter(console, echo);
}

}  // namespace orv
