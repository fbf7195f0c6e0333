#pragma once
// The console dialogue: answers are read a line at a time, so piped answers
// work exactly like typed ones.

#include <cstdio>
#include <string>
#include <string_view>

namespace orv {

class Console {
 public:
  explicit Console(std::FILE* in = stdin, std::FILE* out = stdout);

  // The next line without its line feed and one trailing carriage return.
  // End of input reads as an empty line.
  std::string read_line();
  // The first character of the next line, blank for an empty line.
  char read_letter();
  // True once a read has met the end of input.
  bool exhausted() const { return exhausted_; }

  // Writes one line exactly as given (prompts keep their trailing blanks).
  void line(std::string_view text);

 private:
  std::FILE* in_;
  std::FILE* out_;
  bool flush_prompts_;
  bool exhausted_ = false;
};

// The one way a run ends early, in every program: where the ending
// condition is met (a file that cannot be opened, a full table, a fatal
// field, an unanswerable question), the program's early-end step writes what
// that end writes and throws RunEnd; its run() catches it once, closes what
// is open and answers the status.  No step answers a failure as a bool.
struct RunEnd {
  int status;
};

// The exit status of every program: 0 for a normal end or the user's choice
// to stop, 1 for a run ended early on a file or data condition.
constexpr int kNormalEnd = 0;
constexpr int kEarlyEnd = 1;

}  // namespace orv
