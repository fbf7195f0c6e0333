// Whole runs of the built program on decks made here: every fatal finding of
// the B-file passes ends the run at once, with both reports closed alike.

#include <gtest/gtest.h>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card;

std::string line(std::initializer_list<orv::test::At> fields) { return card(fields) + "\n"; }

const std::string kHeader = line({{1, "000001*TV*HZTLOBS GSOFP2TARRASCO VALLEY"}});
// Would give a message if it were ever checked.
const std::string kLaterFault = line({{1, "999999*80*1009"}, {45, "3427138451XN107504123786W198742GNM99"}}) +
                                line({{1, "999999*20*100901"}, {40, "2309190915S1002"}});
const std::string kClosing = "\nPROGRAM TAMREL TERMINATED \n\n";  // after a line

std::string report_body(const std::string& report) {
  const std::string check = "  ** (1) ORVANTINE B-FILE DATA CHECK\n\n";
  const auto at = report.find(check);
  return at == std::string::npos ? report : report.substr(at + check.size());
}

struct Fatal {
  const char* what;
  std::string records;   // the deck up to and with the record that ends the run
  std::string expected;  // the report from the first message on
};

std::string repeated(int count, const std::function<std::string(int)>& record) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += record(i);
  return text;
}

std::string fatal_with(const std::string& message, const std::string& record) {
  return message + "\n" + record + "\n\n" + kClosing;
}

