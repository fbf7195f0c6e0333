#pragma once
// Scratch files: unnamed files in the temporary folder, never seen in the
// working folder, gone when closed or when the process ends in any way.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/files.hpp"

namespace orv {

// The folder scratch files are made in: $TMPDIR when it is set and not
// empty, else the system's temporary folder.
std::string scratch_folder();

// A new unnamed file in scratch_folder(), open for reading and writing, as a
// descriptor the caller owns; -1 when it cannot be made.
int open_scratch_descriptor();

// A scratch file whose every write and read is checked.  Bytes are only
// appended, so what was written is always bytes 0..size()-1, and a read is
// answered only from those: a record that was never written, or whose write
// failed, can never be read back as anything.  After the first failure every
// operation fails, and write_failed() tells whether a write was the cause.
class ScratchFile {
 public:
  // Takes the file that FileSystem::open_scratch made, empty; false when
  // it could not be made (null).
  bool open(File file);
  bool is_open() const { return file_ != nullptr; }

  // Appends the bytes after everything written so far.  Appends are
  // gathered and written at the latest when a read needs them; false when
  // the bytes, or bytes gathered before them, could not be written.
  [[nodiscard]] bool append(std::string_view bytes);
  // Exactly `count` bytes from `offset` into `into`; false when any of them
  // lies beyond what was written or cannot be read.
  [[nodiscard]] bool read_at(std::int64_t offset, std::size_t count, std::string& into);
  // Writes the gathered appends now, as a read would; false as append.
  [[nodiscard]] bool write_gathered();
  // Bytes appended so far.
  std::int64_t size() const { return written_ + static_cast<std::int64_t>(pending_.size()); }
  // True once writing failed, also when a read set off the writing of
  // gathered appends; false while all is well and after a failed read.
  bool write_failed() const { return write_failed_; }

 private:
  bool write_pending();

  File file_;
  std::int64_t written_ = 0;  // bytes on disk
  std::string pending_;       // appended, not yet on disk
  bool failed_ = false;
  bool write_failed_ = false;
};

}  // namespace orv
