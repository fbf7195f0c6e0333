// The editor's tables at their limits: the 999th entry is taken, the next
// ends the run as a data error that leaves the report and the inputs and no
// output data set.  Decks are generated, so the ends are seen in the tail of
// the report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "editor/editor.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card;
using orv::test::card_line;

std::string ssn(int n) { return format("%04d", n); }

std::string station(int n, const char* code = "*80*") {
  return card_line({{7, code}, {11, ssn(n)}, {15, "STATION " + ssn(n)}, {45, "40123456789N105123456789W"}, {70, "123456"},
               {77, "CO"}});
}

std::string repeated(int count, std::string (*make)(int)) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += make(i);
  return text;
}

struct Outcome {
  int status;
  std::string report;
  std::vector<std::string> files;
  std::string observations;  // the corrected observation file, when kept
};

// A run over a deck and a description that open with the job code, the
// answers to the questions following the dialogue.
Outcome edit(const std::string& deck_body, bool unified, const std::string& description_body,
             const std::string& answers = "") {
  orv::test::Workspace ws;
  const std::string job = card_line({{7, "*JB*"}});
  ws.write("deck.obs", job + deck_body + job);
  ws.write("deck.dsc", job + description_body + job);
  const std::string dialogue = std::string("deck.obs\ny\ndeck.dsc\n") + (unified ? "y\nn\n" : "n\n") +
                               "fixed.obs\nfixed.dsc\ndeck.rpt\ny\n";
  const int status = ws.run("morandel", dialogue + answers);
  return {status, ws.read("deck.rpt"), ws.entries(), ws.exists("fixed.obs") ? ws.read("fixed.obs") : ""};
}

std::string tail(const std::string& report, std::size_t lines) {
  std::size_t at = report.size();
  for (std::size_t n = 0; n <= lines && at > 0; ++n) at = report.rfind('\n', at - 1);
  return report.substr(at == std::string::npos ? 0 : at + 1);
}

const std::string kDataError = "\n DATA ERROR - PROGRAM MORANDEL TERMINATED -  OUTPUT DATA SET FILES NOT SAVED\n";
const std::vector<std::string> kNoOutputs{"contrib.dat", "deck.dsc", "deck.obs", "deck.rpt", "newerror.dir"};
const std::vector<std::string> kAllKept{"contrib.dat", "deck.dsc", "deck.obs", "deck.rpt", "fixed.dsc", "fixed.obs",
                                        "newerror.dir"};

void expect_data_error(const Outcome& run, const std::string& message) {
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(tail(run.report, 3), message + "\n" + kDataError);
  EXPECT_EQ(run.files, kNoOutputs);
}

// The editor's capacities, as counts of generated records.
constexpr int kStations = static_cast<int>(morandel::kCapacities.tables.stations);
constexpr int kAuxiliaries = static_cast<int>(morandel::kCapacities.tables.auxiliaries);
constexpr int kDescriptions = static_cast<int>(morandel::kCapacities.descriptions);

TEST(EditorLimits, StationsWithThe81RecordsAmongThem) {
  const std::string full = repeated(kStations - 1, [](int n) { return station(n); }) + station(kStations, "*81*");
  const Outcome ok = edit(full, true, "");
  EXPECT_EQ(ok.status, 0);
  EXPECT_NE(ok.report.find(" 0999     STATION 0999"), std::string::npos);
  expect_data_error(edit(full + station(kStations + 1), true, ""), " NUMBER OF 80 RECORDS EXCEEDS 999");
}

TEST(EditorLimits, AuxiliaryStations) {
  auto mark = [](int n) { return card_line({{7, "*82*"}, {11, ssn(n)}, {15, "MARK " + ssn(n)}}); };
  EXPECT_EQ(edit(repeated(kAuxiliaries, mark), false, "").status, 0);
  expect_data_error(edit(repeated(kAuxiliaries + 1, mark), false, ""), " NUMBER OF OBS 82 RECORDS EXCEEDS 999");
}

