#include "vectors/tamrel.hpp"

namespace tamrel {

void Reports::attach_short(std::FILE* file) { short_ = orv::ReportLines(file, orv::TrailingBlanks::kept); }

void Reports::attach_long(std::FILE* file) { long_ = orv::ReportLines(file, orv::TrailingBlanks::kept); }

// Before the reports are open (the yes/no query, a report that cannot be
// created) their lines are not lost: the console shows them once.
void Reports::to_long(std::string_view line) {
  if (long_.is_open()) {
    long_.line(line);
  } else if (!short_.is_open()) {
    console_.line(line);
  }
}

void Reports::to_short(std::string_view line) { short_.line(line); }

void Reports::both(std::string_view line) {
  to_long(line);
  to_short(line);
}

void Reports::both_short_first(std::string_view line) {
  to_short(line);
  to_long(line);
}

void Reports::long_only(std::string_view line) { to_long(line); }

void Reports::long_only_lines(std::string_view block) {
  if (long_.is_open()) {
    long_.lines(block);
    return;
  }
  orv::for_each_line(block, [&](std::string_view line) { to_long(line); });
}

void Reports::message(std::string_view text, std::string_view record) { message({text}, record); }

void Reports::message(std::initializer_list<std::string_view> lines, std::string_view record) {
  for (const auto write : {&Reports::to_long, &Reports::to_short}) {
    for (const auto line : lines) (this->*write)(line);
    (this->*write)(record);
    (this->*write)("");
  }
}

void Reports::notice(std::string_view text) {
  for (const auto write : {&Reports::to_long, &Reports::to_short}) {
    (this->*write)(text);
    (this->*write)("");
  }
}

bool Reports::flush() {
  const bool short_written = short_.flush();
  const bool long_written = long_.flush();
  return short_written && long_written;
}

}  // namespace tamrel
