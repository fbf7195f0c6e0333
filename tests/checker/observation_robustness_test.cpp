// The syntax pass run as a program on decks too large to keep as end-to-end
// case files.

#include <gtest/gtest.h>

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::Workspace;

// A card from (first column, text) pieces.
std::string card(std::initializer_list<std::pair<int, std::string>> pieces) {
  std::string rec(80, ' ');
  for (const auto& [first, text] : pieces) rec.replace(static_cast<std::size_t>(first - 1), text.size(), text);
  return rec + "\n";
}

std::string envelope(const std::string& observations) {
  return card({{1, "000001*HZ*HZTLOBS GSOHQ "}, {73, "20040315"}}) +
         card({{1, "000002*10*NORTH RIDGE TRIANGULATION"}}) +
         card({{1, "000003*12*1920  2004"}, {23, "NORTH RIDGE"}, {65, "GSO-2004-17"}, {76, "1CO10"}}) +
         observations + card({{1, "900001*70*0011230150MT"}}) +
         card({{1, "900002*80*0001NORTH BASE"}, {45, "38451234567N105123456789W165432TCO21"}}) +
         card({{1, "900003*90*0001"}}) + card({{1, "900004*HZ*"}});
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Only observations can name a 3000th station: the structure pass enters no
// more stations than the working copy holds position records.
TEST(ObservationRobustness, TheThreeThousandthStationEndsTheRun) {
  std::string observations;
  int seq = 4;
  for (int group = 0; group < 1000; ++group) {
    const int standpoint = 1001 + 3 * group;  // three new stations a group
    observations += card({{1, format("%06d*20*%04d01", seq++, standpoint)}, {23, "02"}, {33, "001"},
                          {40, "950612"}, {51, format("%04d", standpoint + 1)}, {60, "01"}, {64, "000000000"}});
    observations += card({{1, format("%06d*22*%04d01", seq++, standpoint)}, {51, format("%04d", standpoint + 2)},
                          {60, "01"}, {64, "045301250"}});
  }
  Workspace work;
  work.write("deck.obs", envelope(observations));
  const int status = work.run("corvelin", "deck.obs\nreport.txt\n");
  const std::string report = work.read("report.txt");

  EXPECT_EQ(status, 1);
  // The control station and 2998 new ones fill the table; the 2999th new
  // station, the forepoint of the last *20*, overflows it after the 400 of
  // that *20*'s standpoint.
  EXPECT_EQ(occurrences(report, "NOT IN STATION TABLE\n"), 2998u);
  const std::string last_entries = " STANDPOINT OR OCCUPIED STATION (CC 11-14; *51* CC 46-49) NOT IN STATION TABLE\n" +
                                   format(" %06d*20*%04d01", 2002, 3998);
  EXPECT_NE(report.find(last_entries), std::string::npos);
  EXPECT_NE(report.find(" STATION TABLE FULL (MORE THAN 2999 STATIONS) - RUN TERMINATED\n\n\n Summary from program"),
            std::string::npos);  // echoing a blank record
  EXPECT_NE(report.find("number of errors found =   2999\n\n ***** Fatal termination\n"), std::string::npos);
  EXPECT_EQ(work.entries(), (std::vector<std::string>{"contrib.dat", "deck.obs", "newerror.dir", "report.txt"}));
}

// Every byte value in every column of every observation record: the deck
// stays sound in structure, so all three passes read the bytes.
TEST(ObservationRobustness, AnyBytesInTheFieldsOfObservationRecords) {
  const char* codes[] = {"20", "22", "25", "27", "28", "30", "32", "40", "42", "45", "47", "50", "51", "52",
                         "53", "54", "60", "61"};
  std::string observations;
  int seq = 4;
  for (const char* code : codes) {
    for (int shift = 0; shift < 256; shift += 70) {
      std::string rec = format("%06d*%s*", seq++, code);
      for (int column = 11; column <= 80; ++column) {
        const char c = static_cast<char>((column * 7 + shift) % 256);
        rec += c == '\n' || c == '\x1A' || c == '\r' ? 'X' : c;
      }
      rec[14] = ' ';  // no continuation is announced (cc 15 of a *50*, cc 25 of a parent)
      rec[24] = ' ';
      observations += rec + "\n";
    }
  }
  std::string tail;
  for (int code = 91; code <= 99; ++code) tail += format("%06d*%d*", seq++, code) + std::string(70, '\xFF') + "\n";
  std::string deck = envelope(observations);
  deck.insert(deck.rfind("900004*HZ*"), tail);
  Workspace work;
  work.write("deck.obs", deck);
  EXPECT_EQ(work.run("corvelin", "deck.obs\nreport.txt\n"), 0);
  const std::string report = work.read("report.txt");
  EXPECT_EQ(report.find("incorrect structure"), std::string::npos);
  EXPECT_NE(report.find(" Summary from program Corvelins:"), std::string::npos);
}

}  // namespace
