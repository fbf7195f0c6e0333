#pragma once
// Card images: fixed-width text records and the columns inside them.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

constexpr int kCardWidth = 80;  // observation and description records

// Columns are numbered from 1; a range names its first and last column.
inline std::string_view cols(std::string_view card, int first, int last) {
  return card.substr(static_cast<std::size_t>(first - 1),
                     static_cast<std::size_t>(last - first + 1));
}

inline char col(std::string_view card, int column) {
  return card[static_cast<std::size_t>(column - 1)];
}

// Only the blank (0x20) counts as blank; tabs and NULs are characters.
bool is_blank(std::string_view field);

// A card of the given width made from text: cut or padded with blanks.
std::string make_card(std::string_view text, int width = kCardWidth);

// Reads a text file as card images of a fixed width.  A line ends at a line
// feed and loses one carriage return before it; the first Ctrl-Z ends the
// file.  Characters beyond the width are read and dropped, so a line of any
// length costs no more memory than one card.  The reader reads the file in
// blocks of its own: another reader takes over the file only after a rewind.
class CardReader {
 public:
  CardReader(std::FILE* file, int width);

  // Reads the next card into `card`; false at the end of the file.
  bool next(std::string& card);
  void rewind();

 private:
  bool fill();

  std::FILE* file_;
  int width_;
  bool ended_ = false;
  std::vector<char> block_;
  std::size_t at_ = 0;    // next unread byte of the block
  std::size_t size_ = 0;  // bytes in the block
};

}  // namespace orv
