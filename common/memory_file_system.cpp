#include "common/memory_file_system.hpp"

#include <climits>
#include <cstring>
#include <filesystem>

namespace orv {

namespace {

// A stream on bytes in memory.  It grows only by what `space` still has, and
// a write it cannot hold whole writes what fits and fails, as a full disk.
struct Stream {
  std::shared_ptr<std::string> bytes;
  std::size_t position = 0;
  MemoryFileSystem::Space* space = nullptr;  // null: the stream is only read
  bool gives_space_back = false;             // an unnamed file's bytes go when it is closed
};

ssize_t read_stream(void* cookie, char* into, std::size_t size) {
  auto& s = *static_cast<Stream*>(cookie);
  const std::string& bytes = *s.bytes;
  if (s.position >= bytes.size()) return 0;
  const std::size_t count = std::min(size, bytes.size() - s.position);
  std::memcpy(into, bytes.data() + s.position, count);
  s.position += count;
  return static_cast<ssize_t>(count);
}

ssize_t write_stream(void* cookie, const char* from, std::size_t size) {
  auto& s = *static_cast<Stream*>(cookie);
  std::string& bytes = *s.bytes;
  if (s.space == nullptr) return 0;
  const std::size_t most = bytes.size() + s.space->left;  // the furthest byte the stream may reach
  const std::size_t count = s.position < most ? std::min(size, most - s.position) : 0;
  if (s.position + count > bytes.size()) {
    s.space->left -= s.position + count - bytes.size();
    bytes.resize(s.position + count, '\0');
  }
  if (count > 0) std::memcpy(bytes.data() + s.position, from, count);
  s.position += count;
  if (count < size) errno = ENOSPC;
  return static_cast<ssize_t>(count);
}

int seek_stream(void* cookie, off64_t* offset, int whence) {
  auto& s = *static_cast<Stream*>(cookie);
  off64_t base = 0;
  switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<off64_t>(s.position); break;
    case SEEK_END: base = static_cast<off64_t>(s.bytes->size()); break;
    default: errno = EINVAL; return -1;
  }
  off64_t target = 0;
  if (__builtin_add_overflow(base, *offset, &target) || target < 0) {
    errno = EINVAL;
    return -1;
  }
  s.position = static_cast<std::size_t>(target);
  *offset = target;
  return 0;
}

int close_stream(void* cookie) {
  auto* s = static_cast<Stream*>(cookie);
  if (s->gives_space_back) s->space->left += s->bytes->size();
  delete s;
  return 0;
}

File open_stream(Stream stream, const char* mode) {
  auto* cookie = new Stream(std::move(stream));
  std::FILE* file = ::fopencookie(cookie, mode, {read_stream, write_stream, seek_stream, close_stream});
  if (file == nullptr) delete cookie;
  return File(file);
}

bool unusable_name(const std::string& name) { return name.empty() || name.find('\0') != std::string::npos; }

// The name as the same place however spelt ("./a", "sub/../a"), for names
// that need not exist.
std::string lexical_key(const std::string& name) {
  std::string key = std::filesystem::path(name).lexically_normal().generic_string();
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

// Every folder a path lies in: "a/b/c" lies in "a" and "a/b".
void add_folders_of(const std::string& path, std::set<std::string>& folders) {
  for (auto slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    folders.insert(path.substr(0, slash));
  }
}

}  // namespace

MemoryFileSystem::MemoryFileSystem(const Folder& folder, const std::string& answers, WriteLimits limits)
    : folders_(folder.folders),
      space_{limits.files},
      console_space_{limits.console},
      console_text_(std::make_shared<std::string>()) {
  for (const auto& [path, bytes] : folder.files) {
    files_.emplace(path, std::make_shared<std::string>(bytes));
    add_folders_of(path, folders_);
  }
  for (const auto& path : folder.folders) add_folders_of(path, folders_);
  console_in_ = open_stream({std::make_shared<std::string>(answers)}, "rb");
  console_out_ = open_stream({console_text_, 0, &console_space_}, "wb");
}

MemoryFileSystem::~MemoryFileSystem() = default;

std::optional<MemoryFileSystem::Place> MemoryFileSystem::place(const std::string& name) const {
  constexpr std::size_t kLongestName = NAME_MAX;  // one step of a path
  constexpr std::size_t kLongestPath = PATH_MAX - 1;
  if (unusable_name(name) || name.size() > kLongestPath || name.front() == '/') return std::nullopt;
  std::vector<std::string> steps;
  std::string path;
  for (std::size_t start = 0; start < name.size();) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    const std::string step = name.substr(start, end - start);
    start = end + 1;
    if (step.empty()) continue;
    if (step.size() > kLongestName || !is_folder(path)) return std::nullopt;
    if (step == ".") continue;
    if (step == "..") {
      if (steps.empty()) return std::nullopt;  // out of the working folder
      steps.pop_back();
    } else {
      steps.push_back(step);
    }
    path.clear();
    for (const auto& s : steps) path += (path.empty() ? "" : "/") + s;
  }
  return Place{path, name.back() == '/'};
}

File MemoryFileSystem::open_input(const std::string& name) {
  const auto at = place(name);
  if (!at || at->folder_only) return nullptr;
  const auto file = files_.find(at->path);
  if (file == files_.end()) return nullptr;
  return open_stream({file->second}, "rb");
}

File MemoryFileSystem::create_output(const std::string& name, const std::vector<std::string>& inputs) {
  if (unusable_name(name)) return nullptr;
  const std::string key = lexical_key(name);
  for (const auto& input : inputs) {
    if (!unusable_name(input) && lexical_key(input) == key) return nullptr;
  }
  const auto at = place(name);
  if (!at || at->folder_only || is_folder(at->path) || files_.count(at->path) != 0) return nullptr;
  auto bytes = std::make_shared<std::string>();
  files_.emplace(at->path, bytes);
  return open_stream({bytes, 0, &space_}, "wb");
}

void MemoryFileSystem::remove_output(const std::string& name) {
  const auto at = place(name);
  if (!at) return;
  const auto file = files_.find(at->path);
  if (file == files_.end()) return;
  space_.left += file->second->size();
  files_.erase(file);
}

File MemoryFileSystem::open_scratch() { return open_stream({std::make_shared<std::string>(), 0, &space_, true}, "w+b"); }

Folder MemoryFileSystem::folder() const {
  Folder folder{{}, folders_};
  for (const auto& [path, bytes] : files_) folder.files.emplace(path, *bytes);
  return folder;
}

std::string MemoryFileSystem::console() {
  std::fflush(console_out_.get());
  return *console_text_;
}

SessionResult run_in_memory(ProgramRun run, const Session& session) {
  MemoryFileSystem system(session.folder, session.answers, session.limits);
  SessionResult result;
  result.status = run(system);
  result.console = system.console();
  result.folder = system.folder();
  return result;
}

}  // namespace orv