std::vector<Fatal> fatal_findings() {
  const std::string occupation = line({{7, "*25*10011001261A02"}, {28, "002  001"}});
  const auto r = [](std::initializer_list<orv::test::At> fields) { return card(fields); };
  std::vector<Fatal> cases;
  auto single = [&](const char* what, const std::string& before, const std::string& rec, const std::string& message) {
    cases.push_back({what, before + rec + "\n", fatal_with(message, rec)});
  };
  single("25 instrument not an integer", "", r({{7, "*25*10011001261A02"}, {28, "0.2"}}),
         "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 NON-INTEGER, EXECUTION TERMINATED ");
  single("25 instrument blank", "", r({{7, "*25*10011001261A02"}, {33, "001"}}),
         "25 RECORD JOB SPECIFIC INSTRUMENT NUMBER ,CC 28-30 BLANK, EXECUTION TERMINATED ");
  single("25 antenna not an integer", "", r({{7, "*25*10011001261A02"}, {28, "002  0-1"}}),
         "25 RECORD JOB SPECIFIC ANTENNA NUMBER CC 33-35 NON-INTEGER, EXECUTION TERMINATED ");
  single("27 height not a number", occupation, r({{7, "*27*100123091815001.5.2"}}),
         "27 RECORD ANTENNA HEIGHT CC 25-29  NON-INTEGER, EXECUTION TERMINATED");
  single("27 without any 25", "", r({{7, "*27*1001230918150001532"}}),
         "27 RECORD SSN CC 11-14 DOES NOT MATCH PRECEDING 25  RECORD SSN CC 11-14, EXECUTION TERMINATED");
  single("70 equipment code", "", r({{7, "*70*0019A00500MM"}, {71, "RX0072311"}}),
         "70 RECORD EQUIPMENT CODE CC 14-16 NON-INTEGER, EXECUTION TERMINATED");
  single("70 number blank", "", r({{7, "*70*   9100500MM"}, {71, "RX0072311"}}),
         "70 RECORD JOB SPECIFIC INSTRUMENT NUMBER CC 11-13 BLANK, EXECUTION TERMINATED");
  single("70 number not an integer", "", r({{7, "*70*0-19100500MM"}, {71, "RX0072311"}}),
         "70 RECORD INSTRUMENT NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED");
  single("71 after 72", line({{7, "*72*001"}, {17, "GSO-CR2 DOME"}, {45, "AN0813"}}),
         r({{7, "*71*002GSO-CR2 DOME    AN0827      GSOCR2.PAT  GSOCAL"}}),
         "71 AND 72 RECORDS NOT ALLOWED IN THE SAME BFILE, EXECUTION TERMINATED");
  single("72 after 71", line({{7, "*71*001GSO-CR2 DOME    AN0813      GSOCR2.PAT  GSOCAL"}}),
         r({{7, "*72*002"}, {17, "GSO-CR2 DOME"}, {45, "AN0827"}}),
         "71 AND 72 RECORDS NOT ALLOWED IN THE SAME BFILE, EXECUTION TERMINATED");
  single("71 number not an integer", "", r({{7, "*71*0A1GSO-CR2 DOME    AN0813      GSOCR2.PAT  GSOCAL"}}),
         "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED");
  single("71 number blank", "", r({{7, "*71*   GSO-CR2 DOME    AN0813      GSOCR2.PAT  GSOCAL"}}),
         "71 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED");
  single("72 number not an integer", "", r({{7, "*72*0.1"}, {17, "GSO-CR2 DOME"}, {45, "AN0813"}}),
         "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 NON-INTEGER, EXECUTION TERMINATED");
  single("72 number blank", "", r({{7, "*72*"}, {17, "GSO-CR2 DOME"}, {45, "AN0813"}}),
         "72 RECORD JOB SPECIFIC ANTENNA NUMBER CC 11-13 BLANK, EXECUTION TERMINATED");

  auto limit = [&](const char* what, const std::string& full, const std::string& one_more, const std::string& text) {
    cases.push_back({what, full + one_more, text + "\n\n" + kClosing});
  };
  limit("2001st 25", repeated(2000, [](int i) { return line({{7, "*25*"}, {11, format("%04d", i % 9000)}, {28, "002"}}); }),
        line({{7, "*25*9999"}, {28, "002"}}), "NUMBER OF 25 RECORDS EXCEEDS  2000EXECUTION TERMINATED");
  limit("101st 71", repeated(100, [](int i) { return line({{7, format("*71*%03dGSO-CR2 DOME    AN%04d      GSOCR2.PAT  GSOCAL", i, i)}}); }),
        line({{7, "*71*101GSO-CR2 DOME    AN0101      GSOCR2.PAT  GSOCAL"}}),
        "NUMBER OF 71 RECORDS EXCEEDS  100 EXECUTION TERMINATED");
  limit("101st 72", repeated(100, [](int i) { return line({{7, format("*72*%03d", i)}, {17, "GSO-CR2 DOME"}, {45, "AN0813"}}); }),
        line({{7, "*72*101"}, {17, "GSO-CR2 DOME"}, {45, "AN0813"}}),
        "NUMBER OF 72 RECORDS EXCEEDS  100 EXECUTION TERMINATED");
  limit("1001st 80", repeated(1000, [](int i) { return line({{7, format("*80*%04dSTATION", i)}, {45, "34271384512N107504123786W198742GNM2A"}}); }),
        line({{7, "*80*1001"}}), "NUMBER OF OBS *80* RECORDS EXCEEDS  1000EXECUTION TERMINATED");
  limit("1001st 82", repeated(1000, [](int i) { return line({{7, format("*82*%04dMARK", 5000 + i)}}); }),
        line({{7, "*82*7001"}}), "NUMBER OF OBS *82* RECORDS EXCEEDS  1000EXECUTION TERMINATED");
  return cases;
}

TEST(FatalFindings, EndTheRunAtOnceWithBothReportsClosed) {
  for (const Fatal& f : fatal_findings()) {
    SCOPED_TRACE(f.what);
    orv::test::Workspace work;
    work.write("deck.obs", kHeader + f.records + kLaterFault);
    EXPECT_EQ(work.run("tamrel", "deck.obs\ny\nn\n\ns.rpt\nl.rpt\n"), 1);
    const std::string long_report = work.read("l.rpt");
    EXPECT_EQ(work.read("s.rpt"), long_report);
    EXPECT_EQ(report_body(long_report), f.expected);
  }
}

