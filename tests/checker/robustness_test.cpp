// The checker run as a program on inputs too large or too odd to keep as
// end-to-end case files.

#include <gtest/gtest.h>

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/workspace.hpp"

namespace {

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

}  // namespace
