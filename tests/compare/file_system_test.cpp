// The comparer where the file system gives way: a report beyond a file-size
// limit, a console nobody reads.

#include <gtest/gtest.h>

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::test::card;
using orv::test::file_size_limit;
using orv::test::RunConditions;
using orv::test::Workspace;

// 200 stations that an empty D-file leaves undescribed: a 5 KB report.
void long_report_inputs(const Workspace& work) {
  std::string deck = card({{7, "*JB*"}}) + "\n";
  for (int ssn = 1; ssn <= 200; ++ssn) {
    const std::string key = orv::format("%04d", ssn);
    deck += card({{7, "*80*"}, {11, key}, {15, "STATION " + key}}) + "\n";
  }
  work.write("deck.obs", deck);
  work.write("empty.dsc", card({{7, "*JB*"}}) + "\n");
}

const std::string kAnswers = "deck.obs\ny\nempty.dsc\nd\nreport.txt\n";

// Guards a run killed by SIGXFSZ (status 153) with a cut report and no word.
TEST(ComparerFileSystem, AReportBeyondAFileSizeLimitIsAWriteFailure) {
  Workspace work;
  long_report_inputs(work);
  std::string console;
  EXPECT_EQ(work.run("halvic", kAnswers, &console, file_size_limit(4096, false)), 1);
  EXPECT_NE(console.find("\nError in writing output file\n\n PROGRAM HALVIC TERMINATED\n"), std::string::npos) << console;
}

// Guards a run killed by SIGPIPE at its first prompt, before its report existed.
TEST(ComparerFileSystem, ALostConsoleDoesNotStopTheReport) {
  Workspace work;
  long_report_inputs(work);
  RunConditions gone;
  gone.console_gone = true;
  EXPECT_EQ(work.run("halvic", kAnswers, nullptr, gone), 0);
  const std::string report = work.read("report.txt");
  EXPECT_NE(report.find(" 0200     STATION 0200"), std::string::npos);
  EXPECT_NE(report.find(" PROGRAM HALVIC TERMINATED"), std::string::npos);
}

}  // namespace
