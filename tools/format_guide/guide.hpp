#pragma once
// What the parts of the format guide share: where its inputs are, the
// checker's message texts, the example files, and Markdown tables and
// record blocks.

#include <map>
#include <ostream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace guide {

struct Inputs {
  std::string data;      // messages.txt, contrib.dat
  std::string examples;  // the bundled example files
  std::string path(std::string_view folder, std::string_view name) const;
};

// The texts of the checker's numbered messages, from their readable source.
class MessageTexts {
 public:
  explicit MessageTexts(const std::string& source);
  // "`400 TEXT`"; a number without a text is a fault of the tables.
  std::string shown(int number) const;

 private:
  std::map<int, std::string> texts_;
};

// The records of a file, as cards of the width.
std::vector<std::string> read_cards(const std::string& path, int width);

std::string trimmed(std::string_view text);

// "11-14", or "56" for one column.
std::string columns(int first, int last);
// A text in code quotes, each blank shown as ␣.
std::string quoted(std::string_view text);
// The codes of a set, each `width` characters: `A`, `B` or `C`.
std::string code_list(std::string_view codes, int width);

struct Row {
  std::string columns;
  std::string accepted;
  std::string message;
};
void table(std::ostream& out, const std::vector<Row>& rows, std::string_view message_heading);

// The record in a fixed-width block under a column ruler as wide as its
// last non-blank column (rounded up to ten).
void example_block(std::ostream& out, std::string_view record);

// A fault of the tables or the examples that the guide must not print over.
[[noreturn]] void fail(const std::string& why);

}  // namespace guide

namespace guide {

// The sections of the guide, each from its program's tables.
void observation_file(std::ostream& out, const Inputs& inputs);
void description_file(std::ostream& out, const Inputs& inputs);
void gfile(std::ostream& out, const Inputs& inputs);

// The first record of the clean examples (names ending in `suffix`, none
// with "faulty" in it) that `wanted` takes; empty when none does.
std::string example_record(const Inputs& inputs, std::string_view suffix, int width,
                           const std::function<bool(std::string_view)>& wanted);

}  // namespace guide
