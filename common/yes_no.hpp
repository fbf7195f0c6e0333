#pragma once
// The yes/no question of the console dialogues.  The programs ask it alike
// and differ only in what they say before each new answer, how many answers
// they judge and what giving up means, so those come in as rules.

#include <functional>
#include <string>
#include <vector>

#include "common/console.hpp"

namespace orv {

// After the last invalid answer: the run gives up at once, or the retry
// lines are shown once more and one line is read, not judged.
enum class AfterLast { give_up, read_one_more };

struct YesNoRules {
  std::vector<std::string> retry_lines;  // console lines before each new answer
  int answers = 5;                       // answers judged at most, the caller's included
  AfterLast after_last = AfterLast::give_up;
  std::function<void()> give_up;         // after the last invalid answer; expected to end
                                         // the run.  Empty, or returning: the answer is no
};

// Judges `answer`, the letter the caller has read and echoed, and reads new
// ones (not echoed) while it is not Y, y, N or n.  `answer` is left holding
// the last letter read.
bool ask_yes_no(Console& console, char& answer, const YesNoRules& rules);

}  // namespace orv
