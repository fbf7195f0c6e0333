#include "common/files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/agency_list.hpp"
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

TEST_F(InTempFolder, OwnedOutputDeletesOnlyWhatItCreated) {
  orv::OwnedOutput output;
  ASSERT_TRUE(output.create(path("out.txt")));
  output.close_and_delete();
  EXPECT_FALSE(fs::exists(path("out.txt")));

  std::ofstream(path("theirs.txt")) << "data\n";
  orv::OwnedOutput refused;
  EXPECT_FALSE(refused.create(path("theirs.txt")));
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
