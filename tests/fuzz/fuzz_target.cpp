#include "tests/fuzz/fuzz_target.hpp"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "common/console.hpp"

namespace orv::fuzz {

namespace {

[[noreturn]] void breach(const std::string& what) {
  std::fprintf(stderr, "contract broken: %s\n", what.c_str());
  std::abort();
}

// The outputs the usual dialogue names.
const std::set<std::string> kUsualOutputs{"report.txt", "short.txt", "long.txt", "fixed.obs", "fixed.dsc"};

void check(Program program, unsigned h, const Session& session, const SessionResult& result) {
  if (result.status != kNormalEnd && result.status != kEarlyEnd) breach("exit status " + std::to_string(result.status));
  for (const auto& [name, bytes] : session.folder.files) {
    const auto after = result.folder.files.find(name);
    if (after == result.folder.files.end()) breach(name + " was there before the run and is gone");
    if (after->second != bytes) breach(name + " was there before the run and was changed");
  }
  for (const auto& name : session.folder.folders) {
    if (result.folder.folders.count(name) == 0) breach("folder " + name + " is gone");
  }
  if ((h & header::kWholeDialogue) != 0) return;
  for (const auto& [name, bytes] : result.folder.files) {
    if (session.folder.files.count(name) == 0 && kUsualOutputs.count(name) == 0) breach(name + " was left in the folder");
  }
  // A corrected data set is kept only when the run reached its end.
  if (program == Program::morandel && result.status == kEarlyEnd) {
    for (const char* name : {"fixed.obs", "fixed.dsc"}) {
      if (session.folder.files.count(name) == 0 && result.folder.files.count(name) != 0) {
        breach(std::string(name) + " was left by a run that ended early");
      }
    }
  }
}

}  // namespace

void run_one(Program program, ProgramRun run, const std::uint8_t* data, std::size_t size) {
  static const DataFiles kData = data_files_in(ORV_DATA_DIR);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return;
  const Session session = session_from(program, input, kData);
  check(program, static_cast<unsigned char>(input.front()), session, run_in_memory(run, session));
}

}  // namespace orv::fuzz
