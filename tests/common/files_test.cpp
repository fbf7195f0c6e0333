#include "common/files.hpp"
#include "common/file_system.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "common/agency_list.hpp"
#include "common/scratch_file.hpp"
#include "common/console.hpp"
#include "common/report_lines.hpp"

namespace {

namespace fs = std::filesystem;

class InTempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("orv-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  fs::path folder_;
};

TEST(FileNames, LoseTrailingBlanksOnly) {
  EXPECT_EQ(orv::file_name_from_answer("  deck.obs   "), "  deck.obs");
  EXPECT_EQ(orv::file_name_from_answer("   "), "");
  const std::string long_name(120, 'n');
  EXPECT_EQ(orv::file_name_from_answer(long_name + " "), long_name);
}

TEST_F(InTempFolder, InputMustBeAnExistingRegularFile) {
  std::ofstream(path("deck.obs")) << "x\n";
  fs::create_directory(path("folder"));
  EXPECT_NE(orv::open_input(path("deck.obs")), nullptr);
  EXPECT_EQ(orv::open_input(path("missing")), nullptr);
  EXPECT_EQ(orv::open_input(path("folder")), nullptr);
  EXPECT_EQ(orv::open_input(""), nullptr);
  // A NUL would make the system open a different, shorter name.
  EXPECT_EQ(orv::open_input(path("deck.obs") + std::string(1, '\0') + "x"), nullptr);
  // Neither waits for a writer or a device.
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
  EXPECT_EQ(orv::open_input(path("fifo")), nullptr);
  EXPECT_EQ(orv::open_input("/dev/null"), nullptr);
}

// Guards the open that hung when a FIFO took the file's place between the
// check of the name and the open.
TEST_F(InTempFolder, AnInputSwappedForAFifoNeverHoldsTheOpen) {
  std::ofstream(path("deck.obs")) << "x\n";
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
  // The two names trade places in one step, as fast as the system allows.
  if (::renameat2(AT_FDCWD, path("deck.obs").c_str(), AT_FDCWD, path("fifo").c_str(), RENAME_EXCHANGE) != 0) {
    GTEST_SKIP() << "this file system cannot exchange names";
  }
  const pid_t swapper = ::fork();
  if (swapper == 0) {
    while (::renameat2(AT_FDCWD, path("deck.obs").c_str(), AT_FDCWD, path("fifo").c_str(), RENAME_EXCHANGE) == 0) {
    }
    ::_exit(1);
  }
  const pid_t opener = ::fork();
  if (opener == 0) {  // until the swaps have met many opens of either kind
    int opened = 0;
    int refused = 0;
    for (int i = 0; i < 1000000 && (opened < 10000 || refused < 10000); ++i) {
      ++(orv::open_input(path("deck.obs")) ? opened : refused);
    }
    ::_exit(0);
  }
  int status = 0;
  pid_t done = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while ((done = ::waitpid(opener, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(swapper, SIGKILL);
  ::waitpid(swapper, nullptr, 0);
  if (done == 0) {
    ::kill(opener, SIGKILL);
    ::waitpid(opener, nullptr, 0);
  }
  EXPECT_EQ(done, opener) << "an open waited for a writer of the FIFO";
}

TEST_F(InTempFolder, AnOutputNamingAnInputIsFoundInAnySpelling) {
  std::ofstream(path("deck.obs")) << "x\n";
  fs::create_directory(path("sub"));
  fs::create_hard_link(path("deck.obs"), path("hard"));
  fs::create_symlink(path("deck.obs"), path("soft"));
  fs::create_symlink("missing.dat", path("dangling"));
  fs::create_directory_symlink(folder_, path("here"));
  const std::vector<std::string> inputs{path("deck.obs"), path("contrib.dat"), path("dangling"), ""};
  for (const char* same : {"deck.obs", "sub/../deck.obs", "./hard", "soft", "contrib.dat", "sub/../contrib.dat",
                           "here/contrib.dat", "missing.dat", "dangling"}) {
    EXPECT_TRUE(orv::names_an_input(path(same), inputs)) << same;
  }
  for (const char* other : {"report.txt", "sub/deck.obs", "sub", "contrib.da"}) {
    EXPECT_FALSE(orv::names_an_input(path(other), inputs)) << other;
  }
  EXPECT_FALSE(orv::names_an_input("", inputs));

  // Relative and absolute names meet.
  const fs::path started_in = fs::current_path();
  fs::current_path(folder_);
  EXPECT_TRUE(orv::names_an_input("contrib.dat", {path("contrib.dat")}));
  EXPECT_TRUE(orv::names_an_input(path("deck.obs"), {"./deck.obs"}));
  fs::current_path(started_in);

  // Refused before anything is created.
  EXPECT_EQ(orv::create_output(path("contrib.dat"), inputs), nullptr);
  orv::RealFileSystem system;
  orv::OwnedOutput output;
  EXPECT_FALSE(output.create(system, path("missing.dat"), inputs));
  EXPECT_FALSE(fs::exists(path("contrib.dat")));
  EXPECT_FALSE(fs::exists(path("missing.dat")));
  EXPECT_NE(orv::create_output(path("report.txt"), inputs), nullptr);
}

TEST_F(InTempFolder, OutputIsAlwaysNewAndExistingFilesAreUntouched) {
  std::ofstream(path("report.txt")) << "keep me\n";
  EXPECT_EQ(orv::create_output(path("report.txt")), nullptr);
  std::ifstream kept(path("report.txt"));
  std::string line;
  std::getline(kept, line);
  EXPECT_EQ(line, "keep me");
  fs::create_directory(path("folder"));
  EXPECT_EQ(orv::create_output(path("folder")), nullptr);
  fs::create_symlink(path("nowhere"), path("dangling"));
  EXPECT_EQ(orv::create_output(path("dangling")), nullptr);
  EXPECT_FALSE(fs::exists(path("nowhere")));
  EXPECT_NE(orv::create_output(path("new.txt")), nullptr);
}

// An output keeps its block buffer through moves until it is closed, and a
// file written past one block holds every byte.
TEST_F(InTempFolder, OutputIsWrittenWholeThroughMovesAndCloses) {
  orv::File first = orv::create_output(path("big.txt"));
  ASSERT_NE(first, nullptr);
  orv::File moved = std::move(first);
  const std::string bytes(100000, 'x');
  ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), moved.get()), bytes.size());
  moved = orv::create_output(path("second.txt"));  // closes big.txt
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(fs::file_size(path("big.txt")), bytes.size());
  std::fputs("y", moved.get());
  moved.reset();
  EXPECT_EQ(fs::file_size(path("second.txt")), 1U);
}

TEST_F(InTempFolder, OwnedOutputDeletesOnlyWhatItCreated) {
  orv::RealFileSystem system;
  orv::OwnedOutput output;
  ASSERT_TRUE(output.create(system, path("out.txt")));
  output.close_and_delete();
  EXPECT_FALSE(fs::exists(path("out.txt")));

  std::ofstream(path("theirs.txt")) << "data\n";
  orv::OwnedOutput refused;
  EXPECT_FALSE(refused.create(system, path("theirs.txt")));
  refused.close_and_delete();
  EXPECT_TRUE(fs::exists(path("theirs.txt")));
}

TEST(ScratchFile, HasNoNameInTheFolder) {
  const auto before = std::distance(fs::directory_iterator(fs::current_path()), fs::directory_iterator());
  {
    orv::File scratch = orv::open_scratch();
    ASSERT_NE(scratch, nullptr);
    std::fputs("data", scratch.get());
    const auto during = std::distance(fs::directory_iterator(fs::current_path()), fs::directory_iterator());
    EXPECT_EQ(during, before);
  }
}

TEST(ScratchFile, AnswersOnlyFromWhatWasWritten) {
  orv::ScratchFile scratch;
  ASSERT_TRUE(scratch.open(orv::open_scratch()));
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

TEST_F(InTempFolder, AgencyLookup) {
  std::ofstream(path("contrib.dat")) << " NGSA01 FIRST\n"
                                        "XDOT    SECOND, code with trailing blanks\n"
                                        "       blank code in columns 2-7\n"
                                        " short\n";
  orv::File file = orv::open_input(path("contrib.dat"));
  orv::AgencyList agencies(file.get());
  EXPECT_TRUE(agencies.contains("NGSA01"));
  EXPECT_TRUE(agencies.contains("DOT   "));
  EXPECT_TRUE(agencies.contains("short "));  // a short line reads as padded
  EXPECT_FALSE(agencies.contains("DOT"));
  EXPECT_FALSE(agencies.contains("ngsa01"));
  EXPECT_FALSE(agencies.contains("      "));  // six blanks are never found
  EXPECT_TRUE(agencies.contains("NGSA01"));   // the answer stays the same
  // Past the answers kept, codes are still looked up in the file.
  for (int i = 0; i < 5000; ++i) EXPECT_FALSE(agencies.contains(orv::format("X%05d", i)));
  EXPECT_TRUE(agencies.contains("short "));
  EXPECT_FALSE(agencies.contains("X00001"));
  orv::AgencyList any_line(file.get(), orv::BlankCode::found_in_any_line);
  EXPECT_TRUE(any_line.contains("      "));
}

TEST(ConsoleInput, LinesAnswersAndEndOfInput) {
  std::FILE* in = std::tmpfile();
  std::fputs("deck.obs\r\n\ny\nlast", in);
  std::rewind(in);
  std::FILE* out = std::tmpfile();
  orv::Console console(in, out);
  EXPECT_EQ(console.read_line(), "deck.obs");
  EXPECT_EQ(console.read_letter(), ' ');
  EXPECT_EQ(console.read_letter(), 'y');
  EXPECT_FALSE(console.exhausted());
  EXPECT_EQ(console.read_line(), "last");
  EXPECT_TRUE(console.exhausted());
  EXPECT_EQ(console.read_line(), "");
  console.line(" Enter -  ");
  std::rewind(out);
  char written[32] = {};
  std::fread(written, 1, sizeof written - 1, out);
  EXPECT_STREQ(written, " Enter -  \n");
  std::fclose(in);
  std::fclose(out);
}

}  // namespace

namespace {

// Guards a report cut short by a full disk being passed as complete.
TEST(ReportLines, AFullDiskIsReported) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
  orv::ReportLines report(full);
  for (int i = 0; i < 1000; ++i) report.line(" a line of the report that cannot be written");
  EXPECT_FALSE(report.flush());
  std::fclose(full);
}

TEST(ReportLines, TrailingBlanksAreTrimmed) {
  std::FILE* file = std::tmpfile();
  orv::ReportLines report(file);
  report.line(" text   ");
  report.line("   ");
  report.empty();
  EXPECT_TRUE(report.flush());
  std::rewind(file);
  char written[32] = {};
  std::fread(written, 1, sizeof written - 1, file);
  EXPECT_STREQ(written, " text\n\n\n");
  std::fclose(file);
}

}  // namespace
