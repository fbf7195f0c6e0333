// Builds the checker's direct-access message file from its readable source.
// Record N (80 bytes, no separators) holds the text of message N; numbers
// without a text get a record of blanks so that every lower number reads.
//
// usage: make_message_file <messages.txt> <newerror.dir>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {
constexpr std::size_t kRecord = 80;
constexpr int kMaxNumber = 9999;

int fail(const std::string& where, const std::string& why) {
  std::cerr << where << ": " << why << '\n';
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return fail("make_message_file", "usage: make_message_file <source> <output>");
  std::ifstream source(argv[1]);
  if (!source) return fail(argv[1], "cannot be read");

  std::map<int, std::string> texts;
  std::string line;
  for (int line_number = 1; std::getline(source, line); ++line_number) {
    const std::string where = std::string(argv[1]) + ":" + std::to_string(line_number);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto blank = line.find(' ');
    if (blank == 0 || blank == std::string::npos || blank > 4) return fail(where, "expected a number, a blank and a text");
    int number = 0;
    for (std::size_t i = 0; i < blank; ++i) {
      if (line[i] < '0' || line[i] > '9') return fail(where, "message number is not decimal");
      number = number * 10 + (line[i] - '0');
    }
    const std::string text = line.substr(blank + 1);
    if (number < 1 || number > kMaxNumber) return fail(where, "message number out of range");
    if (text.size() > kRecord) return fail(where, "text longer than 80 characters");
    if (!text.empty() && text.back() == ' ') return fail(where, "text has trailing blanks");
    if (!texts.emplace(number, text).second) return fail(where, "message number given twice");
  }
  if (texts.empty()) return fail(argv[1], "holds no message");

  std::string image(kRecord * static_cast<std::size_t>(texts.rbegin()->first), ' ');
  for (const auto& [number, text] : texts) {
    image.replace(kRecord * static_cast<std::size_t>(number - 1), text.size(), text);
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(image.data(), static_cast<std::streamsize>(image.size()));
  if (!out) return fail(argv[2], "cannot be written");
  return 0;
}
