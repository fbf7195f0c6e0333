#include "common/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <system_error>

#include "common/file_system.hpp"
#include "common/scratch_file.hpp"

namespace orv {

namespace {

namespace fs = std::filesystem;

// A name that the C library would read differently from what was typed.
bool unusable_name(const std::string& name) {
  return name.empty() || name.find('\0') != std::string::npos;
}

// The absolute path a name leads to: ".", ".." and links resolved as far as
// the path exists, and a final link that leads nowhere followed too, since a
// file created or opened by that name would be its target.
fs::path destination(const std::string& name) {
  constexpr int kMostLinks = 40;  // as the system allows when it opens a name
  std::error_code ec;
  fs::path path = fs::absolute(name, ec);
  for (int links = 0; !ec && links < kMostLinks; ++links) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (ec) break;
    std::error_code missing;  // a name that does not exist is no link
    if (fs::symlink_status(resolved, missing).type() != fs::file_type::symlink) return resolved;
    const fs::path target = fs::read_symlink(resolved, ec);
    path = target.is_absolute() ? target : resolved.parent_path() / target;
  }
  return path.lexically_normal();
}

struct Identity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  fs::path path;
};

Identity identity_of(const std::string& name) {
  Identity id;
  struct stat status {};
  if (::stat(name.c_str(), &status) == 0) {
    id.exists = true;
    id.device = status.st_dev;
    id.inode = status.st_ino;
  }
  id.path = destination(name);
  return id;
}

bool same_file(const Identity& a, const Identity& b) {
  if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
  return !a.path.empty() && a.path == b.path;
}

}  // namespace

std::string file_name_from_answer(std::string_view answer) {
  const auto end = answer.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : answer.substr(0, end + 1));
}

File open_input(const std::string& name) {
  if (unusable_name(name)) return nullptr;
  // Without O_NONBLOCK a FIFO put in the file's place would hold the open
  // until someone wrote to it; what was opened is judged after the open.
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  const int flags = ::fcntl(fd, F_GETFL);
  std::FILE* file = nullptr;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && flags != -1 &&
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
    file = ::fdopen(fd, "rb");
  }
  if (file == nullptr) ::close(fd);
  return File(file);
}

bool names_an_input(const std::string& output, const std::vector<std::string>& inputs) {
  if (unusable_name(output)) return false;
  const Identity written = identity_of(output);
  return std::any_of(inputs.begin(), inputs.end(), [&](const std::string& input) {
    return !unusable_name(input) && same_file(written, identity_of(input));
  });
}

File create_output(const std::string& name, const std::vector<std::string>& inputs) {
  if (unusable_name(name) || names_an_input(name, inputs)) return nullptr;
  std::FILE* stream = std::fopen(name.c_str(), "wbx");
  if (stream == nullptr) return nullptr;
  // Reports run to megabytes (a G-file listing): written in large blocks.
  constexpr std::size_t kBlock = 1 << 16;
  char* block = new char[kBlock];
  if (std::setvbuf(stream, block, _IOFBF, kBlock) != 0) {
    delete[] block;
    block = nullptr;
  }
  return File(stream, FileCloser(block));
}

File open_scratch() {
  const int fd = open_scratch_descriptor();
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "w+b");
  if (file == nullptr) ::close(fd);
  return File(file);
}

void ignore_pipe_and_file_size_signals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

bool OwnedOutput::create(FileSystem& system, const std::string& name, const std::vector<std::string>& inputs) {
  file_ = system.create_output(name, inputs);
  if (!file_) return false;
  name_ = name;
  system_ = &system;
  return true;
}

void OwnedOutput::close() {
  file_.reset();
  name_.clear();
}

void OwnedOutput::close_and_delete() {
  if (!file_) return;
  file_.reset();
  system_->remove_output(name_);
  name_.clear();
}

}  // namespace orv
