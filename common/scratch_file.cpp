#include "common/scratch_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace orv {

namespace {
// Appends are gathered up to this size before they are written.
constexpr std::size_t kGathered = 64 * 1024;
}  // namespace

std::string scratch_folder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : P_tmpdir;
}

int open_scratch_descriptor() {
  const std::string folder = scratch_folder();
  // tmpfile() would ignore TMPDIR; an unnamed file is made in the folder
  // itself, or, where its file system cannot, a named one unlinked at once.
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = folder + "/orv-scratch-XXXXXX";
  fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  if (::unlink(name.c_str()) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool ScratchFile::open(File file) {
  file_ = std::move(file);
  written_ = 0;
  pending_.clear();
  failed_ = file_ == nullptr;
  write_failed_ = false;
  // Appends are gathered here already, and reads ask for whole blocks, so a
  // file needs no buffer of its own.  A stream with no descriptor (files in
  // memory) keeps its buffer: unbuffered, it would be read a byte a call.
  if (file_ && ::fileno(file_.get()) >= 0) std::setvbuf(file_.get(), nullptr, _IONBF, 0);
  return !failed_;
}

bool ScratchFile::append(std::string_view bytes) {
  if (failed_ || !file_) return false;
  pending_ += bytes;
  return pending_.size() < kGathered || write_pending();
}

bool ScratchFile::write_pending() {
  std::FILE* f = file_.get();
  if (::fseeko(f, written_, SEEK_SET) != 0 || std::fwrite(pending_.data(), 1, pending_.size(), f) != pending_.size() ||
      std::fflush(f) != 0) {
    failed_ = write_failed_ = true;
    return false;
  }
  written_ += static_cast<std::int64_t>(pending_.size());
  pending_.clear();
  return true;
}

bool ScratchFile::write_gathered() {
  if (failed_ || !file_) return false;
  return pending_.empty() || write_pending();
}

bool ScratchFile::read_at(std::int64_t offset, std::size_t count, std::string& into) {
  if (failed_ || !file_) return false;
  if (offset < 0 || static_cast<std::int64_t>(count) > size() - offset) {
    failed_ = true;
    return false;
  }
  if (!pending_.empty() && !write_pending()) return false;
  into.resize(count);
  std::FILE* f = file_.get();
  if (::fseeko(f, offset, SEEK_SET) != 0 || std::fread(into.data(), 1, count, f) != count) {
    failed_ = true;
    return false;
  }
  return true;
}

}  // namespace orv
