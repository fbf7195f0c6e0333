#pragma once
// Report files: one line per call, carriage control (where a program has
// it) in column 1 written by the caller.  Trailing blanks are trimmed, so a
// blank line is written empty, unless the program's reports keep every
// line exactly as given.

#include <cstdio>
#include <string>
#include <string_view>

namespace orv {

enum class TrailingBlanks { trimmed, kept };

class ReportLines {
 public:
  ReportLines() = default;
  explicit ReportLines(std::FILE* file, TrailingBlanks blanks = TrailingBlanks::trimmed)
      : file_(file), blanks_(blanks) {}
  void attach(std::FILE* file) { file_ = file; }
  bool is_open() const { return file_ != nullptr; }

  void line(std::string_view text);
  void empty() { line({}); }
  // Pushes the lines to the file; false when any of them could not be
  // written (a full disk), so that a run never passes a cut report as done.
  bool flush();

 private:
  std::FILE* file_ = nullptr;
  TrailingBlanks blanks_ = TrailingBlanks::trimmed;
};

// printf-style formatting into a std::string, for report and console lines.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace orv
