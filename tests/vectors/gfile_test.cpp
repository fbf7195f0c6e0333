// Every fatal finding of the G-file records names its field and columns,
// echoes the record and ends the run before the cross-checks; the limits of
// the G-file tables end it with their own lines; listing records keep every
// byte of the fields they copy in its columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "tests/vectors/gfile_support.hpp"

namespace tamrel::test {
namespace {

// The line with `text` written from column `first` on.
std::string with(std::string line, int first, std::string_view text) {
  std::copy(text.begin(), text.end(), line.begin() + (first - 1));
  return line;
}

std::string record_of(const std::string& line) { return line.substr(0, line.size() - 1); }

void expect_fatal(const std::string& gfile, const std::string& last, const std::string& message) {
  const Outcome run = run_tamrel(gfile + last);
  EXPECT_EQ(run.status, 1) << message;
  const std::string expected = message + "\n" + record_of(last) + "\n\n\nPROGRAM TAMREL TERMINATED \n\n";
  const std::string section = gfile_section(run.short_report);
  ASSERT_GE(section.size(), expected.size()) << message;
  EXPECT_EQ(section.substr(section.size() - expected.size()), expected);
  EXPECT_EQ(gfile_section(run.long_report).find("73I"), std::string::npos);
}

const std::string kD =
    g_card({{1, "D  1  2  3127450  1  3 -4412008  1  4   512345  1  5  -203110  1  6    98765"}, {87, "MC1"}});
const std::string kE =
    g_card({{1, "E  1  2         196  1  3        -142  1  4          31  1  5         -12"}, {87, "MC1"}});
const std::string kF =
    g_card({{1, "F20012004   -3388.412000014   -5012.776500016    1875.330100022 136A01136A04"}, {87, "MC1"}});

TEST(GfileFatal, BRecordFieldsInTheirOrder) {
  const std::string b = b_record();
  const struct {
    std::string record;
    std::string message;
  } cases[] = {
      {with(b, 26, "2X"), "B RECORD NUMBER OF VECTORS IN GROUP CC 26-28 NON-INTEGER, EXECUTION TERMINATED"},
      {with(with(b, 26, " -"), 2, "X"),
       "B RECORD NUMBER OF VECTORS IN GROUP CC 26-28 NON-INTEGER, EXECUTION TERMINATED"},
      {with(with(b, 48, "1.0 "), 2, "X"), "B RECORD ORBIT_ACCU CC 48-51 NON-INTEGER, EXECUTION TERMINATED"},
      {with(b, 48, " 1-2"), "B RECORD ORBIT_ACCU CC 48-51 NON-INTEGER, EXECUTION TERMINATED"},
      {with(b, 48, "    "), "B RECORD ORBIT_ACCU CC 48-51 IS BLANK, EXECUTION TERMINATED"},
      {with(with(b, 5, "-"), 10, "X"), "B RECORD STARTING DATE CC 2-9 NON-INTEGER, EXECUTION TERMINATED"},
      {with(b, 12, ":"), "B RECORD STARTING TIME CC 10-13 NON-INTEGER, EXECUTION TERMINATED"},
      {with(b, 21, "."), "B RECORD ENDING DATE CC 14-21 NON-INTEGER, EXECUTION TERMINATED"},
      {with(b, 22, "2OOO"), "B RECORD ENDING TIME CC 22-25 NON-INTEGER, EXECUTION TERMINATED"},
      {with(with(b, 26, "51"), 43, "XXXXX"), "B RECORD NUMBER OF VECTORS CC 26-27 EXCEEDS   50 EXECUTION TERMINATED"},
  };
  for (const auto& c : cases) expect_fatal("", c.record, c.message);
}

TEST(GfileFatal, VectorComponentsOfCAndF) {
  const std::string c = c_record();
  struct ComponentCase {
    int column;  // where a character no number has goes
    std::string message;
  };
  const ComponentCase c_cases[] = {
      {20, "C RECORD DELTA X CC 10-20 NON-INTEGER, EXECUTION TERMINATED"},
      {21, "C RECORD STD DEV X CC 21-25 NON-INTEGER, EXECUTION TERMINATED"},
      {36, "C RECORD DELTA Y CC 26-36 NON-INTEGER, EXECUTION TERMINATED"},
      {37, "C RECORD STD DEV Y CC 37-41 NON-INTEGER, EXECUTION TERMINATED"},
      {42, "C RECORD DELTA Z CC 42-52 NON-INTEGER, EXECUTION TERMINATED"},
      {57, "C RECORD STD DEV Z CC 53-57 NON-INTEGER, EXECUTION TERMINATED"},
  };
  const ComponentCase f_cases[] = {
      {22, "F RECORD DELTA X CC 10-22 NON-INTEGER, EXECUTION TERMINATED"},
      {23, "F RECORD STD DEV X CC 23-27 NON-INTEGER, EXECUTION TERMINATED"},
      {40, "F RECORD DELTA Y CC 28-40 NON-INTEGER, EXECUTION TERMINATED"},
      {45, "F RECORD STD DEV Y CC 41-45 NON-INTEGER, EXECUTION TERMINATED"},
      {46, "F RECORD DELTA Z CC 46-58 NON-INTEGER, EXECUTION TERMINATED"},
      {59, "F RECORD STD DEV Z CC 59-63 NON-INTEGER, EXECUTION TERMINATED"},
  };
  for (const auto& k : c_cases) expect_fatal(b_record(), with(c, k.column, "E"), k.message);
  for (const auto& k : f_cases) expect_fatal(b_record(), with(kF, k.column, "+"), k.message);
  // Characters that each may stand in the field, in an order no number has.
  expect_fatal(b_record(), with(c, 10, "  1.2.3"), "C RECORD DELTA X CC 10-20 NON-INTEGER, EXECUTION TERMINATED");
  expect_fatal(b_record(), with(kF, 59, "0-001"), "F RECORD STD DEV Z CC 59-63 NON-INTEGER, EXECUTION TERMINATED");
}

TEST(GfileFatal, CorrelationAndCovarianceEntries) {
  const std::string group = b_record() + c_record() + c_record();
  const struct {
    std::string record;
    std::string message;
  } cases[] = {
      {with(kD, 38, "  1.2345"), "D RECORD CORRELATION CC 38-46 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kD, 8, "  12-345"), "D RECORD CORRELATION CC 8-16 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kD, 17, " 1A"), "D RECORD ROW NUMBER CC 17-19 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kD, 67, "-"), "D RECORD COL NUMBER CC 65-67 NON-INTEGER, EXECUTION TERMINATED"},
      // The value is looked at before the row and the column of its entry.
      {with(with(kD, 47, "X"), 55, "."), "D RECORD CORRELATION CC 53-61 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kE, 73, "+"), "E RECORD COVARIANCE CC 62-73 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kE, 2, "  X"), "E RECORD ROW NUMBER CC 2-4 NON-INTEGER, EXECUTION TERMINATED"},
      {with(kE, 41, "1 ."), "E RECORD COL NUMBER CC 41-43 NON-INTEGER, EXECUTION TERMINATED"},
  };
  for (const auto& c : cases) expect_fatal(group, c.record, c.message);
}

TEST(GfileFatal, EntryWithoutValueIsNotLookedAt) {
  const std::string d = with(with(kD, 17, "XXXXXX         "), 62, "??????         ");
  const Outcome run = run_tamrel(b_record(2) + c_record() + c_record() + d);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(gfile_section(run.short_report).find("NON-INTEGER"), std::string::npos);
}

std::string groups_of_50(int groups) {
  std::string text;
  for (int g = 0; g < groups; ++g) {
    text += b_record(50);
    for (int v = 0; v < 50; ++v) text += c_record();
  }
  return text;
}

TEST(GfileLimits, TwoThousandVectorsInTheFile) {
  const Outcome full = run_tamrel(groups_of_50(40));
  EXPECT_EQ(full.status, 0);
  EXPECT_EQ(count_of(full.long_report, "\n71I "), 2000);
  EXPECT_NE(full.long_report.find("\n71I 2000   50   40 2001 2002 "), std::string::npos);

  const Outcome over = run_tamrel(groups_of_50(40) + b_record(50) + c_record());
  EXPECT_EQ(over.status, 1);
  const std::string end =
      "THE NUMBER OF C/F RECORDS IN G-FILE EXCEEDS 2000 EXECUTION TERMINATED\n\n\nPROGRAM TAMREL TERMINATED \n\n";
  EXPECT_EQ(over.short_report.substr(over.short_report.size() - end.size()), end);
  EXPECT_EQ(count_of(over.long_report, "\n71I "), 2000);
}

std::string orbit_sources(int count) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += b_record(0, format("S%04d", n));
  return text;
}

