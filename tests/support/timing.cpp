#include "tests/support/timing.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace orv::test {

double median_checker_seconds(const Workspace& work, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    std::remove((work.folder() / "report.txt").c_str());
    const auto start = std::chrono::steady_clock::now();
    work.run("corvelin", "deck.obs\nreport.txt\n");
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace orv::test