TEST(GfileRun, OpensTheGfileAndWritesTheSecondSection) {
  orv::test::Workspace work;
  work.write("deck.obs", kHeader);
  work.write("deck.gfl", "");
  EXPECT_EQ(work.run("tamrel", "deck.obs\ny\ny\ndeck.gfl\ns.rpt\nl.rpt\n"), 0);
  const std::string body = report_body(work.read("l.rpt"));
  EXPECT_EQ(body.rfind("\n  ** (2) ORVANTINE G-FILE DATA CHECK  \n\n", 0), 0u) << body;
  EXPECT_NE(work.read("s.rpt").find("\nORVANTINE G-FILE - deck.gfl" + std::string(32, ' ') + "\n"), std::string::npos);
}

TEST(PositionRecords, TheOrderAndTypeCodesAreTheSeventyTwoListed) {
  std::vector<std::string> listed = {"03", "06", "1A", "1B", "2A", "2B", "31", "32", "33", "37", "38", "3A", "41",
                                     "42", "43", "47", "48", "4A", "5A", "5B", "6A", "6B", "71", "72", "73", "77",
                                     "78", "7A", "81", "82", "83", "87", "88", "8A", "AA", "BA", "BB", "B1", "B2", "B3"};
  for (int tens : {1, 2, 5, 6}) {
    for (int unit = 1; unit <= 8; ++unit) listed.push_back(format("%d%d", tens, unit));
  }
  ASSERT_EQ(listed.size(), 72u);
  std::vector<std::string> unlisted = {"00", "01", "10", "19", "34", "39", "3B", "4B", "AB", "B4", "BC", "a1", " 3"};
  std::string deck = kHeader;
  int ssn = 1;
  for (const std::vector<std::string>* codes : {&listed, &unlisted}) {
    for (const std::string& code : *codes) {
      deck += line({{7, format("*80*%04dSTATION", ssn++)}, {45, "34271384512N107504123786W198742GNM"}, {79, code}});
    }
  }
  orv::test::Workspace work;
  work.write("deck.obs", deck);
  EXPECT_EQ(work.run("tamrel", "deck.obs\ny\nn\n\ns.rpt\nl.rpt\n"), 0);
  const std::string report = work.read("s.rpt");
  std::size_t messages = 0;
  for (auto at = report.find("80 RECORD OT CODE CC 79-80 NOT IN ANNEX E\n"); at != std::string::npos;
       at = report.find("80 RECORD OT CODE CC 79-80 NOT IN ANNEX E\n", at + 1)) {
    ++messages;
  }
  EXPECT_EQ(messages, unlisted.size());
  for (std::size_t i = 0; i < unlisted.size(); ++i) {
    EXPECT_NE(report.find(format("*80*%04dSTATION", int(listed.size() + 1 + i))), std::string::npos) << unlisted[i];
  }
}

// Lines of any length, carriage returns and a Ctrl-Z: the record is still
// read as its first 80 columns, and the file ends at the Ctrl-Z.
TEST(BfileRecords, AnyLineLengthAndLineEnd) {
  orv::test::Workspace work;
  const std::string station = card({{1, "000002*80*1001TAVANO"}, {45, "34271384512N107504123786W198742GNM2A"}});
  work.write("deck.obs", kHeader + station + std::string(1 << 20, 'x') + "\r\n" +
                             line({{1, "000003*20*100101"}, {40, "2309190915S1001"}}) + "\x1a" + kLaterFault);
  EXPECT_EQ(work.run("tamrel", "deck.obs\ny\nn\n\ns.rpt\nl.rpt\n"), 0);
  EXPECT_EQ(report_body(work.read("s.rpt")),
            " THE DERIVED 4-DIGIT YEAR   23\n IS NOT BETWEEN *12* YEAR OBS BEGAN    0 AND YEAR OBS END    0\n" +
                card({{1, "000003*20*100101"}, {40, "2309190915S1001"}}) + "\n\nJOB SPECIFIC INSTRUMENT NUMBER CC 33-35 NOT FOUND IN 70 RECORDS\n" +
                card({{1, "000003*20*100101"}, {40, "2309190915S1001"}}) + "\n\n" + kClosing);
}

}  // namespace