TEST(GfileLimits, NinetyNineOrbitSourcesThenAnyBRecordEnds) {
  const Outcome full = run_tamrel(orbit_sources(99) + b_record(0, "S0001"));
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(count_of(full.long_report, "\n70I "), 99);
  const std::string end =
      "NUMBER OF UNIQUE B RECORD ORBIT_SOURCES CC 43-47 EXCEEDS   99  EXECUTION TERMINATED\n\n\n"
      "PROGRAM TAMREL TERMINATED \n\n";
  EXPECT_EQ(full.short_report.substr(full.short_report.size() - end.size()), end);

  // Repeated sources take no room.
  const Outcome repeated = run_tamrel(orbit_sources(98) + b_record(0, "S0001") + b_record(0, "S0002"));
  EXPECT_EQ(repeated.status, 0);
  EXPECT_EQ(count_of(repeated.long_report, "\n70I "), 100);
}

TEST(GfileLimits, FiftyMediaIdsInAGroupThenAnyVectorEndEnds) {
  std::string gfile = b_record(26);
  for (int v = 1; v <= 25; ++v) gfile += c_record(format("ORIGIN%04d", v), format("DIFFER%04d", v));
  const Outcome known = run_tamrel(gfile + c_record("ORIGIN0001", "DIFFER0001"));
  EXPECT_EQ(known.status, 1);
  EXPECT_EQ(count_of(known.long_report, "\n73I "), 50);
  const std::string end =
      "NUMBER OF C RECORD MEDIA_IDS IN A GROUP EXCEEDS   50 EXECUTION TERMINATED\n\n\n"
      "PROGRAM TAMREL TERMINATED \n\n";
  EXPECT_EQ(known.short_report.substr(known.short_report.size() - end.size()), end);

  // A new group starts a new list.
  const Outcome next_group = run_tamrel(gfile + b_record(1) + c_record("ORIGIN0001", "DIFFER0001"));
  EXPECT_EQ(next_group.status, 0);
  EXPECT_EQ(count_of(next_group.long_report, "\n73I "), 52);
}

