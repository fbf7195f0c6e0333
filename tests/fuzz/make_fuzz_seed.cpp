// Writes a seed input for the fuzz targets (fuzz_input.hpp):
//
//   make_fuzz_seed <data-dir> <out> case <prepared-dir>
//       the run of an end-to-end case laid out by run_case --prepare: its
//       answers and working folder, as a whole dialogue
//   make_fuzz_seed <data-dir> <out> files <header> <answers> <file>...
//       the files (named by their last path step) in order, with the header
//       byte given in decimal and the answers after the usual dialogue
//
// <data-dir> holds the standard contrib.dat and newerror.dir.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "tests/fuzz/fuzz_input.hpp"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

orv::Folder folder_at(const fs::path& root) {
  orv::Folder folder;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string path = entry.path().lexically_relative(root).generic_string();
    if (entry.is_directory()) folder.folders.insert(path);
    if (entry.is_regular_file()) folder.files.emplace(path, read_file(entry.path()));
  }
  return folder;
}

int usage() {
  std::cerr << "usage: make_fuzz_seed <data-dir> <out> case <prepared-dir>\n"
               "       make_fuzz_seed <data-dir> <out> files <header> <answers> <file>...\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return usage();
  const auto data = orv::fuzz::data_files_in(argv[1]);
  const std::string mode = argv[3];
  std::string input;
  if (mode == "case" && argc == 5) {
    const fs::path prepared = argv[4];
    input = orv::fuzz::input_for(folder_at(prepared / "run"), read_file(prepared / "answers"), data);
  } else if (mode == "files" && argc >= 6) {
    std::vector<orv::fuzz::FileSection> files;
    for (int i = 6; i < argc; ++i) files.emplace_back(fs::path(argv[i]).filename().string(), read_file(argv[i]));
    input = orv::fuzz::input_with(static_cast<unsigned>(std::atoi(argv[4])), argv[5], files);
  } else {
    return usage();
  }
  std::ofstream(argv[2], std::ios::binary) << input;
  return 0;
}
