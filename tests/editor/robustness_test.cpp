// The editor run on inputs too odd to keep as end-to-end cases: whatever it
// reads and is answered, it ends in order, and keeps either both corrected
// files whole or neither.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::test::card;

class Scrambler {
 public:
  explicit Scrambler(unsigned seed) : random_(seed) {}

  bool chance(int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random_) == 1; }
  char pick(const std::string& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
  }
  // Digits and blanks; now and then anything.
  std::string digits(int width) {
    static const std::string kDigits = "0123456789 ";
    static const std::string kAnything = std::string("0123456789 .-NSWEP*\t\r\x1a\x01\xff", 22);
    std::string text;
    for (int i = 0; i < width; ++i) text.push_back(pick(chance(15000) ? kAnything : kDigits));
    return text;
  }
  std::string key() { return std::string("0") + pick("01 ") + pick("0123") + pick("0123 "); }
  std::string name() { return std::string("STATION ") + pick("ABC") + (chance(4) ? " RM" : ""); }
  std::string state() { return chance(3) ? "UT" : "CO"; }

  std::string deck(int records) {
    std::string text = card({{7, "*JB*"}}) + "\n";
    for (int i = 0; i < records; ++i) {
      switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
        case 0:
        case 1:
          text += card({{7, chance(8) ? "*81*" : "*80*"}, {11, key()}, {15, name()}, {45, digits(11)},
                        {56, std::string(1, chance(1500) ? 'X' : 'N')}, {57, digits(12)}, {69, "W"}, {70, digits(6)},
                        {77, state()}});
          break;
        case 2: text += card({{7, "*82*"}, {11, key()}, {15, name()}}); break;
        case 3: text += card({{7, chance(2) ? "*20*" : "*32*"}, {11, key()}, {51, key()}, {64, digits(9)}}); break;
        case 4:
          text += card({{7, chance(2) ? "*50*" : "*52*"}, {11, key()}, {30, digits(5)}, {46, key()},
                        {54, chance(2) ? digits(5) : "     "}, {64, digits(9)}, {73, std::string(1, pick("HSXG"))}});
          break;
        default: text += card({{7, "*25*"}, {11, key()}}); break;
      }
      text += chance(50) ? "\r\n" : "\n";
    }
    return text;
  }

  std::string description(int records, bool unified) {
    std::string text = card({{7, chance(5) ? "*XX*" : "*JB*"}}) + "\n";
    for (int i = 0; i < records; ++i) {
      switch (std::uniform_int_distribution<int>(0, 3)(random_)) {
        case 0: text += card({{7, "*10*"}, {11, unified ? key() : key().substr(1)}, {47, state()}, {71, "P"}}); break;
        case 1: text += card({{7, "*13*"}, {11, name()}}); break;
        case 2: text += card({{7, "*14*"}, {11, name()}, {58, state()}}); break;
        default: text += std::string(std::uniform_int_distribution<std::size_t>(0, 200)(random_), pick("* 1A")); break;
      }
      text += "\n";
    }
    return text;
  }

  std::string answers(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(1, pick("yYnNx ")) + "\n";
    return text;
  }

 private:
  std::mt19937 random_;
};

std::size_t lines_in(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(Robustness, ScrambledDecksAndDescriptionsEndInOrder) {
  int normal_ends = 0;
  for (unsigned seed = 1; seed <= 24; ++seed) {
    Scrambler s(seed);
    const bool unified = seed % 2 == 0;
    orv::test::Workspace ws;
    ws.write("deck.obs", s.deck(300));
    ws.write("deck.dsc", s.description(300, unified));
    const std::string dialogue = std::string("deck.obs\ny\ndeck.dsc\n") + (unified ? "y\ny\n" : "n\n") +
                                 "fixed.obs\nfixed.dsc\nedit.rpt\ny\n";
    const int status = ws.run("morandel", dialogue + s.answers(400));
    const std::string report = ws.read("edit.rpt");
    if (status == 0) {
      ++normal_ends;
      const std::string end = "\n PROGRAM MORANDEL TERMINATED\n";
      EXPECT_EQ(report.substr(report.size() - end.size()), end) << seed;
      const std::string fixed = ws.read("fixed.dsc");
      EXPECT_EQ(fixed.size(), lines_in(fixed) * 81) << seed;  // every record in 80 columns
      EXPECT_TRUE(ws.exists("fixed.obs")) << seed;
    } else {
      EXPECT_EQ(status, 1) << seed;
      EXPECT_NE(report.find("DATA ERROR - PROGRAM MORANDEL TERMINATED"), std::string::npos) << seed;
      EXPECT_FALSE(ws.exists("fixed.obs") || ws.exists("fixed.dsc")) << seed;
    }
  }
  EXPECT_GT(normal_ends, 4);   // both ends are seen
  EXPECT_LT(normal_ends, 20);
}

TEST(Robustness, AnyBytesAtAll) {
  std::mt19937 random(7);
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>(random() % 256));
  orv::test::Workspace ws;
  ws.write("deck.obs", bytes);
  ws.write("deck.dsc", bytes.substr(1000));
  const int status = ws.run("morandel", "deck.obs\ny\ndeck.dsc\ny\ny\nfixed.obs\nfixed.dsc\nedit.rpt\ny\n");
  EXPECT_TRUE(status == 0 || status == 1);
  EXPECT_NE(ws.read("edit.rpt").find("PROGRAM MORANDEL TERMINATED"), std::string::npos);
}

}  // namespace
