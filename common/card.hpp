#pragma once
// Card images: fixed-width text records and the columns inside them.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

constexpr int kCardWidth = 80;  // observation and description records

// Columns are numbered from 1; a range names its first and last column.
inline std::string_view cols(std::string_view card, int first, int last) {
  return card.substr(static_cast<std::size_t>(first - 1),
                     static_cast<std::size_t>(last - first + 1));
}

// The columns of a range that lie on the card: empty for a range that ends
// before it starts or lies beyond the card, cut at the card's end.
inline std::string_view cols_on_card(std::string_view card, int first, int last) {
  if (first < 1) first = 1;
  if (last > static_cast<int>(card.size())) last = static_cast<int>(card.size());
  if (last < first) return {};
  return cols(card, first, last);
}

inline char col(std::string_view card, int column) {
  return card[static_cast<std::size_t>(column - 1)];
}

// The field is one of `codes`, written one after another, each as wide as
// the field ("101112" holds 10, 11 and 12; a blank is a code only where the
// codes spell it out).
inline bool is_listed_code(std::string_view field, std::string_view codes) {
  if (field.empty()) return false;
  for (std::size_t at = 0; at + field.size() <= codes.size(); at += field.size()) {
    if (codes.substr(at, field.size()) == field) return true;
  }
  return false;
}

// Only the blank (0x20) counts as blank; tabs and NULs are characters.
// Inline: fields are tested by the million.
inline bool is_blank(std::string_view field) {
  for (const char c : field) {
    if (c != ' ') return false;
  }
  return true;
}

// A card of the given width made from text: cut or padded with blanks.
std::string make_card(std::string_view text, int width = kCardWidth);

// Reads a text file as card images of a fixed width.  A line ends at a line
// feed and loses one carriage return before it; the first Ctrl-Z ends the
// file.  Characters beyond the width are read and dropped, so a line of any
// length costs no more memory than one card and a block of the file.  The
// file is read a block at a time, so a reader owns the file's position while
// it reads: another reader of the same file starts with rewind().
class CardReader {
 public:
  CardReader(std::FILE* file, int width);
  CardReader(const CardReader&) = delete;
  CardReader& operator=(const CardReader&) = delete;

  // Reads the next card into `card`; false at the end of the file, and when
  // the file could not be read on.
  bool next(std::string& card);
  void rewind();
  // A read or a rewind has failed since the reader was made; a run that
  // goes on would work on part of the file.
  bool failed() const { return failed_; }

 private:
  bool fill();

  std::FILE* file_;
  int width_;
  bool ended_ = false;
  bool failed_ = false;
  std::unique_ptr<char[]> block_;
  std::size_t at_ = 0;    // next unread character of the block
  std::size_t size_ = 0;  // characters in the block
};

}  // namespace orv
