#include "common/scratch_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

ScratchFile::~ScratchFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ScratchFile::open() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = open_scratch_descriptor();
  written_ = 0;
  pending_.clear();
  failed_ = fd_ < 0;
  write_failed_ = false;
  return !failed_;
}

bool ScratchFile::append(std::string_view bytes) {
  if (failed_ || fd_ < 0) return false;
  pending_ += bytes;
  return pending_.size() < kGathered || write_pending();
}

bool ScratchFile::write_pending() {
  std::size_t done = 0;
  while (done < pending_.size()) {
    const ssize_t n = ::pwrite(fd_, pending_.data() + done, pending_.size() - done, written_);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = write_failed_ = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
    written_ += n;
  }
  pending_.clear();
  return true;
}

bool ScratchFile::read_at(std::int64_t offset, std::size_t count, std::string& into) {
  if (failed_ || fd_ < 0) return false;
  if (offset < 0 || static_cast<std::int64_t>(count) > size() - offset) {
    failed_ = true;
    return false;
  }
  if (!pending_.empty() && !write_pending()) return false;
  into.resize(count);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, into.data() + done, count - done, offset + static_cast<std::int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace orv
