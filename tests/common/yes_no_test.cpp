#include "common/yes_no.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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

// Whoever answers through a pipe may wait to see each prompt first: the
// prompt must have left the program before its answer is read.  Answers
// from a file wait for nobody, so the lines may stay in the buffer.
TEST(ConsolePrompts, SeenBeforeAnAnswerFromAPipeIsRead) {
  int answers[2];
  int prompts[2];
  ASSERT_EQ(::pipe(answers), 0);
  ASSERT_EQ(::pipe(prompts), 0);
  ASSERT_EQ(::write(answers[1], "y\n", 2), 2);
  std::FILE* in = ::fdopen(answers[0], "r");
  std::FILE* out = ::fdopen(prompts[1], "w");
  ASSERT_TRUE(in != nullptr && out != nullptr);
  ASSERT_EQ(::fcntl(prompts[0], F_SETFL, O_NONBLOCK), 0);
  auto arrived = [&] {
    char text[64];
    const ssize_t size = ::read(prompts[0], text, sizeof text);
    return size > 0 ? std::string(text, static_cast<std::size_t>(size)) : std::string();
  };
  {
    orv::Console console(in, out);
    console.line("Answer (y/n) ? ");
    EXPECT_EQ(console.read_line(), "y");
    EXPECT_EQ(arrived(), "Answer (y/n) ? \n");
  }
  {
    std::FILE* file = std::tmpfile();
    std::fputs("n\n", file);
    std::rewind(file);
    orv::Console console(file, out);
    console.line("Again (y/n) ? ");
    EXPECT_EQ(console.read_line(), "n");
    EXPECT_EQ(arrived(), "");
    std::fflush(out);
    EXPECT_EQ(arrived(), "Again (y/n) ? \n");
    std::fclose(file);
  }
  std::fclose(in);
  std::fclose(out);
  ::close(answers[1]);
  ::close(prompts[0]);
}
