#include "common/yes_no.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A console whose input is the given text; what it writes is kept.
class ScriptedConsole {
 public:
  explicit ScriptedConsole(const std::string& input) : in_(std::tmpfile()), out_(std::tmpfile()), console_(in_, out_) {
    std::fputs(input.c_str(), in_);
    std::rewind(in_);
  }
  ~ScriptedConsole() {
    std::fclose(in_);
    std::fclose(out_);
  }
  orv::Console& console() { return console_; }
  std::string written() {
    std::rewind(out_);
    std::string text;
    for (int c; (c = std::getc(out_)) != EOF;) text.push_back(static_cast<char>(c));
    return text;
  }
  std::string unread() {
    std::string text;
    for (int c; (c = std::getc(in_)) != EOF;) text.push_back(static_cast<char>(c));
    return text;
  }

 private:
  std::FILE* in_;
  std::FILE* out_;
  orv::Console console_;
};

const orv::YesNoRules kComparer{{"", "INVALID RESPONSE, TRY Y OR N", ""}, 5, orv::AfterLast::give_up, {}};
const std::string kRetry = "\nINVALID RESPONSE, TRY Y OR N\n\n";

TEST(YesNo, FirstAnswerAcceptedSilently) {
  for (char letter : {'y', 'Y', 'n', 'N'}) {
    ScriptedConsole sc("unread\n");
    char answer = letter;
    EXPECT_EQ(orv::ask_yes_no(sc.console(), answer, kComparer), letter == 'y' || letter == 'Y');
    EXPECT_EQ(sc.written(), "");
    EXPECT_EQ(sc.unread(), "unread\n");
  }
}

TEST(YesNo, RetryUntilAcceptedLeavesTheLetter) {
  ScriptedConsole sc("yes\nNo\nrest\n");
  char answer = 'x';
  EXPECT_TRUE(orv::ask_yes_no(sc.console(), answer, kComparer));  // "yes" starts with y
  EXPECT_EQ(answer, 'y');
  EXPECT_EQ(sc.written(), kRetry);
  ScriptedConsole blank("\n N\nN\n");
  answer = ' ';
  EXPECT_FALSE(orv::ask_yes_no(blank.console(), answer, kComparer));  // no blank default, first letter only
  EXPECT_EQ(answer, 'N');
  EXPECT_EQ(blank.written(), kRetry + kRetry + kRetry);
}

TEST(YesNo, FifthInvalidAnswerGivesUpWithoutReadingOn) {
  ScriptedConsole sc("a\nb\nc\nd\ny\n");
  char answer = 'x';
  int gave_up = 0;
  orv::YesNoRules rules = kComparer;
  rules.give_up = [&] { ++gave_up; };
  EXPECT_FALSE(orv::ask_yes_no(sc.console(), answer, rules));
  EXPECT_EQ(gave_up, 1);
  EXPECT_EQ(answer, 'd');
  EXPECT_EQ(sc.written(), kRetry + kRetry + kRetry + kRetry);
  EXPECT_EQ(sc.unread(), "y\n");
}

TEST(YesNo, GivingUpCanEndTheRun) {
  ScriptedConsole sc("");  // end of input answers blank every time
  char answer = ' ';
  orv::YesNoRules rules = kComparer;
  rules.give_up = [] { throw orv::RunEnd{orv::kEarlyEnd}; };
  EXPECT_THROW(orv::ask_yes_no(sc.console(), answer, rules), orv::RunEnd);
}

TEST(YesNo, CountsAsNoAfterOneUnjudgedLine) {
  // The editor's rule: ten answers judged, the message once more, an
  // eleventh line read and kept but not judged.
  std::string input;
  for (int i = 0; i < 8; ++i) input += "x\n";
  input += "Y\nlast\n";
  ScriptedConsole sc(input);
  char answer = 'x';
  const orv::YesNoRules editor{{" INVALID RESPONSE, TRY Y OR N"}, 10, orv::AfterLast::read_one_more, {}};
  EXPECT_TRUE(orv::ask_yes_no(sc.console(), answer, editor));  // the tenth answer still counts

  std::string invalid;
  for (int i = 0; i < 9; ++i) invalid += "x\n";
  invalid += "Y\nrest\n";
  ScriptedConsole all_invalid(invalid);
  answer = 'x';
  EXPECT_FALSE(orv::ask_yes_no(all_invalid.console(), answer, editor));
  EXPECT_EQ(answer, 'Y');  // read, not judged
  std::string shown;
  for (int i = 0; i < 10; ++i) shown += " INVALID RESPONSE, TRY Y OR N\n";
  EXPECT_EQ(all_invalid.written(), shown);
  EXPECT_EQ(all_invalid.unread(), "rest\n");
}

}  // namespace
