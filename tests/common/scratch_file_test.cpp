#include "common/scratch_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "common/files.hpp"

namespace {

namespace fs = std::filesystem;

// TMPDIR set for the test's length.
class WithTmpdir {
 public:
  explicit WithTmpdir(const std::string& folder) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    ::setenv("TMPDIR", folder.c_str(), 1);
  }
  ~WithTmpdir() {
    if (old_) {
      ::setenv("TMPDIR", old_->c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
  }

 private:
  std::optional<std::string> old_;
};

// Guards scratch files made by tmpfile(), which ignores TMPDIR.
TEST(ScratchFile, IsMadeWhereTmpdirSaysAndLeavesNoName) {
  const fs::path folder = fs::temp_directory_path() / ("orv-scratch-test-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  {
    WithTmpdir tmpdir(folder.string());
    orv::ScratchFile scratch;
    ASSERT_TRUE(scratch.open());
    orv::File file = orv::open_scratch();
    ASSERT_NE(file, nullptr);
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", ::fileno(file.get()));
    EXPECT_EQ(fs::read_symlink(link).parent_path(), folder);
    EXPECT_TRUE(fs::is_empty(folder));
  }
  {
    WithTmpdir tmpdir((folder / "missing").string());
    orv::ScratchFile scratch;
    EXPECT_FALSE(scratch.open());
    EXPECT_EQ(orv::open_scratch(), nullptr);
  }
  fs::remove_all(folder);
}

TEST(ScratchFile, AnswersOnlyFromWhatWasWritten) {
  orv::ScratchFile scratch;
  ASSERT_TRUE(scratch.open());
  std::string all;
  for (int i = 0; all.size() < 200 * 1024; ++i) {  // beyond what is gathered before writing
    const std::string line = std::to_string(i) + std::string(90, 'x') + "\n";
    ASSERT_TRUE(scratch.append(line));
    all += line;
  }
  std::string read;
  ASSERT_TRUE(scratch.read_at(0, all.size(), read));
  EXPECT_EQ(read, all);
  ASSERT_TRUE(scratch.read_at(100, 7, read));
  EXPECT_EQ(read, all.substr(100, 7));
  EXPECT_FALSE(scratch.read_at(static_cast<std::int64_t>(all.size()) - 1, 2, read));  // one byte never written
  EXPECT_FALSE(scratch.write_failed());
  EXPECT_FALSE(scratch.read_at(0, 1, read));  // and nothing after a failure
}

// A write beyond a file-size limit fails and is seen, in a child that has
// the limit and ignores SIGXFSZ as the programs do.
TEST(ScratchFile, AWriteThatFailsIsSeen) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    orv::ScratchFile scratch;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || !scratch.open()) ::_exit(2);
    bool appended = true;
    for (int i = 0; i < 100 && appended; ++i) appended = scratch.append(std::string(97, 'e'));
    std::string read;
    const bool seen = !scratch.read_at(0, 97, read) && scratch.write_failed() && !scratch.append("more");
    ::_exit(appended && seen ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
