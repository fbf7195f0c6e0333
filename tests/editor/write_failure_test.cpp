// Files that cannot be written whole: the run is run with a limit on the size
// of the files it writes, so that a write fails part-way as on a full disk.
// The run must end as a data error, never keep a partial data set.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card_line;


// Runs the editor in the folder with no file it writes allowed beyond
// `max_bytes`; a write past it fails (the signal that would end the process
// is ignored).  The console goes to `console`, outside the folder.
int run_limited(const orv::test::Workspace& ws, const std::string& answers, rlim_t max_bytes,
                const std::string& console) {
  ws.write("answers", answers);
  const pid_t child = fork();
  if (child == 0) {
    const int in = open((ws.folder() / "answers").c_str(), O_RDONLY);
    const int out = open(console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || chdir(ws.folder().c_str()) != 0) _exit(120);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    unlink("answers");
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{max_bytes, max_bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
    execl(ORV_BIN_DIR "/morandel", "morandel", static_cast<char*>(nullptr));
    _exit(121);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kDialogue = "deck.obs\ny\ndeck.dsc\ny\nn\nfixed.obs\nfixed.dsc\nedit.rpt\ny\n";
const std::vector<std::string> kNoOutputs{"contrib.dat", "deck.dsc", "deck.obs", "edit.rpt", "newerror.dir"};

std::string deck() {
  return card_line({{7, "*JB*"}}) + card_line({{7, "*80*"}, {11, "0001"}, {15, "KNOLL"}, {45, "40123456789N105123456789W"},
                                     {70, "123456"}, {77, "CO"}});
}

TEST(WriteFailure, DescriptionOutputCutShortIsDeleted) {
  orv::test::Workspace ws;
  std::string description = card_line({{7, "*JB*"}}) + card_line({{7, "*10*"}, {11, "0001"}, {47, "CO"}});
  for (int i = 0; i < 3000; ++i) description += card_line({{7, "*20*"}, {11, "A LONG RECOVERY NOTE"}});
  ws.write("deck.obs", deck());
  ws.write("deck.dsc", description);
  const std::string console = ws.folder().string() + ".console";
  EXPECT_EQ(run_limited(ws, kDialogue, 64 * 1024, console), 1);
  EXPECT_EQ(ws.entries(), kNoOutputs);
  const std::string expected_end =
      " ERROR IN WRITING ORVANTINE DESC OUTPUT FILE - fixed.dsc\n\n"
      " DATA ERROR - PROGRAM MORANDEL TERMINATED -  OUTPUT DATA SET FILES NOT SAVED\n";
  EXPECT_EQ(ws.read("edit.rpt").substr(ws.read("edit.rpt").size() - expected_end.size()), expected_end);
  std::remove(console.c_str());
}

TEST(WriteFailure, ReportCutShortEndsTheRunAndDeletesTheOutputs) {
  // A thousand differing names make the report the largest file.
  orv::test::Workspace ws;
  std::string description = card_line({{7, "*JB*"}}) + card_line({{7, "*10*"}, {11, "0001"}, {47, "CO"}});
  std::string answers = kDialogue;
  for (int i = 0; i < 1000; ++i) {
    description += card_line({{7, "*13*"}, {11, format("KNOLL %04d", i)}});
    answers += "n\nn\n";
  }
  ws.write("deck.obs", deck());
  ws.write("deck.dsc", description);
  EXPECT_EQ(run_limited(ws, answers, 120 * 1024, "/dev/null"), 1);
  EXPECT_EQ(ws.entries(), kNoOutputs);
}

}  // namespace
