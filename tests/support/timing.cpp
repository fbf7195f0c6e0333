#include "tests/support/timing.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace orv::test {

namespace {

double cpu_seconds_of_children() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Times {
  double wall;
  double cpu;
};

template <class Once>
Times timed(Once once) {
  const double cpu_before = cpu_seconds_of_children();
  const auto start = std::chrono::steady_clock::now();
  once();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {wall, cpu_seconds_of_children() - cpu_before};
}

// cat started as the program is, straight from here: no shell between.
bool cat(const Workspace& work, const std::vector<std::string>& files) {
  std::vector<char*> argv{const_cast<char*>("cat")};
  for (const std::string& f : files) argv.push_back(const_cast<char*>(f.c_str()));
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0 || ::dup2(null, 1) < 0 || ::chdir(work.folder().c_str()) != 0) ::_exit(126);
    ::execvp("cat", argv.data());
    ::_exit(127);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A process that writes `bytes` zeros to a file of the folder a block at a
// time, as a program writes its report.
bool write_bytes(const Workspace& work, long long bytes) {
  const std::string name = (work.folder() / ".bench-written").string();
  const pid_t child = ::fork();
  if (child == 0) {
    static char block[64 * 1024];
    const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) ::_exit(1);
    for (long long left = bytes; left > 0;) {
      const auto size = static_cast<std::size_t>(std::min<long long>(left, sizeof block));
      if (::write(file, block, size) != static_cast<ssize_t>(size)) ::_exit(1);
      left -= static_cast<long long>(size);
    }
    ::_exit(::close(file) == 0 ? 0 : 1);
  }
  int status = 0;
  const bool written = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  std::remove(name.c_str());
  return written;
}

long long size_of_outputs(const Workspace& work, const BenchCase& bench) {
  long long bytes = 0;
  std::error_code ignored;
  for (const std::string& name : bench.outputs) {
    const auto size = std::filesystem::file_size(work.folder() / name, ignored);
    if (!ignored) bytes += static_cast<long long>(size);
  }
  return bytes;
}

constexpr long long kWritesWorthAFloor = 1024 * 1024;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// "deck.obs x4, deck.dsc x2": each file once, in the order first read.
std::string reads_text(const std::vector<std::string>& reads) {
  std::vector<std::pair<std::string, int>> counts;
  for (const std::string& name : reads) {
    auto at = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == name; });
    if (at == counts.end()) {
      counts.emplace_back(name, 1);
    } else {
      ++at->second;
    }
  }
  std::string text;
  for (const auto& [name, count] : counts) {
    if (!text.empty()) text += ", ";
    text += name;
    if (count > 1) text += " x" + std::to_string(count);
  }
  return text;
}

}  // namespace

BenchOptions bench_options(int argc, char** argv, int fallback_runs) {
  BenchOptions options;
  options.runs = fallback_runs;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-header") == 0) options.header = false;
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) options.runs = std::max(1, std::atoi(argv[++i]));
    if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc) options.keep = argv[++i];
  }
  return options;
}

BenchFigures measure(const Workspace& work, const BenchCase& bench, int runs) {
  auto remove_outputs = [&] {
    for (const std::string& name : bench.outputs) std::remove((work.folder() / name).c_str());
  };
  remove_outputs();
  const int status = work.run(bench.program, bench.answers);
  if (const std::string problem = bench.check ? bench.check(status, work) : std::string(); !problem.empty()) {
    std::printf("%s on %s: %s\n", bench.program.c_str(), bench.inputs.c_str(), problem.c_str());
    std::exit(1);
  }
  const long long written = size_of_outputs(work, bench);
  std::vector<double> program_wall, program_cpu, cat_wall, cat_cpu, io_wall, io_cpu;
  for (int i = 0; i < runs; ++i) {
    remove_outputs();
    const Times program = timed([&] { work.run(bench.program, bench.answers); });
    const Times reading = timed([&] {
      if (!cat(work, bench.reads)) {
        std::printf("cat could not read the inputs of %s\n", bench.program.c_str());
        std::exit(1);
      }
    });
    program_wall.push_back(program.wall);
    program_cpu.push_back(program.cpu);
    cat_wall.push_back(reading.wall);
    cat_cpu.push_back(reading.cpu);
    if (written >= kWritesWorthAFloor) {
      const Times writing = timed([&] {
        if (!write_bytes(work, written)) {
          std::printf("could not write %lld bytes beside the inputs of %s\n", written, bench.program.c_str());
          std::exit(1);
        }
      });
      io_wall.push_back(reading.wall + writing.wall);
      io_cpu.push_back(reading.cpu + writing.cpu);
    }
  }
  remove_outputs();
  BenchFigures figures{median(program_wall), median(cat_wall), median(program_cpu), median(cat_cpu)};
  figures.written_bytes = written;
  if (!io_wall.empty()) {
    figures.io_wall = median(io_wall);
    figures.io_cpu = median(io_cpu);
  }
  return figures;
}

void print_bench_header(int runs) {
  std::printf("Medians of %d runs, in seconds, process start included; cat reads the same files as often.\n", runs);
  std::printf("%-9s %-64s %-34s %9s %9s %6s %9s %9s %6s\n", "program", "inputs at their limits", "reads",
              "wall", "cat wall", "ratio", "cpu", "cat cpu", "ratio");
}

void print_bench_row(const BenchCase& bench, const BenchFigures& f) {
  std::printf("%-9s %-64s %-34s %9.4f %9.4f %5.1fx %9.4f %9.4f %5.1fx\n", bench.program.c_str(), bench.inputs.c_str(),
              reads_text(bench.reads).c_str(), f.program_wall, f.cat_wall, f.program_wall / f.cat_wall,
              f.program_cpu, f.cat_cpu, f.program_cpu / f.cat_cpu);
  if (f.io_cpu > 0.0) {
    const std::string writes = "  and writes " + std::to_string(f.written_bytes / 1000000) + " MB: cat and a writer of as many bytes";
    std::printf("%-9s %-99s %9.4f %9.4f %5.1fx %9.4f %9.4f %5.1fx\n", "", writes.c_str(), f.program_wall, f.io_wall,
                f.program_wall / f.io_wall, f.program_cpu, f.io_cpu, f.program_cpu / f.io_cpu);
  }
  std::fflush(stdout);
}

int run_benches(int argc, char** argv, const std::vector<std::pair<const Workspace*, BenchCase>>& cases) {
  const BenchOptions options = bench_options(argc, argv);
  if (options.header) print_bench_header(options.runs);
  int row = 0;
  for (const auto& [work, bench] : cases) {
    print_bench_row(bench, measure(*work, bench, options.runs));
    if (options.keep.empty()) continue;
    work->run(bench.program, bench.answers);
    const auto copy = std::filesystem::path(options.keep) / (bench.program + "-" + std::to_string(++row));
    std::filesystem::create_directories(copy);
    std::filesystem::copy(work->folder(), copy, std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::ofstream(copy / "answers", std::ios::binary) << bench.answers;
    for (const std::string& name : bench.outputs) std::remove((work->folder() / name).c_str());
  }
  return 0;
}

}  // namespace orv::test
