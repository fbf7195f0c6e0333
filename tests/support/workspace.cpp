#include "tests/support/workspace.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <chrono>
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

namespace {

// In the child, between fork and exec: only calls that are safe there.
[[noreturn]] void start(const std::string& program, const std::string& folder, const std::string& answers,
                        const std::string& console, const RunConditions& conditions) {
  const int in = ::open(answers.c_str(), O_RDONLY);
  const int out = ::open(console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 2) < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
  if (conditions.console_gone) {
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0 || ::dup2(pipe_ends[1], 1) < 0) ::_exit(126);
    ::close(pipe_ends[0]);
  } else if (::dup2(out, 1) < 0) {
    ::_exit(126);
  }
  if (conditions.file_size_limit >= 0) {
    const auto limit = static_cast<rlim_t>(conditions.file_size_limit);
    const rlimit fsize{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0) ::_exit(126);
  }
  std::signal(SIGPIPE, SIG_DFL);
  std::signal(SIGXFSZ, conditions.file_size_signal_ignored ? SIG_IGN : SIG_DFL);
  if (!conditions.scratch_folder.empty()) ::setenv("TMPDIR", conditions.scratch_folder.c_str(), 1);
  ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
  ::_exit(127);
}

}  // namespace

int Workspace::run(const std::string& program, const std::string& answers, std::string* console,
                   const RunConditions& conditions) const {
  std::ofstream(scratch_ / "answers", std::ios::binary) << answers;
  const std::string path = std::string(ORV_BIN_DIR) + "/" + program;
  const auto started = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) start(path, folder_.string(), (scratch_ / "answers").string(), (scratch_ / "console").string(), conditions);
  int raw = 0;
  rusage used{};
  if (child < 0 || ::wait4(child, &raw, 0, &used) != child) return -1;
  usage_ = {used.ru_maxrss, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()};
  if (console != nullptr) {
    std::ifstream in(scratch_ / "console", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    *console = text.str();
  }
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace orv::test
