#pragma once
// A working folder and a console held in memory, so that a whole run can be
// driven in-process (tests, fuzzing) through the very code a real run uses.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/file_system.hpp"

namespace orv {

// A working folder: its files by their path from the folder ("deck.obs",
// "sub/notes.txt") and the folders in it ("sub"; a file's folders are there
// whether listed or not).
struct Folder {
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  bool operator==(const Folder&) const = default;
};

// What a run may write, beyond which a write fails as on a full disk, so
// that no input can make a run hold memory without bound.
struct WriteLimits {
  std::size_t files = std::size_t{256} << 20;   // all outputs and scratch files at once
  std::size_t console = std::size_t{64} << 20;  // the console text
};

// Names are walked as the system walks them: every step must be a folder,
// ".." may not leave the working folder (there is nothing outside it), and
// the system's limits on a name and a path hold.  Unlike the real folder it
// has no links, special files or permissions.
class MemoryFileSystem final : public FileSystem {
 public:
  MemoryFileSystem(const Folder& folder, const std::string& answers, WriteLimits limits = {});
  ~MemoryFileSystem() override;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

  File open_input(const std::string& name) override;
  File create_output(const std::string& name, const std::vector<std::string>& inputs) override;
  void remove_output(const std::string& name) override;
  File open_scratch() override;
  std::FILE* console_input() override { return console_in_.get(); }
  std::FILE* console_output() override { return console_out_.get(); }

  // The folder as it is now, and the console text written so far.
  Folder folder() const;
  std::string console();

  // Bytes the run can still write to files.
  std::size_t space_left() const { return space_.left; }

  struct Space {
    std::size_t left;
  };

 private:
  struct Place {
    std::string path;  // from the folder; "" is the folder itself
    bool folder_only;  // the name ends in a slash
  };
  std::optional<Place> place(const std::string& name) const;
  bool is_folder(const std::string& path) const { return path.empty() || folders_.count(path) != 0; }

  std::map<std::string, std::shared_ptr<std::string>> files_;
  std::set<std::string> folders_;
  Space space_;
  Space console_space_;
  std::shared_ptr<std::string> console_text_;
  File console_in_;
  File console_out_;
};

// A whole run in memory: the working folder (with the data files
// contrib.dat and newerror.dir among its files when the run is to find
// them) and the answers typed at the console, all of them at once.
struct Session {
  Folder folder;
  std::string answers;
  WriteLimits limits;
};

// What the run left: everything it wrote on the console, the working folder
// afterwards (inputs and outputs alike) and the exit status.
struct SessionResult {
  std::string console;
  Folder folder;
  int status = 0;
};

// Runs a program's run() on the session.
using ProgramRun = int (*)(FileSystem&);
SessionResult run_in_memory(ProgramRun run, const Session& session);

}  // namespace orv
