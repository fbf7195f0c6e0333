// Writes a seed input for the fuzz targets (fuzz_input.hpp):
//
//   make_fuzz_seed <data-dir> <out> case <prepared-dir>
//       the run of an end-to-end case laid out by run_case --prepare: its
//       answers and working folder, as a whole dialogue
//   make_fuzz_seed <data-dir> <out> files <header> <answers> <file>...
//       the files (named by their last path step) in order, with the header
//       byte given in decimal and the answers after the usual dialogue
//   make_fuzz_seed <data-dir> <case-dir> unpack <program> <input>
//       the other way: lays out the run a fuzz input (a finding) stands for
//       as an end-to-end case's in/, answers and omit; its console, status
//       and out/ are left to be written once the fault is understood
//
// <data-dir> holds the standard contrib.dat and newerror.dir.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

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
               "       make_fuzz_seed <data-dir> <out> files <header> <answers> <file>...\n"
               "       make_fuzz_seed <data-dir> <case-dir> unpack <program> <input>\n";
  return 2;
}

bool write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  out.close();
  if (!out) std::cerr << "make_fuzz_seed: cannot write " << path << "\n";
  return static_cast<bool>(out);
}

int unpack(const orv::fuzz::DataFiles& data, const fs::path& into, const std::string& program, const fs::path& input) {
  using orv::fuzz::Program;
  const std::map<std::string, Program> programs{
      {"corvelin", Program::corvelin}, {"tamrel", Program::tamrel}, {"halvic", Program::halvic}, {"morandel", Program::morandel}};
  const auto found = programs.find(program);
  if (found == programs.end()) return usage();
  const std::string bytes = read_file(input);
  if (bytes.empty()) return usage();
  orv::Session session = orv::fuzz::session_from(found->second, bytes, data);
  // The standard data files come from the runner unless the run differs.
  std::string omit;
  for (const auto& [name, standard] : {std::pair<std::string, std::string>{"contrib.dat", data.agency_list},
                                       std::pair<std::string, std::string>{"newerror.dir", data.messages}}) {
    const auto file = session.folder.files.find(name);
    if (file == session.folder.files.end()) {
      omit += name + "\n";
    } else if (file->second == standard) {
      session.folder.files.erase(file);
    }
  }
  std::error_code error;
  for (const auto& folder : session.folder.folders) fs::create_directories(into / "in" / folder, error);
  fs::create_directories(into / "in", error);
  bool written = write_file(into / "answers", session.answers);
  if (!omit.empty()) written = write_file(into / "omit", omit) && written;
  for (const auto& [name, file] : session.folder.files) {
    fs::create_directories((into / "in" / name).parent_path(), error);
    written = write_file(into / "in" / name, file) && written;
  }
  if (session.limits.files < orv::fuzz::kMostRoom) {
    std::cerr << "make_fuzz_seed: the run had room for " << session.limits.files
              << " bytes of output only: a full disk a case cannot stage\n";
  }
  return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return usage();
  const auto data = orv::fuzz::data_files_in(argv[1]);
  const std::string mode = argv[3];
  if (mode == "unpack") return argc == 6 ? unpack(data, argv[2], argv[4], argv[5]) : usage();
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
