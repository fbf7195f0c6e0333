// The checker run as a program on inputs too large or too odd to keep as
// end-to-end case files, and where the file system gives way: scratch files
// that cannot be written, a report that cannot be finished, a console nobody
// reads.

#include <gtest/gtest.h>

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::file_size_limit;
using orv::test::RunConditions;
using orv::test::Workspace;

std::string card(const std::string& text) {
  std::string line = text;
  line.resize(80, ' ');
  return line + "\n";
}

// A sound deck envelope around the given data records.
std::string deck(const std::string& data_records) {
  return card("000001*HZ*HZTL OBS GSOHQ                                                   20040315") +
         card("000002*10*TRIANGULATION AND TRAVERSE, NORTH RIDGE") +
         card("000003*12*1995  2004  NORTH RIDGE                               FIELD PARTY1MD00") + data_records + card("999998*90*0001") + card("999999*HZ*");
}

std::string run_checker(const Workspace& work, const std::string& input, int* status = nullptr) {
  std::string console;
  const int result = work.run("corvelin", input + "\nreport.txt\n", &console);
  if (status != nullptr) *status = result;
  return work.exists("report.txt") ? work.read("report.txt") : "";
}

TEST(CheckerRobustness, TenMegabyteLineIsOneRecord) {
  Workspace work;
  work.write("deck.obs", deck(std::string(10 * 1024 * 1024, '7') + "\n" +
                              card("000004*80*0001ROCK")));
  int status = -1;
  const std::string report = run_checker(work, "deck.obs", &status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(report.find(" Number of records in input file =      7,"), std::string::npos);
}

TEST(CheckerRobustness, BinaryBytesAreRecordsLikeAnyOther) {
  Workspace work;
  std::string bytes;
  for (int i = 0; i < 256; ++i) {
    if (i != '\n' && i != 0x1A) bytes.push_back(static_cast<char>(i));
  }
  work.write("deck.obs", deck(bytes + "\n" + std::string("\0\0\0\0\0\0*50*", 10) + "\n"));
  int status = -1;
  const std::string report = run_checker(work, "deck.obs", &status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(report.find(" Summary from program Corvelins:"), std::string::npos);
}

TEST(CheckerRobustness, TheThreeThousandFirstStoredRecordEndsTheRun) {
  Workspace work;
  std::string records;
  // Header, *10* and *12* are stored too: 2997 directions fill the copy.
  for (int i = 1; i <= 2998; ++i) {
    records += card(orv::format("%06d*20*0001%02d", i, i % 100) + std::string(36, ' ') +
                    orv::format("%04d", 2 + i));
  }
  work.write("deck.obs", deck(records));
  int status = -1;
  const std::string report = run_checker(work, "deck.obs", &status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(report.find(" Number of *20* Records =   2997"), std::string::npos);
  EXPECT_NE(report.find(" ***** Fatal termination"), std::string::npos);
  EXPECT_EQ(work.entries(), (std::vector<std::string>{"contrib.dat", "deck.obs", "newerror.dir", "report.txt"}));
}

TEST(CheckerRobustness, NoScratchFileIsLeftInTheFolder) {
  Workspace work;
  work.write("deck.obs", deck(""));
  run_checker(work, "deck.obs");
  EXPECT_EQ(work.entries(), (std::vector<std::string>{"contrib.dat", "deck.obs", "newerror.dir", "report.txt"}));
}

// ---- Where the file system gives way ------------------------------------------

// Control stations: a deck whose working copy takes 80 bytes a station and more.
std::string positions_deck(int stations) {
  std::string records;
  for (int ssn = 1; ssn <= stations; ++ssn) {
    records += card(format("%06d*80*%04dSTATION %04d                  %02d%02d%07dN%03d%02d%07dW012345HMD21", 3 + ssn,
                           ssn, ssn, 30 + ssn % 30, ssn % 60, ssn * 7, 70 + ssn % 20, ssn % 60, ssn * 13));
  }
  return deck(records);
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const std::string kAnswers = "deck.obs\nreport.txt\n";
const std::string kIncomplete = " ***** This report is incomplete\n\n";

// Guards scratch writes that failed unseen (false errors and status 0 when
// SIGXFSZ was ignored) and a run killed by SIGXFSZ without a word.
TEST(CheckerFileSystem, AWorkingCopyBeyondAFileSizeLimitEndsTheRunEarly) {
  for (const bool signal_ignored : {true, false}) {
    Workspace work;
    work.write("deck.obs", positions_deck(60));
    std::string console;
    EXPECT_EQ(work.run("corvelin", kAnswers, &console, file_size_limit(4096, signal_ignored)), 1) << signal_ignored;
    EXPECT_TRUE(ends_with(console, "\n error in writing direct access output orvantine file\n")) << console;
    const std::string report = work.read("report.txt");
    EXPECT_TRUE(ends_with(report, "\n ***** Early termination: error in writing direct access output orvantine file\n" +
                                      kIncomplete))
        << report;
    EXPECT_EQ(report.find("Summary from program"), std::string::npos);
  }
}

// Guards error-list writes that failed unseen: a listing cut short and status 0.
TEST(CheckerFileSystem, AnErrorListBeyondAFileSizeLimitEndsTheRunEarly) {
  Workspace work;
  std::string early;  // 505 for each data record before the header
  for (int i = 0; i < 100; ++i) early += card(format("%06d*80*%04d", i, i));
  work.write("deck.obs", early + deck(""));
  std::string console;
  EXPECT_EQ(work.run("corvelin", kAnswers, &console, file_size_limit(4096, true)), 1);
  EXPECT_TRUE(ends_with(console, "\n error in writing sequential output error file\n")) << console;
  EXPECT_TRUE(ends_with(work.read("report.txt"), kIncomplete));
}

// Guards a fatal termination whose report could not be written whole
// ending with status 1 and nothing on the console.
TEST(CheckerFileSystem, AFatalEndWhoseReportCannotBeWrittenSaysSo) {
  Workspace work;
  std::string records;  // the 101st forepoint of one set ends the run; 201 errors
  for (int i = 0; i < 101; ++i) {
    records += card(format("%06d*50*0001        002         9506121000Z%04d         V01  002803548T", 4 + i, 1000 + i));
  }
  records += card("000105*80*0001NORTH BASE                    38451234567N105123456789W165432TCO21");
  work.write("deck.obs", deck(records));
  // The scratch files stay below 20 KB, the report would take 35 KB.
  std::string console;
  EXPECT_EQ(work.run("corvelin", kAnswers, &console, file_size_limit(24 * 1024, true)), 1);
  EXPECT_TRUE(ends_with(console, "\n error in writing program output file\n")) << console;
}

// Guards scratch files made in /tmp whatever TMPDIR said.
TEST(CheckerFileSystem, ScratchFilesAreMadeWhereTmpdirSays) {
  Workspace work;
  work.write("deck.obs", positions_deck(2));
  RunConditions nowhere;
  nowhere.scratch_folder = (work.folder() / "missing").string();
  std::string console;
  EXPECT_EQ(work.run("corvelin", kAnswers, &console, nowhere), 1);
  EXPECT_TRUE(ends_with(console, "\n error in opening direct access output orvantine file\n")) << console;
  EXPECT_FALSE(work.exists("report.txt"));

  RunConditions here;
  here.scratch_folder = work.folder().string();
  EXPECT_EQ(work.run("corvelin", kAnswers, &console, here), 0);
  EXPECT_EQ(work.entries(), (std::vector<std::string>{"contrib.dat", "deck.obs", "newerror.dir", "report.txt"}));
}

}  // namespace
