// The comparer run as a program on inputs too large or too odd to keep as
// end-to-end case files: whatever it reads, it ends in order.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::test::card;
using orv::test::Workspace;

const std::string kTerminated = "\n PROGRAM HALVIC TERMINATED\n";

bool ends_in_order(const std::string& report) {
  return report.size() >= kTerminated.size() && report.compare(report.size() - kTerminated.size(), kTerminated.size(), kTerminated) == 0;
}

// Records of the codes the comparer reads, their columns filled from a few
// keys, names and numbers, with now and then a character that is no digit.
class Scrambler {
 public:
  explicit Scrambler(unsigned seed) : random_(seed) {}

  // Digits and blanks; in a rare record, anything.
  std::string digits(int width) {
    static const std::string kDigits = "0123456789 ";
    static const std::string kAnything = std::string("0123456789 .-AZ,+*$@\t\x01\xff", 24);
    std::string text;
    for (int i = 0; i < width; ++i) text.push_back(pick(odd_record_ ? kAnything : kDigits));
    return text;
  }
  std::string key() { return std::string(1, pick("0123 ")) + pick("0123 ") + pick("0123 ") + pick("01234 "); }
  std::string name() { return std::string("STATION ") + pick("ABCD") + (chance(3) ? " RM" : ""); }
  bool chance(int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random_) == 1; }
  char pick(const std::string& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
  }

  std::string observation_deck(int records) {
    std::string deck = card({{7, "*JB*"}}) + "\n";
    for (int i = 0; i < records; ++i) {
      odd_record_ = chance(1000);
      const std::string seq = digits(6);
      const std::string set = digits(2);
      const std::string flag(1, pick("RZ "));
      switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
        case 0: deck += card({{7, chance(2) ? "*80*" : "*81*"}, {11, key()}, {15, name()}, {70, digits(6)}, {77, "NM"}}); break;
        case 1: deck += card({{7, "*82*"}, {11, key()}, {15, name()}}); break;
        case 2: deck += card({{1, seq}, {7, chance(2) ? "*20*" : "*22*"}, {11, key()}, {15, set}, {51, key()}, {59, flag}, {64, digits(9)}}); break;
        case 3: deck += card({{1, seq}, {7, chance(2) ? "*30*" : "*32*"}, {11, key()}, {15, set}, {51, key()}, {64, digits(8)}, {72, key()}, {80, flag}}); break;
        case 4: {
          static const char* kCodes[] = {"*50*", "*51*", "*52*"};
          deck += card({{1, seq}, {7, kCodes[std::uniform_int_distribution<int>(0, 2)(random_)]}, {11, key()}, {30, digits(5)},
                        {46, key()}, {54, chance(2) ? digits(5) : "     "}, {64, digits(9)}, {73, std::string(1, pick("HTSGEX"))}});
          break;
        }
        default: deck += card({{7, "*25*"}, {11, key()}});
      }
      deck += "\n";
    }
    return deck;
  }

  std::string old_or_unified_description(int records) {
    std::string text = card({{7, "*JB*"}}) + "\n";
    for (int i = 0; i < records; ++i) {
      odd_record_ = chance(300);
      switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
        case 0: text += card({{7, "*10*"}, {11, key()}, {47, "NM"}, {69, chance(2) ? "P" : " "}}) + "\n"; break;
        case 1: text += card({{7, chance(2) ? "*13*" : "*14*"}, {11, name()}, {58, "NM"}}) + "\n"; break;
        case 2: text += card({{7, "*30*"}, {11, chance(4) ? "$" : " "}}) + "\n"; break;
        case 3: text += card({{7, "*30*"}, {15, name()}}) + "\n"; break;
        case 4:
          text += card({{7, "*30*"}, {15, name()}, {49, chance(2) ? digits(6) : "      "},
                        {55, chance(2) ? digits(7) : "       "}, {73, chance(2) ? digits(8) : "        "}}) + "\n";
          break;
        default: text += card({{7, "*JB*"}}) + "\n";
      }
    }
    return text;
  }

  std::string dfile_description(int records) {
    std::string text;
    for (int i = 0; i < records; ++i) {
      text += card({{1, chance(5) ? " " : "@"}, {2, key()}, {13, name()}, {203, chance(2) ? "Y" : "N"}}, 203) + "\n";
    }
    return text;
  }

 private:
  std::mt19937 random_;
  bool odd_record_ = false;
};