TEST(EditorLimits, DescriptionStationRecords) {
  auto described = [](int n) { return card_line({{7, "*10*"}, {11, ssn(n)}}) + card_line({{7, "*13*"}, {11, "MARK"}}); };
  const Outcome ok = edit(station(1), true, repeated(kDescriptions, described));
  EXPECT_EQ(ok.status, 0);
  const Outcome over = edit(station(1), true, repeated(kDescriptions + 1, described));
  expect_data_error(over, " NUMBER OF DESC *10* RECORDS EXCEEDS 999");
  EXPECT_EQ(over.report.find("UNMATCHED"), std::string::npos);  // the table is full before any record is reconciled
}

// Mended fault: the series records were once held in tables of 20.
TEST(EditorLimits, NoCountOfDirectionsAnglesOrDistances) {
  std::string deck = station(1) + station(2);
  for (int i = 0; i < 4000; ++i) {
    deck += card_line({{7, "*22*"}, {11, "0001"}, {51, "0002"}, {64, "090253938"}});
    deck += card_line({{7, "*32*"}, {11, "0001"}, {51, "0002"}, {64, "29401030"}, {72, "0003"}});
    deck += card_line({{7, "*50*"}, {11, "0001"}, {46, "0002"}, {64, "008685168"}, {73, "S"}});
  }
  const Outcome run = edit(deck, false, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.files, kAllKept);
}

// Old layout: one station, then name records that differ in name and state;
// each answered no, yes twice gives two corrections of the observation file.
std::string name_and_state_records(int count) {
  std::string text = card_line({{7, "*10*"}, {11, "001"}});
  for (int i = 1; i <= count; ++i) text += card_line({{7, "*14*"}, {11, format("NAME %04d", i)}, {58, "WY"}});
  return text;
}

TEST(CorrectionLimit, TheThousandthCorrectionAfterAStateQuestion) {
  std::string answers;
  for (int i = 0; i < 500; ++i) answers += "n\ny\nn\ny\n";
  // 499 records and a name: 999 corrections, the later ones written.
  const Outcome full = edit(station(1), false, name_and_state_records(499) + card_line({{7, "*14*"}, {11, "LAST NAME"}, {58, "CO"}}), answers);
  EXPECT_EQ(full.status, 0);
  EXPECT_EQ(full.files, kAllKept);
  EXPECT_NE(full.observations.find(card({{7, "*80*"}, {11, "0001"}, {15, "LAST NAME"},
                                          {45, "40123456789N105123456789W123456"}, {77, "WY"}})),
            std::string::npos);

  const Outcome over = edit(station(1), false, name_and_state_records(500), answers);
  expect_data_error(over, " NUMBER OF CORRECTIONS TO VQ OBS OUTPUT FILE EXCEEDS 999");
  EXPECT_NE(over.report.find(" UPDATE OBS *80* STATE CODE (Y/N) ? -\n y\n NUMBER OF CORRECTIONS"), std::string::npos);
}

TEST(CorrectionLimit, TheThousandthCorrectionAfterAUnifiedNameQuestion) {
  std::string description = card_line({{7, "*10*"}, {11, "0001"}, {47, "CO"}});
  std::string answers;
  for (int i = 1; i <= 1000; ++i) {
    description += card_line({{7, "*13*"}, {11, format("NAME %04d", i)}});
    answers += "n\ny\n";
  }
  const Outcome over = edit(station(1), true, description, answers);
  expect_data_error(over, " NUMBER OF CORRECTIONS TO OBS OUTPUT FILE EXCEEDS 999");
  EXPECT_NE(over.report.find("*13*NAME 1000"), std::string::npos);  // the last record asked about
  EXPECT_EQ(over.report.find("*13*NAME 1000"), over.report.rfind("*13*NAME"));
}

}  // namespace
