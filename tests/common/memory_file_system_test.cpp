#include "common/memory_file_system.hpp"

#include <gtest/gtest.h>

#include <string>

#include "common/card.hpp"
#include "common/console.hpp"
#include "common/report_lines.hpp"
#include "common/scratch_file.hpp"

namespace {

std::string read_all(std::FILE* file) {
  std::string text;
  char block[256];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
  return text;
}

orv::Folder survey_folder() { return {{{"deck.obs", "record\n"}, {"contrib.dat", " AGENCY\n"}, {"sub/notes", "n"}}, {"empty", "sub"}}; }

TEST(MemoryFolder, NamesAreWalkedAsTheSystemWalksThem) {
  orv::MemoryFileSystem system(survey_folder(), "");
  for (const char* same : {"deck.obs", "./deck.obs", "sub/../deck.obs", "sub//..//deck.obs", "empty/../deck.obs"}) {
    orv::File file = system.open_input(same);
    ASSERT_NE(file, nullptr) << same;
    EXPECT_EQ(read_all(file.get()), "record\n");
  }
  // Through a file or a missing folder, out of the folder, or past the
  // system's limits on a name: nothing.
  for (const std::string& missing : std::vector<std::string>{"deck.obs/", "deck.obs/.", "deck.obs/../deck.obs", "nosuch/../deck.obs", "../deck.obs", "/deck.obs", "sub",
        "empty", "", std::string("deck.obs\0x", 10), std::string(256, 'n'),
        std::string(4096 - 8, '/') + "deck.obs"}) {
    EXPECT_EQ(system.open_input(missing), nullptr) << missing;
  }
  EXPECT_NE(system.open_input(std::string(4095 - 8, '/').replace(0, 2, "./") + "deck.obs"), nullptr);
}

TEST(MemoryFolder, OutputsAreNewAndNeverAnInput) {
  orv::MemoryFileSystem system(survey_folder(), "");
  const std::vector<std::string> inputs{"deck.obs", "newerror.dir"};
  for (const char* refused : {"deck.obs", "contrib.dat", "sub", "empty/", ".", "sub/../deck.obs", "./newerror.dir",
                              "new/", "nosuch/report", "../report", "deck.obs/report"}) {
    EXPECT_EQ(system.create_output(refused, inputs), nullptr) << refused;
  }
  EXPECT_FALSE(system.folder().files.count("newerror.dir"));
  {
    orv::File report = system.create_output("sub/report.txt", inputs);
    ASSERT_NE(report, nullptr);
    std::fputs("line\n", report.get());
  }
  EXPECT_EQ(system.folder().files.at("sub/report.txt"), "line\n");
  EXPECT_EQ(system.create_output("sub/./report.txt", inputs), nullptr);  // it exists now
  system.remove_output("sub/report.txt");
  EXPECT_EQ(system.folder(), survey_folder());
}

// The write limit stands for a full disk: a write that does not fit fails as
// the programs expect of one, and what a removed output or a closed scratch
// file held can be written again.
TEST(MemoryFolder, TheWriteLimitIsAFullDisk) {
  orv::MemoryFileSystem system({}, "", {100, 10});
  orv::File report = system.create_output("report.txt", {});
  orv::ReportLines lines(report.get());
  lines.line(std::string(60, 'a'));
  EXPECT_TRUE(lines.flush());
  lines.line(std::string(60, 'b'));
  EXPECT_FALSE(lines.flush());
  EXPECT_EQ(system.folder().files.at("report.txt").size(), 100u);  // what fitted, as on a disk
  EXPECT_EQ(system.space_left(), 0u);
  report.reset();
  system.remove_output("report.txt");
  EXPECT_EQ(system.space_left(), 100u);

  {
    orv::ScratchFile scratch;
    ASSERT_TRUE(scratch.open(system.open_scratch()));
    ASSERT_TRUE(scratch.append(std::string(90, 'x')));
    std::string read;
    ASSERT_TRUE(scratch.read_at(80, 10, read));  // the read writes the gathered bytes
    EXPECT_EQ(read, std::string(10, 'x'));
    EXPECT_TRUE(scratch.append(std::string(20, 'y')));
    EXPECT_FALSE(scratch.read_at(0, 1, read));
    EXPECT_TRUE(scratch.write_failed());
    EXPECT_TRUE(system.folder().files.empty());  // scratch files have no name
  }
  EXPECT_EQ(system.space_left(), 100u);

  // The console keeps what fits; a console write that fails never stops a run.
  orv::Console console(system.console_input(), system.console_output());
  console.line("0123456789abc");
  EXPECT_EQ(system.console(), "0123456789");
}

TEST(MemoryFolder, ConsoleAndFileReadsAreThoseOfRealFiles) {
  orv::MemoryFileSystem system({{{"deck.obs", "one\r\ntwo\x1a" "after"}}, {}}, "deck.obs\r\n\ny\nlast");
  orv::Console console(system.console_input(), system.console_output());
  EXPECT_EQ(console.read_line(), "deck.obs");
  EXPECT_EQ(console.read_letter(), ' ');
  EXPECT_EQ(console.read_letter(), 'y');
  EXPECT_EQ(console.read_line(), "last");
  EXPECT_TRUE(console.exhausted());
  console.line(" Enter -  ");
  EXPECT_EQ(system.console(), " Enter -  \n");

  orv::File deck = system.open_input("deck.obs");
  orv::CardReader reader(deck.get(), 5);
  std::string card;
  for (int pass = 0; pass < 2; ++pass) {  // a rewind reads it all again
    reader.rewind();
    ASSERT_TRUE(reader.next(card));
    EXPECT_EQ(card, "one  ");
    ASSERT_TRUE(reader.next(card));
    EXPECT_EQ(card, "two  ");
    EXPECT_FALSE(reader.next(card));
  }
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(std::fputs("x", deck.get()), EOF);  // inputs are only read
}

}  // namespace