// D records carrying the given (row, column) entries, five to a record.
std::string d_records(const std::vector<std::pair<int, int>>& entries) {
  std::string text;
  for (std::size_t i = 0; i < entries.size(); i += 5) {
    std::string line = "D";
    for (std::size_t j = i; j < entries.size() && j < i + 5; ++j) {
      line += format("%3d%3d%9d", entries[j].first, entries[j].second, static_cast<int>(j % 1000) + 1);
    }
    text += g_card({{1, line}, {87, "MC1"}});
  }
  return text;
}

TEST(GfileLimits, CorrelationStoreKeepsACompleteSetAndCountsTheRest) {
  std::vector<std::pair<int, int>> complete;
  for (int r = 1; r <= 150; ++r) {
    for (int c = r + 1; c <= 150; ++c) complete.emplace_back(r, c);
  }
  ASSERT_EQ(complete.size(), 11175u);
  const auto more = std::vector<std::pair<int, int>>(5, {1, 2});
  std::string gfile = b_record(50);
  for (int v = 0; v < 50; ++v) gfile += c_record();
  gfile += d_records(complete) + d_records(more);
  gfile += b_record(0) + d_records(std::vector<std::pair<int, int>>(11180, {1, 2})) + b_record(0);
  const Outcome run = run_tamrel(gfile);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(count_of(run.long_report, "\n72I "), 11175);
  EXPECT_NE(run.long_report.find("\n72I   50   50 Y Z  0.0000175 MC1\n70I "), std::string::npos);
  // Group 2 overflows its empty set; the last group, with none, is held to it too.
  EXPECT_EQ(count_of(run.short_report, "NOT WRITTEN TO OUTPUT"), 2);
  EXPECT_NE(run.short_report.find("72I/76I RECORDS FOR GROUP    2 NOT WRITTEN TO OUTPUT.\n"
                                  "CORRELATIONS/COVARIANCES READ - 11180 CORRELATIONS/COVARIANCES REQUIRED -    0\n\n"),
            std::string::npos);
}

TEST(GfileListing, AnyByteStaysInItsColumns) {
  const std::string nul(1, '\0');
  const std::string b = with(with(b_record(1), 30, nul), 88, nul);
  const std::string c = with(with(c_record("135A01R001", "ORIG" + nul + "NAL  "), 89, nul), 3, nul);
  const Outcome run = run_tamrel(b + c);
  EXPECT_EQ(run.status, 0);
  const std::string listing = gfile_section(run.long_report);
  EXPECT_NE(listing.find("70I    1 20240514 1400 20240514 2000   " + nul +
                         "             IGS     1.0 14  1  3 GSOSAT  7  1 M" + nul + "1\n"),
            std::string::npos);
  EXPECT_NE(listing.find("71I    1    1    1 2" + nul + "01 2002 "), std::string::npos);
  EXPECT_NE(listing.find("2" + nul + "01                MC" + nul + "\n"), std::string::npos);
  EXPECT_NE(listing.find("DIFFERENTIAL STATION SSN 2002 MEDIA_ID ORIG" + nul + "NAL  \n"), std::string::npos);
}

}  // namespace
}  // namespace tamrel::test
