#include "tools/format_guide/guide.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "common/card.hpp"
#include "common/files.hpp"

namespace guide {

std::string Inputs::path(std::string_view folder, std::string_view name) const {
  return std::string(folder) + "/" + std::string(name);
}

MessageTexts::MessageTexts(const std::string& source) {
  std::ifstream in(source);
  if (!in) fail(source + ": cannot be read");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto blank = line.find(' ');
    if (blank == std::string::npos) continue;
    texts_[std::stoi(line.substr(0, blank))] = line.substr(blank + 1);
  }
}

std::string MessageTexts::shown(int number) const {
  const auto found = texts_.find(number);
  if (found == texts_.end()) fail("message " + std::to_string(number) + " has no text in messages.txt");
  std::string shown = "`";
  shown.append(std::to_string(number)).append(" ").append(found->second).append("`");
  return shown;
}

std::vector<std::string> read_cards(const std::string& path, int width) {
  orv::File file = orv::open_input(path);
  if (!file) fail(path + ": cannot be read");
  orv::CardReader reader(file.get(), width);
  std::vector<std::string> cards;
  std::string card;
  while (reader.next(card)) cards.push_back(card);
  return cards;
}

std::string trimmed(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}


std::string columns(int first, int last) {
  return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

std::string quoted(std::string_view text) {
  std::string shown = "`";
  for (const char c : text) {
    if (c == ' ') shown += "\u2423";
    else if (c == '|') shown += "\\|";
    else shown += c;
  }
  return shown + "`";
}

std::string code_list(std::string_view codes, int width) {
  std::vector<std::string> shown;
  for (std::size_t at = 0; at + static_cast<std::size_t>(width) <= codes.size(); at += static_cast<std::size_t>(width)) {
    shown.push_back(quoted(codes.substr(at, static_cast<std::size_t>(width))));
  }
  std::string text;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i > 0) text += i + 1 == shown.size() ? " or " : ", ";
    text += shown[i];
  }
  return text;
}

namespace {
// A table cell: bars escaped (those in code quotes are already), and a star
// outside code quotes kept from starting emphasis ("*80* records").
std::string cell(std::string_view text) {
  std::string out;
  bool in_code = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '`') in_code = !in_code;
    if (text[i] == '|' && (i == 0 || text[i - 1] != '\\')) out += "\\|";
    else if (text[i] == '*' && !in_code) out += "\\*";
    else out += text[i];
  }
  return out;
}
}  // namespace

void table(std::ostream& out, const std::vector<Row>& rows, std::string_view message_heading) {
  out << "| Columns | Accepted | " << message_heading << " |\n|---|---|---|\n";
  for (const Row& row : rows) {
    out << "| " << cell(row.columns) << " | " << cell(row.accepted) << " | " << cell(row.message) << " |\n";
  }
  out << '\n';
}

void example_block(std::ostream& out, std::string_view record) {
  const std::size_t used = trimmed(record).size();
  const std::size_t width = (used + 9) / 10 * 10;
  std::string tens;
  std::string units;
  for (std::size_t column = 1; column <= width; ++column) {
    tens += column % 10 == 0 ? static_cast<char>('0' + column / 10 % 10) : ' ';
    units += static_cast<char>('0' + column % 10);
  }
  out << "```\n" << trimmed(tens) << '\n' << units << '\n' << trimmed(record) << "\n```\n\n";
}

std::string example_record(const Inputs& inputs, std::string_view suffix, int width,
                           const std::function<bool(std::string_view)>& wanted) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(inputs.examples)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(suffix) && name.find("faulty") == std::string::npos) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    for (const std::string& card : read_cards(inputs.path(inputs.examples, name), width)) {
      if (wanted(card)) return card;
    }
  }
  return {};
}

void fail(const std::string& why) { throw std::runtime_error(why); }

}  // namespace guide
