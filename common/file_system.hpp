#pragma once
// Where a run meets its files and its console.  Every program's run() takes
// one: its main hands it the process's own (the working folder, $TMPDIR,
// standard input and output), tests and fuzzers a folder held in memory
// (common/memory_file_system.hpp), so that both drive the same code.

#include <cstdio>
#include <string>
#include <vector>

#include "common/files.hpp"

namespace orv {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // An existing regular file, for reading; null when there is none.
  virtual File open_input(const std::string& name) = 0;
  // A new file, for writing; null when any entry of that name exists, when
  // the name names one of `inputs`, or when it cannot be created.
  virtual File create_output(const std::string& name, const std::vector<std::string>& inputs) = 0;
  // Removes a file that create_output made in this run (see OwnedOutput).
  virtual void remove_output(const std::string& name) = 0;
  // An unnamed scratch file, read and write, gone when closed.
  virtual File open_scratch() = 0;

  // Where answers are read and where the console's lines go.
  virtual std::FILE* console_input() = 0;
  virtual std::FILE* console_output() = 0;
};

// The process's own files and console, through the functions of files.hpp.
class RealFileSystem final : public FileSystem {
 public:
  File open_input(const std::string& name) override { return orv::open_input(name); }
  File create_output(const std::string& name, const std::vector<std::string>& inputs) override {
    return orv::create_output(name, inputs);
  }
  void remove_output(const std::string& name) override { std::remove(name.c_str()); }
  File open_scratch() override { return orv::open_scratch(); }
  std::FILE* console_input() override { return stdin; }
  std::FILE* console_output() override { return stdout; }
};

}  // namespace orv
