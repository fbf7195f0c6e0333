#pragma once
// Opening the files of a run: inputs are only read, outputs are always new.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A typed file name loses its trailing blanks and nothing else.
std::string file_name_from_answer(std::string_view answer);

// An existing regular file, for reading; null when it cannot be opened
// (empty name, a name the system cannot take, a directory, no such file).
File open_input(const std::string& name);

// A new file, for writing; null when any entry of that name exists or it
// cannot be created.  An existing file is never opened, so never touched.
File create_output(const std::string& name);

// An unnamed scratch file, read and write; it never appears in the working
// folder and vanishes when closed or when the process ends in any way.
File open_scratch();

// An output file that this run created and must delete if the run ends before
// it is complete.  It never deletes a file it did not create.
class OwnedOutput {
 public:
  OwnedOutput() = default;
  bool create(const std::string& name);
  std::FILE* get() const { return file_.get(); }
  void close();            // keep the file
  void close_and_delete(); // remove it; only ever a file this object created

 private:
  File file_;
  std::string name_;
};

}  // namespace orv
