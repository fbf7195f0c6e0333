#pragma once
// Opening the files of a run: inputs are only read, outputs are always new.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

class FileSystem;

// Closes the stream, then frees the buffer it was given, if any (stdio
// takes no size for a buffer of its own).  A moved-from closer owns none.
struct FileCloser {
  char* buffer = nullptr;

  FileCloser() = default;
  explicit FileCloser(char* owned) : buffer(owned) {}
  FileCloser(FileCloser&& other) noexcept : buffer(std::exchange(other.buffer, nullptr)) {}
  FileCloser& operator=(FileCloser&& other) noexcept {
    std::swap(buffer, other.buffer);
    return *this;
  }
  ~FileCloser() { delete[] buffer; }

  void operator()(std::FILE* f) {
    if (f != nullptr) std::fclose(f);
    delete[] std::exchange(buffer, nullptr);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A typed file name loses its trailing blanks and nothing else.
std::string file_name_from_answer(std::string_view answer);

// An existing regular file, for reading; null when it cannot be opened
// (empty name, a name the system cannot take, no such file) or is not a
// regular file when opened (a directory, a FIFO, a device).  The open never
// waits for a writer, whatever has been put in the file's place.
File open_input(const std::string& name);

// True when `output` names the same file as any of `inputs`, however either
// is spelt: the same device and inode for names that exist, the same
// absolute path (".", ".." and symbolic links resolved, a dangling link
// followed) for names that do not, such as an input file that is missing and
// would be read after the output was created under its name.
bool names_an_input(const std::string& output, const std::vector<std::string>& inputs);

// A new file, for writing; null when any entry of that name exists, when the
// name names one of the run's `inputs` (nothing is created then), or when it
// cannot be created.  An existing file is never opened, so never touched.
File create_output(const std::string& name, const std::vector<std::string>& inputs = {});

// An unnamed scratch file, read and write, in orv::scratch_folder(); it never
// appears in the working folder and vanishes when closed or when the process
// ends in any way.  Its writes are the caller's to check (see ScratchFile).
File open_scratch();

// Ignores SIGPIPE and SIGXFSZ, so that a write to a console nobody reads any
// more, or beyond a file-size limit, fails with an error the program sees and
// handles instead of killing it.  Every main calls it first.
void ignore_pipe_and_file_size_signals();

// An output file that this run created and must delete if the run ends before
// it is complete.  It never deletes a file it did not create.
class OwnedOutput {
 public:
  OwnedOutput() = default;
  // As system.create_output.
  bool create(FileSystem& system, const std::string& name, const std::vector<std::string>& inputs = {});
  std::FILE* get() const { return file_.get(); }
  void close();            // keep the file
  void close_and_delete(); // remove it; only ever a file this object created

 private:
  File file_;
  std::string name_;
  FileSystem* system_ = nullptr;
};

}  // namespace orv
