#pragma once
// Card images for tests, written as the column tables read: each text
// placed at its first column.

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv::test {

struct At {
  int column;
  std::string_view text;
};

inline std::string card(std::initializer_list<At> fields, int width = 80) {
  std::string c(static_cast<std::size_t>(width), ' ');
  for (const At& f : fields) c.replace(static_cast<std::size_t>(f.column - 1), f.text.size(), f.text);
  return c;
}

// The same card as a line of a file.
inline std::string card_line(std::initializer_list<At> fields, int width = 80) { return card(fields, width) + "\n"; }

}  // namespace orv::test
