#include "tests/support/in_process.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/console.hpp"

namespace orv::test {

namespace {

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

Session session_with(const std::vector<std::pair<std::string, std::string>>& files, const std::string& answers) {
  Session session;
  for (const char* data : {"contrib.dat", "newerror.dir"}) {
    session.folder.files[data] = file_bytes(std::string(ORV_BIN_DIR) + "/" + data);
  }
  for (const auto& [name, path] : files) session.folder.files[name] = file_bytes(std::string(ORV_SOURCE_DIR) + "/" + path);
  session.answers = answers;
  return session;
}

void expect_every_full_disk_handled(ProgramRun run, const Session& session,
                                    const std::vector<std::string>& kept_only_when_complete) {
  const SessionResult roomy = run_in_memory(run, session);
  ASSERT_EQ(roomy.status, kNormalEnd) << roomy.console;
  std::size_t written = 0;
  for (const auto& [name, bytes] : roomy.folder.files) {
    if (session.folder.files.count(name) == 0) written += bytes.size();
  }
  ASSERT_GT(written, 0u);
  // Scratch files take room too: the points run on past the outputs' size.
  const std::size_t last = 2 * written + (std::size_t{256} << 10);
  int early_ends = 0;
  for (std::size_t room = 0; room <= last; room += room < 512 ? 37 : room / 8) {
    Session full = session;
    full.limits.files = room;
    const SessionResult result = run_in_memory(run, full);
    if (result.status == kNormalEnd) {
      EXPECT_EQ(result.console, roomy.console) << "room " << room;
      EXPECT_EQ(result.folder, roomy.folder) << "room " << room;
      EXPECT_GE(room, written) << "a run that could not write all passed as complete";
      continue;
    }
    ++early_ends;
    ASSERT_EQ(result.status, kEarlyEnd) << "room " << room;
    EXPECT_NE(result.console, roomy.console) << "room " << room << ": an early end the console does not tell";
    for (const auto& [name, bytes] : session.folder.files) {
      EXPECT_EQ(result.folder.files.at(name), bytes) << name << ", room " << room;
    }
    for (const auto& name : kept_only_when_complete) {
      EXPECT_EQ(result.folder.files.count(name), 0u) << name << " left incomplete, room " << room;
    }
  }
  EXPECT_GT(early_ends, 0);
}

}  // namespace orv::test
