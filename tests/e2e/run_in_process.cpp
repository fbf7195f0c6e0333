// Runs a program in-process on the working folder it is started in, as
// run_case --runner does with every end-to-end case: the folder and standard
// input are read into memory, the program's run_session() runs on them, and
// its console, the folder afterwards and the exit status are given back as
// the real program would leave them.  So each case holds the in-process run
// to the same expectations, byte for byte, as the real one.
//
// usage: run_in_process <program>     (corvelin, tamrel, halvic, morandel)

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "checker/driver.hpp"
#include "compare/driver.hpp"
#include "editor/driver.hpp"
#include "vectors/driver.hpp"

namespace {

namespace fs = std::filesystem;

const std::map<std::string, orv::ProgramRun> kPrograms{
    {"corvelin", corvelin::run}, {"tamrel", tamrel::run}, {"halvic", halvic::run}, {"morandel", morandel::run}};

std::string contents(std::istream& in) { return {std::istreambuf_iterator<char>(in), {}}; }

std::string file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return contents(in);
}

// The working folder as the run is given it; false for an entry that a
// folder in memory cannot hold (a link, a FIFO, a device).
bool read_folder(orv::Folder& folder) {
  for (const auto& entry : fs::recursive_directory_iterator(".")) {
    const std::string path = entry.path().lexically_relative(".").generic_string();
    if (entry.is_symlink()) {
      std::cerr << "run_in_process: " << path << " is a link, which a folder in memory cannot hold\n";
      return false;
    }
    if (entry.is_directory()) {
      folder.folders.insert(path);
    } else if (entry.is_regular_file()) {
      folder.files.emplace(path, file_bytes(entry.path()));
    } else {
      std::cerr << "run_in_process: " << path << " is a special file, which a folder in memory cannot hold\n";
      return false;
    }
  }
  return true;
}

// Makes the real folder what the run left in memory.
void write_folder(const orv::Folder& before, const orv::Folder& after) {
  for (const auto& [path, bytes] : before.files) {
    if (after.files.count(path) == 0) fs::remove(path);
  }
  for (const auto& path : after.folders) fs::create_directories(path);
  for (const auto& [path, bytes] : after.files) {
    const auto old = before.files.find(path);
    if (old != before.files.end() && old->second == bytes) continue;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const auto program = argc == 2 ? kPrograms.find(argv[1]) : kPrograms.end();
  if (program == kPrograms.end()) {
    std::cerr << "usage: run_in_process <corvelin|tamrel|halvic|morandel>\n";
    return 2;
  }
  orv::Session session;
  if (!read_folder(session.folder)) return 2;
  session.answers = contents(std::cin);
  const orv::SessionResult result = orv::run_in_memory(program->second, session);
  std::cout << result.console << std::flush;
  write_folder(session.folder, result.folder);
  return result.status;
}
