#include "common/report_lines.hpp"

#include <cstdarg>

namespace orv {

void ReportLines::line(std::string_view text) {
  if (file_ == nullptr) return;
  if (blanks_ == TrailingBlanks::trimmed) {
    const auto end = text.find_last_not_of(' ');
    text = text.substr(0, end == std::string_view::npos ? 0 : end + 1);
  }
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file_);
  std::fputc('\n', file_);
}

void ReportLines::lines(std::string_view block) {
  if (file_ == nullptr) return;
  if (blanks_ == TrailingBlanks::kept) {
    std::fwrite(block.data(), 1, block.size(), file_);
    return;
  }
  for_each_line(block, [&](std::string_view text) { line(text); });
}

bool ReportLines::flush() {
  if (file_ == nullptr) return true;
  return std::fflush(file_) == 0 && std::ferror(file_) == 0;
}

std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const auto part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const auto part : parts) text += part;
  return text;
}

std::string padded(std::string_view text, std::size_t width) {
  std::string field(text);
  if (field.size() < width) field.resize(width, ' ');
  return field;
}

std::string format(const char* fmt, ...) {
  // Most lines fit a small buffer and are formatted once; a longer one is
  // formatted again into a string of its size.
  char small[256];
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  std::string text;
  if (size > 0 && static_cast<std::size_t>(size) < sizeof small) {
    text.assign(small, static_cast<std::size_t>(size));
  } else if (size > 0) {
    text.resize(static_cast<std::size_t>(size));
    std::vsnprintf(text.data(), text.size() + 1, fmt, args);
  }
  va_end(args);
  return text;
}

}  // namespace orv
