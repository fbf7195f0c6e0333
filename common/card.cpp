#include "common/card.hpp"

#include <algorithm>
#include <cstring>

namespace orv {

namespace {
constexpr int kCtrlZ = 0x1A;
}

std::string make_card(std::string_view text, int width) {
  std::string card(text.substr(0, static_cast<std::size_t>(width)));
  card.resize(static_cast<std::size_t>(width), ' ');
  return card;
}

CardReader::CardReader(std::FILE* file, int width) : file_(file), width_(width) {}

bool CardReader::fill() {
  constexpr std::size_t kBlock = 64 * 1024;
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlock);
  at_ = 0;
  size_ = std::fread(block_.get(), 1, kBlock, file_);
  if (size_ == 0 && std::ferror(file_) != 0) failed_ = true;
  return size_ > 0;
}

bool CardReader::next(std::string& card) {
  card.clear();
  if (ended_ || file_ == nullptr) return false;
  const auto width = static_cast<std::size_t>(width_);
  card.resize(width, ' ');  // a short line reads as padded with blanks
  std::size_t length = 0;   // characters of the line, those beyond the width too
  char last = '\0';
  bool line_feed_met = false;
  for (;;) {
    if (at_ == size_ && !fill()) {
      ended_ = true;
      break;
    }
    const char* start = block_.get() + at_;
    const auto* line_feed = static_cast<const char*>(std::memchr(start, '\n', size_ - at_));
    std::size_t span = line_feed != nullptr ? static_cast<std::size_t>(line_feed - start) : size_ - at_;
    const auto* ctrl_z = static_cast<const char*>(std::memchr(start, kCtrlZ, span));
    if (ctrl_z != nullptr) span = static_cast<std::size_t>(ctrl_z - start);
    if (span > 0) {
      if (length < width) std::memcpy(&card[length], start, std::min(span, width - length));
      length += span;
      last = start[span - 1];
    }
    at_ += span;
    if (ctrl_z != nullptr) {
      ++at_;
      ended_ = true;
      break;
    }
    if (line_feed != nullptr) {
      ++at_;
      line_feed_met = true;
      break;
    }
  }
  if (length == 0 && !line_feed_met) {  // nothing left but the end of the file
    card.clear();
    return false;
  }
  // One carriage return at the end of the line is dropped.
  if (last == '\r' && length <= width) card[length - 1] = ' ';
  return true;
}

void CardReader::rewind() {
  if (file_ != nullptr && std::fseek(file_, 0, SEEK_SET) != 0) failed_ = true;
  if (file_ != nullptr) std::clearerr(file_);
  ended_ = false;
  at_ = size_ = 0;
}

}  // namespace orv
