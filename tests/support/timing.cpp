#include "tests/support/timing.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace orv::test {

double median_seconds(int runs, const std::function<void()>& once, const std::function<void()>& prepare) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const auto start = std::chrono::steady_clock::now();
    once();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

namespace {
double child_cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
}  // namespace

double median_child_cpu_seconds(int runs, const std::function<void()>& once, const std::function<void()>& prepare) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const double before = child_cpu_seconds();
    once();
    times.push_back(child_cpu_seconds() - before);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double median_checker_seconds(const Workspace& work, int runs) {
  return median_seconds(
      runs, [&] { work.run("corvelin", "deck.obs\nreport.txt\n"); },
      [&] { std::remove((work.folder() / "report.txt").c_str()); });
}

}  // namespace orv::test
