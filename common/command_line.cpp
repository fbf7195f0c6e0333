#include "common/command_line.hpp"

#include <string>

#include "common/console.hpp"
#include "common/report_lines.hpp"

#ifndef ORV_SUITE_VERSION
#error "ORV_SUITE_VERSION is set by the build from the project's version"
#endif

namespace orv {

namespace {

// True when the text reached the stream and the stream took it.
bool written(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

// The answer to --help or --version, or a line on `err` saying it was lost
// (a full disk, a closed pipe), so that a lost answer never passes as given.
int answered(std::FILE* out, std::FILE* err, std::string_view program, std::string_view text) {
  if (written(out, text)) return kNormalEnd;
  written(err, joined({program, ": the answer could not be written\n"}));
  return kEarlyEnd;
}

}  // namespace

std::string_view suite_version() { return ORV_SUITE_VERSION; }

std::optional<int> handle_arguments(int argc, const char* const argv[], const ProgramUsage& usage,
                                    std::FILE* out, std::FILE* err) {
  if (argc <= 1) return std::nullopt;
  const std::string_view argument = argv[1];
  if (argc == 2 && argument == "--help") {
    return answered(out, err, usage.program, usage.text);
  }
  if (argc == 2 && argument == "--version") {
    const std::string line =
        joined({usage.program, " (Orvantine survey data checking suite) ", suite_version(), "\n"});
    return answered(out, err, usage.program, line);
  }
  const std::string refusal =
      argc == 2 ? joined({usage.program, ": unknown argument '", argument, "'\n\n"})
                : joined({usage.program, ": too many arguments\n\n"});
  written(err, refusal);
  written(err, usage.text);
  return kUsageError;
}

}  // namespace orv
