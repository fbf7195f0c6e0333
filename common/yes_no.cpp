#include "common/yes_no.hpp"

namespace orv {

namespace {
void show(Console& console, const std::vector<std::string>& lines) {
  for (const auto& text : lines) console.line(text);
}
}  // namespace

bool ask_yes_no(Console& console, char& answer, const YesNoRules& rules) {
  for (int judged = 1;; ++judged) {
    if (answer == 'Y' || answer == 'y') return true;
    if (answer == 'N' || answer == 'n') return false;
    if (judged >= rules.answers) break;
    show(console, rules.retry_lines);
    answer = console.read_letter();
  }
  if (rules.after_last == AfterLast::read_one_more) {
    show(console, rules.retry_lines);
    answer = console.read_letter();
  }
  if (rules.give_up) rules.give_up();
  return false;
}

}  // namespace orv
