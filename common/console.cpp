#include "common/console.hpp"

namespace orv {

namespace {
// More than any file name the system can open; the rest of a longer line is
// read and dropped so that memory stays bounded.
constexpr std::size_t kMaxAnswer = 64 * 1024;
}  // namespace

Console::Console(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}

std::string Console::read_line() {
  std::string text;
  std::fflush(out_);  // the prompt is seen before the answer is awaited
  if (exhausted_) return text;
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
