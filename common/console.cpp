#include "common/console.hpp"

#include <sys/stat.h>

namespace orv {

namespace {
// More than any file name the system can open; the rest of a longer line is
// read and dropped so that memory stays bounded.
constexpr std::size_t kMaxAnswer = 64 * 1024;
}  // namespace

namespace {
// Answers read from a regular file are all there before the first prompt:
// nobody waits to see a prompt before answering it.  A terminal, a pipe or
// anything else may be a person or a program that does.
bool answers_wait_for_prompts(std::FILE* in) {
  struct stat status {};
  const int descriptor = in != nullptr ? ::fileno(in) : -1;
  return descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode);
}
}  // namespace

Console::Console(std::FILE* in, std::FILE* out)
    : in_(in), out_(out), flush_prompts_(answers_wait_for_prompts(in)) {}

std::string Console::read_line() {
  std::string text;
  // The prompt is seen before the answer is awaited; where no answer is
  // awaited (answers from a file, or none left) the lines wait in the
  // buffer, so a run through a thousand questions writes in blocks.
  if (exhausted_) return text;
  if (flush_prompts_) std::fflush(out_);
  for (;;) {
    const int c = std::getc(in_);
    if (c == EOF) {
      exhausted_ = true;
      break;
    }
    if (c == '\n') break;
    if (text.size() < kMaxAnswer) text.push_back(static_cast<char>(c));
  }
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

char Console::read_letter() {
  const std::string text = read_line();
  return text.empty() ? ' ' : text.front();
}

void Console::line(std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), out_);
  std::fputc('\n', out_);
}

}  // namespace orv
