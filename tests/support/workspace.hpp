#pragma once
// A temporary working folder in which a built program runs, for tests that
// need inputs too large or too odd to keep as end-to-end case files.

#include <filesystem>
#include <string>
#include <vector>

namespace orv::test {

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
  // answers the exit status and leaves the console output in `console`.
  int run(const std::string& program, const std::string& answers, std::string* console = nullptr) const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path scratch_;  // console capture, outside the folder
};

}  // namespace orv::test
