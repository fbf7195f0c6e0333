#include "common/card.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using orv::CardReader;

// Every card a reader gives for the bytes, as read at the given width.
std::vector<std::string> cards_of(const std::string& bytes, int width = 10) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  CardReader reader(file, width);
  std::vector<std::string> cards;
  std::string card;
  while (reader.next(card)) cards.push_back(card);
  std::fclose(file);
  return cards;
}

TEST(CardReader, PadsShortLinesAndCutsLongOnes) {
  EXPECT_EQ(cards_of("abc\n0123456789XYZ\n"),
            (std::vector<std::string>{"abc       ", "0123456789"}));
}

TEST(CardReader, LineEndsAndLastLine) {
  // CR before LF dropped, also on a last line without LF; no extra record
  // for a final LF; an empty line in the middle is a record of blanks.
  EXPECT_EQ(cards_of("a\r\n\nb\r"), (std::vector<std::string>{"a         ", "          ", "b         "}));
  EXPECT_EQ(cards_of("a\n"), (std::vector<std::string>{"a         "}));
  EXPECT_TRUE(cards_of("").empty());
  // A carriage return not before a line feed is a character of the record.
  EXPECT_EQ(cards_of("a\rb\n"), (std::vector<std::string>{"a\rb       "}));
}

TEST(CardReader, CtrlZEndsTheFile) {
  EXPECT_EQ(cards_of("one\ntwo\x1Athree\nfour\n"), (std::vector<std::string>{"one       ", "two       "}));
  EXPECT_TRUE(cards_of("\x1Amore\n").empty());
}

TEST(CardReader, KeepsEveryOtherByte) {
  const std::string bytes = std::string("\0\xff\t", 3) + "\n";
  EXPECT_EQ(cards_of(bytes), (std::vector<std::string>{std::string("\0\xff\t       ", 10)}));
}

TEST(CardReader, HugeLineCostsOneCard) {
  const std::string line(10 * 1024 * 1024, 'x');
  const auto cards = cards_of(line + "\nnext\n", 80);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0], std::string(80, 'x'));
  EXPECT_EQ(cards[1].substr(0, 5), "next ");
}

// The file is read in blocks of 64 KiB: a line, its CR or a Ctrl-Z on
// either side of a block's end reads as anywhere else.
TEST(CardReader, BlockEndsAreInvisible) {
  constexpr std::size_t kBlock = 64 * 1024;
  const std::string filler(kBlock - 3, 'f');
  EXPECT_EQ(cards_of(filler + "\nab\r\ncd\n").back(), "cd        ");
  EXPECT_EQ(cards_of(filler + "ab\r\ncd\n")[0].substr(0, 10), "ffffffffff");
  EXPECT_EQ(cards_of(std::string(kBlock - 1, 'g') + "\r\n", int(kBlock)).at(0).back(), ' ');
  EXPECT_EQ(cards_of(filler + "\n\r\r\nzz").at(1), "\r         ");
  EXPECT_EQ(cards_of(filler + "\nab\x1A\ncd\n").size(), 2u);
  // A CR as the block's last character: kept before more text, dropped at a Ctrl-Z.
  EXPECT_EQ(cards_of(filler + "\nA\rB\n", 3).at(1), "A\rB");
  EXPECT_EQ(cards_of(filler + "\nA\r\x1A\n", 2).at(1), "A ");
}

TEST(CardReader, RewindReadsAgain) {
  std::FILE* file = std::tmpfile();
  std::fputs("a\x1A", file);
  std::rewind(file);
  CardReader reader(file, 3);
  std::string card;
  ASSERT_TRUE(reader.next(card));
  EXPECT_FALSE(reader.next(card));
  reader.rewind();
  ASSERT_TRUE(reader.next(card));
  EXPECT_EQ(card, "a  ");
  std::fclose(file);
}

TEST(Columns, AreOneBasedAndInclusive) {
  const std::string card = orv::make_card("123456*20*0042");
  EXPECT_EQ(orv::cols(card, 7, 10), "*20*");
  EXPECT_EQ(orv::cols(card, 11, 14), "0042");
  EXPECT_EQ(orv::col(card, 8), '2');
  EXPECT_TRUE(orv::is_blank(orv::cols(card, 15, 80)));
  EXPECT_FALSE(orv::is_blank("\t"));
}

}  // namespace
