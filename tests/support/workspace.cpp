#include "tests/support/workspace.hpp"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace orv::test {

namespace fs = std::filesystem;

namespace {
fs::path unique_temp(const std::string& stem) {
  std::random_device device;
  for (;;) {
    const fs::path path = fs::temp_directory_path() / (stem + std::to_string(device()));
    if (fs::create_directory(path)) return path;
  }
}
}  // namespace

Workspace::Workspace() : folder_(unique_temp("orv-work-")), scratch_(unique_temp("orv-scratch-")) {
  for (const char* data : {"contrib.dat", "newerror.dir"}) {
    fs::copy_file(fs::path(ORV_BIN_DIR) / data, folder_ / data);
  }
}

Workspace::~Workspace() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  fs::remove_all(scratch_, ignored);
}

void Workspace::write(const std::string& name, const std::string& content) const {
  std::ofstream(folder_ / name, std::ios::binary) << content;
}

std::string Workspace::read(const std::string& name) const {
  std::ifstream in(folder_ / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Workspace::exists(const std::string& name) const { return fs::exists(folder_ / name); }

std::vector<std::string> Workspace::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int Workspace::run(const std::string& program, const std::string& answers, std::string* console) const {
  std::ofstream(scratch_ / "answers", std::ios::binary) << answers;
  const std::string command = "cd '" + folder_.string() + "' && '" + ORV_BIN_DIR + "/" + program + "' <'" +
                              (scratch_ / "answers").string() + "' >'" + (scratch_ / "console").string() +
                              "' 2>&1";
  const int raw = std::system(command.c_str());
  if (console != nullptr) {
    std::ifstream in(scratch_ / "console", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    *console = text.str();
  }
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace orv::test
