#include "common/card.hpp"

#include <algorithm>
#include <cstring>

namespace orv {

namespace {
constexpr char kCtrlZ = 0x1A;
constexpr std::size_t kBlockSize = 64 * 1024;
}  // namespace

bool is_blank(std::string_view field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

std::string make_card(std::string_view text, int width) {
  std::string card(text.substr(0, static_cast<std::size_t>(width)));
  card.resize(static_cast<std::size_t>(width), ' ');
  return card;
}

CardReader::CardReader(std::FILE* file, int width) : file_(file), width_(width) {}

bool CardReader::fill() {
  if (block_.empty()) block_.resize(kBlockSize);
  at_ = 0;
  size_ = std::fread(block_.data(), 1, block_.size(), file_);
  return size_ > 0;
}

bool CardReader::next(std::string& card) {
  card.clear();
  if (ended_ || file_ == nullptr) return false;
  const auto width = static_cast<std::size_t>(width_);
  bool started = false;
  bool pending_cr = false;  // a CR is kept only when something other than LF follows
  auto keep = [&](const char* from, std::size_t count) {
    card.append(from, std::min(count, width - std::min(width, card.size())));
  };
  for (;;) {
    if (at_ == size_ && !fill()) {
      ended_ = true;
      if (!started) return false;
      break;
    }
    // The run of bytes up to the line end, the Ctrl-Z or the end of the block.
    const char* from = block_.data() + at_;
    const std::size_t left = size_ - at_;
    const char* line_end = static_cast<const char*>(std::memchr(from, '\n', left));
    const std::size_t span = line_end != nullptr ? static_cast<std::size_t>(line_end - from) : left;
    const char* ctrl_z = static_cast<const char*>(std::memchr(from, kCtrlZ, span));
    const std::size_t run = ctrl_z != nullptr ? static_cast<std::size_t>(ctrl_z - from) : span;
    if (run > 0) {
      if (pending_cr) keep("\r", 1);
      pending_cr = from[run - 1] == '\r';
      keep(from, pending_cr ? run - 1 : run);
      started = true;
    }
    at_ += run;
    if (ctrl_z != nullptr) {
      ended_ = true;
      if (!started) return false;
      break;
    }
    if (line_end != nullptr) {
      ++at_;
      break;
    }
  }
  card.resize(width, ' ');
  return true;
}

void CardReader::rewind() {
  if (file_ != nullptr) std::rewind(file_);
  ended_ = false;
  at_ = size_ = 0;
}

}  // namespace orv
