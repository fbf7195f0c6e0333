#pragma once
// Report files: one line per call, carriage control (where a program has
// it) in column 1 written by the caller.  Trailing blanks are trimmed, so a
// blank line is written empty, unless the program's reports keep every
// line exactly as given.

#include <cstdio>
#include <initializer_list>
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
  // Lines put together by the caller, each ending in a line feed, in one
  // write: a long listing costs one call per block, not two per line.
  void lines(std::string_view block);
  // Pushes the lines to the file; false when any of them could not be
  // written (a full disk), so that a run never passes a cut report as done.
  bool flush();

 private:
  std::FILE* file_ = nullptr;
  TrailingBlanks blanks_ = TrailingBlanks::trimmed;
};

// Calls `each` with every line of a block of lines that end in line feeds.
template <class Each>
void for_each_line(std::string_view block, Each each) {
  while (!block.empty()) {
    const auto end = block.find('\n');
    each(block.substr(0, end));
    block.remove_prefix(end == std::string_view::npos ? block.size() : end + 1);
  }
}

// The texts one after another in one string.  Preferred to "text" + a
// temporary string, which g++ 12 at -O3 warns about as an overlapping copy.
std::string joined(std::initializer_list<std::string_view> parts);

// A text in a field of `width` columns: padded with blanks, a longer text
// whole (a file name is never cut short where a header shows it).
std::string padded(std::string_view text, std::size_t width);

// printf-style formatting into a std::string, for report and console lines.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace orv
