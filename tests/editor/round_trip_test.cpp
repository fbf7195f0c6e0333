// The editor's corrected pair checked again by the comparer: after a run that
// corrects every difference, one way or the other, the comparer finds none of
// them, and every record that was not corrected is the input's, padded to 80
// columns.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// A deck of stations and a description of each, some names and state codes
// differing; the answers correct each difference in the description or in
// the deck, at random.  Records are written without trailing blanks.
struct Survey {
  Survey(bool unified, unsigned seed) : unified(unified) {
    std::mt19937 random(seed);
    auto chance = [&](int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random) == 1; };
    deck.push_back(card({{1, "000001"}, {7, "*RT*"}, {11, "HZTLOBS GSOFP5ROUND TRIP"}}));
    for (int s = 1; s <= kStations; ++s) {
      deck.push_back(card({{7, "*22*"}, {11, format("%04d", s)}, {51, format("%04d", s % kStations + 1)}, {64, "045000000"}}));
    }
    description.push_back(card({{7, "*RT*"}}));
    for (int s = 1; s <= kStations; ++s) {
      const std::string name = format("STATION %04d", s);
      const std::string state = s % 7 == 0 ? "UT" : "CO";
      const std::size_t station_line = deck.size();
      deck.push_back(card({{7, "*80*"}, {11, format("%04d", s)}, {15, name}, {45, "40123456789N105123456789W"},
                           {70, "123456"}, {77, state}}));
      const std::string described_name = chance(3) ? format("STATION %04dX", s) : name;
      const std::string described_state = chance(3) ? "WY" : state;
      const bool name_differs = described_name != name;
      const bool state_differs = described_state != state;
      auto answer = [&](std::size_t description_line) {
        if (chance(2)) {
          answers += "y\n";
          corrected_description.insert(description_line);
        } else {
          answers += "n\ny\n";
          corrected_deck.insert(station_line);
        }
      };
      if (unified) {
        description.push_back(trimmed(card({{7, "*10*"}, {11, format("%04d", s)}, {47, described_state}})));
        if (state_differs) answer(description.size() - 1);
        description.push_back(trimmed(card({{7, "*13*"}, {11, described_name}})));
        if (name_differs) answer(description.size() - 1);
      } else {
        description.push_back(trimmed(card({{7, "*10*"}, {11, format("%03d", s)}})));
        description.push_back(trimmed(card({{7, "*14*"}, {11, described_name}, {58, described_state}})));
        if (name_differs) answer(description.size() - 1);
        if (state_differs) answer(description.size() - 1);
      }
      description.push_back(trimmed(card({{7, "*20*"}, {11, "RECOVERED IN GOOD CONDITION."}})));
    }
    deck.push_back(card({{7, "*RT*"}}));
    description.push_back(card({{7, "*RT*"}}));
    for (auto& d : deck) d = trimmed(d);
  }

  static constexpr int kStations = 300;
  bool unified;
  std::vector<std::string> deck;
  std::vector<std::string> description;
  std::string answers;
  std::set<std::size_t> corrected_deck;  // line indexes
  std::set<std::size_t> corrected_description;
};

std::string text_of(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\n";
  return text;
}

// Lines that were not corrected are the input's in 80 columns; a corrected
// one differs only in the name and state columns the layout gives.
void expect_only_corrections(const std::vector<std::string>& input, const std::string& output,
                             const std::set<std::size_t>& corrected, std::initializer_list<std::pair<int, int>> fields) {
  const std::vector<std::string> out = lines_of(output);
  ASSERT_EQ(out.size(), input.size());
  std::size_t changed = 0;
  for (std::size_t i = 0; i < input.size(); ++i) {
    const std::string padded = orv::padded(input[i], 80);
    if (!corrected.count(i)) {
      EXPECT_EQ(out[i], padded) << "record " << i + 1;
      continue;
    }
    ASSERT_EQ(out[i].size(), 80U);
    std::string masked_in = padded, masked_out = out[i];
    for (const auto& [first, last] : fields) {
      const auto width = static_cast<std::size_t>(last - first + 1);
      masked_in.replace(static_cast<std::size_t>(first - 1), width, width, '#');
      masked_out.replace(static_cast<std::size_t>(first - 1), width, width, '#');
    }
    EXPECT_EQ(masked_out, masked_in) << "record " << i + 1;
    changed += out[i] != padded;
  }
  EXPECT_EQ(changed, corrected.size());
}

void round_trip(bool unified, unsigned seed) {
  const Survey survey(unified, seed);
  orv::test::Workspace ws;
  ws.write("deck.obs", text_of(survey.deck));
  ws.write("deck.dsc", text_of(survey.description));
  const std::string dialogue = std::string("deck.obs\ny\ndeck.dsc\n") + (unified ? "y\nn\n" : "n\n") +
                               "fixed.obs\nfixed.dsc\nedit.rpt\ny\n";
  ASSERT_EQ(ws.run("morandel", dialogue + survey.answers), 0);
  ASSERT_FALSE(survey.corrected_deck.empty());
  ASSERT_FALSE(survey.corrected_description.empty());

  const std::string edit_report = ws.read("edit.rpt");
  EXPECT_NE(edit_report.find("UNMATCHED"), std::string::npos);
  ASSERT_EQ(ws.run("halvic", std::string("fixed.obs\ny\nfixed.dsc\n") + (unified ? "u" : "o") + "\ncompare.rpt\n"), 0);
  const std::string check = ws.read("compare.rpt");
  EXPECT_EQ(check.find("UNMATCHED"), std::string::npos) << check;
  EXPECT_NE(check.find("ALL OF THE  OBS 80 RECORDS HAVE A DESCRIPTION"), std::string::npos);

  expect_only_corrections(survey.deck, ws.read("fixed.obs"), survey.corrected_deck, {{15, 44}, {77, 78}});
  if (unified) {
    expect_only_corrections(survey.description, ws.read("fixed.dsc"), survey.corrected_description, {{11, 50}, {47, 48}});
  } else {
    expect_only_corrections(survey.description, ws.read("fixed.dsc"), survey.corrected_description, {{11, 50}, {58, 59}});
  }
}

TEST(RoundTrip, UnifiedDescriptionAndDeckAgreeAfterTheirCorrections) { round_trip(true, 11); }

TEST(RoundTrip, OldDescriptionAndDeckAgreeAfterTheirCorrections) { round_trip(false, 12); }

}  // namespace
