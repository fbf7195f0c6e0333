// format_guide: writes docs/formats.md from the programs' own tables, or
// compares a committed copy with what the tables make now.
//
//   format_guide --data D --examples E --write FILE
//   format_guide --data D --examples E --compare COMMITTED --built FILE

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/format_guide/guide.hpp"

namespace {

std::string guide_text(const guide::Inputs& inputs) {
  std::ostringstream out;
  out << "# Record formats\n\n"
      << "This guide is written by `tools/format_guide` from the column tables the programs check records with; "
         "do not edit it by hand. The build writes it into `build/docs/formats.md`, and the test `docs/formats` "
         "fails while this copy differs.\n\n"
      << "Columns are counted from 1 (\"cc\" in the messages). In the tables a blank inside a code is shown as "
         "`\u2423`; an example record stands under a ruler of its columns.\n\n";
  guide::observation_file(out, inputs);
  guide::description_file(out, inputs);
  guide::gfile(out, inputs);
  return out.str();
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int line_of_first_difference(const std::string& a, const std::string& b) {
  int line = 1;
  for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
    if (a[i] == '\n') ++line;
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  guide::Inputs inputs;
  std::string write;
  std::string committed;
  std::string built;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const std::string value = argv[i + 1];
    if (option == "--data") inputs.data = value;
    else if (option == "--examples") inputs.examples = value;
    else if (option == "--write") write = value;
    else if (option == "--compare") committed = value;
    else if (option == "--built") built = value;
    else {
      std::cerr << "format_guide: unknown option " << option << '\n';
      return 2;
    }
  }
  if (inputs.data.empty() || inputs.examples.empty() || (write.empty() == committed.empty())) {
    std::cerr << "usage: format_guide --data D --examples E (--write FILE | --compare COMMITTED [--built FILE])\n";
    return 2;
  }
  try {
    const std::string text = guide_text(inputs);
    if (!write.empty()) {
      std::ofstream out(write, std::ios::binary | std::ios::trunc);
      out << text;
      out.close();
      if (!out) guide::fail(write + ": cannot be written");
      return 0;
    }
    const std::string present = file_text(committed);
    if (present == text) return 0;
    std::cerr << committed << " differs from what the column tables make now (first at line "
              << line_of_first_difference(present, text) << ").\nRefresh it: cmake --build build && cp "
              << (built.empty() ? std::string("build/docs/formats.md") : built) << ' ' << committed << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "format_guide: " << e.what() << '\n';
    return 1;
  }
}
