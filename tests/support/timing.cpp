#include "tests/support/timing.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

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

double median_checker_seconds(const Workspace& work, int runs) {
  return median_seconds(
      runs, [&] { work.run("corvelin", "deck.obs\nreport.txt\n"); },
      [&] { std::remove((work.folder() / "report.txt").c_str()); });
}

}  // namespace orv::test
