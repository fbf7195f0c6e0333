// The checker where the file system gives way: scratch files that cannot be
// written, a report that cannot be finished, a console nobody reads.

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

std::string deck(const std::string& data_records) {
  return card("000001*HZ*HZTLOBS GSOHQ                                                 20040315") +
         card("000002*10*NORTH RIDGE TRIANGULATION AND TRAVERSE 2004") +
         card("000003*12*1920  2004  NORTH RIDGE CONTROL SURVEY                GSO-2004-171CO00") + data_records +
         card("999999*HZ*");
}

// Control stations with their *90* records: a sound deck whose working copy
// takes 80 bytes a station and more.
std::string positions_deck(int stations) {
  std::string records;
  for (int ssn = 1; ssn <= stations; ++ssn) {
    records += card(format("%06d*80*%04dSTATION %04d                  %02d%02d%07dN%03d%02d%07dW012345HMD21", 3 + ssn,
                           ssn, ssn, 30 + ssn % 30, ssn % 60, ssn * 7, 70 + ssn % 20, ssn % 60, ssn * 13));
  }
  for (int ssn = 1; ssn <= stations; ++ssn) records += card(format("%06d*90*%04d", 500 + ssn, ssn));
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
  work.write("deck.obs", deck(records + card("999998*90*0001")));
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

// Guards a run killed by SIGPIPE at its first prompt when nobody reads the console.
TEST(CheckerFileSystem, ALostConsoleDoesNotStopTheReport) {
  Workspace work;
  work.write("deck.obs", positions_deck(2));
  RunConditions gone;
  gone.console_gone = true;
  EXPECT_EQ(work.run("corvelin", kAnswers, nullptr, gone), 0);
  EXPECT_NE(work.read("report.txt").find(" Summary from program Corvelins:"), std::string::npos);
}

}  // namespace
