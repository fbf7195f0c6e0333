#pragma once
// A temporary working folder in which a built program runs, for tests that
// need inputs too large or too odd to keep as end-to-end case files.

#include <filesystem>
#include <string>
#include <vector>

namespace orv::test {

// What a program meets besides its folder and answers.
struct RunConditions {
  long long file_size_limit = -1;        // bytes any file may grow to (RLIMIT_FSIZE); negative: none
  bool file_size_signal_ignored = false;  // SIGXFSZ ignored when the program starts; else its default
  bool console_gone = false;              // standard output a pipe whose reader has gone
  std::string scratch_folder;             // TMPDIR; empty: as inherited
};

inline RunConditions file_size_limit(long long bytes, bool signal_ignored) {
  RunConditions conditions;
  conditions.file_size_limit = bytes;
  conditions.file_size_signal_ignored = signal_ignored;
  return conditions;
}

class Workspace {
 public:
  Workspace();  // holds the standard data files contrib.dat and newerror.dir
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  std::vector<std::string> entries() const;  // sorted names in the folder

  // Runs bin/<program> in the folder with the answers on standard input;
  // answers the exit status (128 + the signal for a program killed by one,
  // as a shell shows it) and leaves the console output in `console`.
  int run(const std::string& program, const std::string& answers, std::string* console = nullptr,
          const RunConditions& conditions = {}) const;

  // What the last run took: its peak resident memory (the kernel's count
  // for that one child) and its wall time.
  struct Usage {
    long peak_kib = 0;
    double seconds = 0;
  };
  const Usage& last_usage() const { return usage_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path scratch_;  // console capture, outside the folder
  mutable Usage usage_;
};

}  // namespace orv::test
