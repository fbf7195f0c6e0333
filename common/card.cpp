#include "common/card.hpp"

#include <algorithm>

namespace orv {

namespace {
constexpr int kCtrlZ = 0x1A;
}

bool is_blank(std::string_view field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

std::string make_card(std::string_view text, int width) {
  std::string card(text.substr(0, static_cast<std::size_t>(width)));
  card.resize(static_cast<std::size_t>(width), ' ');
  return card;
}

CardReader::CardReader(std::FILE* file, int width) : file_(file), width_(width) {}

bool CardReader::next(std::string& card) {
  card.clear();
  if (ended_ || file_ == nullptr) return false;
  const auto width = static_cast<std::size_t>(width_);
  bool started = false;
  bool pending_cr = false;  // a CR is kept only when something other than LF follows
  auto keep = [&](char c) {
    if (card.size() < width) card.push_back(c);
  };
  for (;;) {
    const int c = std::getc(file_);
    if (c == EOF || c == kCtrlZ) {
      ended_ = true;
      if (c == EOF && std::ferror(file_) != 0) failed_ = true;
      if (!started) return false;
      break;
    }
    if (c == '\n') break;
    if (pending_cr) keep('\r');
    pending_cr = (c == '\r');
    if (!pending_cr) keep(static_cast<char>(c));
    started = true;
  }
  card.resize(width, ' ');
  return true;
}

void CardReader::rewind() {
  if (file_ != nullptr && std::fseek(file_, 0, SEEK_SET) != 0) failed_ = true;
  if (file_ != nullptr) std::clearerr(file_);
  ended_ = false;
}

}  // namespace orv