TEST(ComparerRobustness, ScrambledDecksEndInOrder) {
  int ends[2] = {0, 0};  // early, normal
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Scrambler s(seed);
    for (const char layout : {'o', 'u', 'd'}) {
      Workspace work;
      work.write("deck.obs", s.observation_deck(300));
      work.write("deck.dsc", layout == 'd' ? s.dfile_description(200) : s.old_or_unified_description(300));
      const int status = work.run("halvic", std::string("deck.obs\ny\ndeck.dsc\n") + layout + "\ndeck.rpt\n");
      EXPECT_TRUE(status == 0 || status == 1) << "seed " << seed << " layout " << layout;
      ends[status == 0] += 1;
      EXPECT_TRUE(ends_in_order(work.read("deck.rpt"))) << "seed " << seed << " layout " << layout;
    }
  }
  EXPECT_GT(ends[0], 0);  // both ends are reached
  EXPECT_GT(ends[1], 0);
}

TEST(ComparerRobustness, TenMegabyteDescriptionLineIsOneRecord) {
  Workspace work;
  work.write("deck.obs", card({{7, "*JB*"}}) + "\n" + card({{7, "*80*"}, {11, "0001"}, {15, "ROCK"}}) + "\n");
  work.write("deck.dsc", "@0001       ROCK" + std::string(10 * 1024 * 1024, 'x') + "\n");
  EXPECT_EQ(work.run("halvic", "deck.obs\ny\ndeck.dsc\nd\ndeck.rpt\n"), 0);
  const std::string report = work.read("deck.rpt");
  EXPECT_NE(report.find(" @0001       ROCK" + std::string(63, 'x') + "\n             ROCK\n"), std::string::npos);
  EXPECT_NE(report.find(" ALL OF THE  OBS 80 RECORDS HAVE A DESCRIPTION OR RECOVERY NOTE"), std::string::npos);
}

TEST(ComparerRobustness, DirectionsBeyondEveryRange) {
  // 999 degrees 99 minutes 99.99 seconds: the wraps leave values outside the
  // circle, and candidates are written in widened fields.
  Workspace work;
  std::string deck = card({{7, "*JB*"}}) + "\n";
  deck += card({{1, "000001"}, {7, "*20*"}, {11, "0001"}, {15, "01"}, {51, "0002"}, {64, "000000000"}}) + "\n";
  deck += card({{1, "000002"}, {7, "*22*"}, {11, "0001"}, {15, "02"}, {51, "0003"}, {64, "999999999"}}) + "\n";
  deck += card({{1, "000003"}, {7, "*22*"}, {11, "0001"}, {15, "02"}, {51, "0004"}, {64, "000000000"}}) + "\n";
  deck += card({{1, "000004"}, {7, "*22*"}, {11, "0001"}, {15, "01"}, {51, "0004"}, {64, "999999999"}}) + "\n";
  for (const char* ssn : {"0001", "0002", "0003", "0004"}) {
    deck += card({{7, "*80*"}, {11, ssn}, {15, std::string("STATION ") + ssn}}) + "\n";
  }
  work.write("deck.obs", deck);
  work.write("deck.dsc", card({{7, "*JB*"}}) + "\n" + card({{7, "*10*"}, {11, "001"}}) + "\n" +
                             card({{7, "*30*"}, {15, "STATION 0002"}, {73, "00000000"}}) + "\n" +
                             card({{7, "*30*"}, {15, "STATION 0003"}, {73, "99999999"}}) + "\n" +
                             card({{7, "*JB*"}}) + "\n");
  EXPECT_EQ(work.run("halvic", "deck.obs\nn\ndeck.dsc\no\ndeck.rpt\n"), 0);
  const std::string report = work.read("deck.rpt");
  EXPECT_NE(report.find(" CC 73-80 MATCHED DIRECTION > 1 SEC"), std::string::npos);
  EXPECT_TRUE(ends_in_order(report));
}

}  // namespace
