// Times the vector checker on a full G-file: 2000 vectors in 40 groups of
// 50, each group with its complete set of 11,175 correlations, and the
// B-file of their stations and occupations.  Prints the median beside that
// of `cat` reading the same files as often as the program does (the B-file
// twice, the G-file once).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <string>
#include <vector>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace {

using orv::format;
using orv::test::card;

constexpr int kGroups = 40;
constexpr int kVectorsInGroup = 50;
constexpr int kStationsInGroup = 11;  // 55 pairs, 50 of them vectors
constexpr int kStations = 200;

std::string b_line(std::initializer_list<orv::test::At> fields) { return card(fields) + "\n"; }
std::string g_line(std::initializer_list<orv::test::At> fields) { return card(fields, 89) + "\n"; }

int station(int group, int k) { return 1001 + (group * 5 + k) % kStations; }
std::string ssn(int n) { return format("%04d", n); }
std::string media_id(int group, int k) { return format("%04d%03dABC", station(group, k), group); }

std::string bfile() {
  std::string text = b_line({{7, "*BN*"}, {19, "GSOSAT"}}) + b_line({{7, "*12*"}, {11, "202405202405"}});
  for (int g = 0; g < kGroups; ++g) {
    for (int k = 0; k < kStationsInGroup; ++k) {
      text += b_line({{7, "*25*"}, {11, ssn(station(g, k))}, {15, media_id(g, k)}, {28, format("%03d", k + 1)},
                      {33, format("%03d", k + 1)}});
      text += b_line({{7, "*27*"}, {11, ssn(station(g, k))}, {15, "2405141400"}, {25, "01532"}});
    }
  }
  for (int i = 1; i <= kStationsInGroup; ++i) {
    text += b_line({{7, "*70*"}, {11, format("%03d", i)}, {14, "910"}, {23, "GNSS RECEIVER"}, {71, format("RX%07d", i)}});
    text += b_line({{7, "*71*"}, {11, format("%03d", i)}, {14, "GSO-CR2 DOME"}, {30, format("AN%04d", i)},
                    {42, "GSOCR2.PAT"}, {54, "GSOCAL"}});
  }
  for (int s = 0; s < kStations; ++s) {
    text += b_line({{7, "*80*"}, {11, ssn(1001 + s)}, {15, format("STATION %04d", 1001 + s)}, {45, "35120417233N"},
                    {57, "106431188452W"}, {77, "NM2A"}});
  }
  return text + b_line({{7, "*BN*"}});
}

std::string gfile() {
  std::string text;
  for (int g = 0; g < kGroups; ++g) {
    text += g_line({{1, "B202405141400202405142000"}, {26, "50"}, {28, "GSOBASE 4.2"}, {43, "IGS    1014 1 3"},
                    {61, "GSOSAT"}, {75, "IFDDFX"}, {87, "BN1"}});
    int vectors = 0;
    for (int a = 0; a < kStationsInGroup && vectors < kVectorsInGroup; ++a) {
      for (int b = a + 1; b < kStationsInGroup && vectors < kVectorsInGroup; ++b, ++vectors) {
        text += g_line({{1, "C"}, {2, ssn(station(g, a))}, {6, ssn(station(g, b))},
                        {10, " -4512.345600012  3120.987100015 -2045.003200021 "}, {59, media_id(g, a)},
                        {69, media_id(g, b)}, {87, "BN1"}});
      }
    }
    std::string d = "D";
    for (int r = 1; r <= 3 * kVectorsInGroup; ++r) {
      for (int c = r + 1; c <= 3 * kVectorsInGroup; ++c) {
        d += format("%3d%3d%9d", r, c, (r * 7919 + c * 104729) % 19999999 - 9999999);
        if (d.size() == 76) {
          text += g_line({{1, d}, {87, "BN1"}});
          d = "D";
        }
      }
    }
    if (d.size() > 1) text += g_line({{1, d}, {87, "BN1"}});
  }
  return text;
}

double children_cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Median wall time and median processor time (of the shell and the program
// it starts: steadier than wall time on a busy machine).
struct Times {
  double wall;
  double cpu;
};

template <class Run>
Times median_times(int runs, Run run) {
  std::vector<double> wall;
  std::vector<double> cpu;
  for (int i = 0; i < runs; ++i) {
    const double cpu_before = children_cpu_seconds();
    const auto start = std::chrono::steady_clock::now();
    run();
    wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    cpu.push_back(children_cpu_seconds() - cpu_before);
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  orv::test::Workspace work;
  work.write("survey.obs", bfile());
  work.write("survey.gps", gfile());
  const auto& folder = work.folder();

  int status = 0;
  const Times tamrel = median_times(kRuns, [&] {
    std::remove((folder / "short.txt").c_str());
    std::remove((folder / "long.txt").c_str());
    status = work.run("tamrel", "survey.obs\ny\ny\nsurvey.gps\nshort.txt\nlong.txt\n");
  });
  const std::string long_report = work.read("long.txt");
  int listed = 0;
  for (auto at = long_report.find("\n72I "); at != std::string::npos; at = long_report.find("\n72I ", at + 1)) ++listed;

  const std::string cat = "cd '" + folder.string() + "' && cat survey.obs survey.obs survey.gps >/dev/null";
  const Times reading = median_times(kRuns, [&] { (void)std::system(cat.c_str()); });

  std::printf("tamrel on a full G-file, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  %d vectors in %d groups, %d correlations listed (status %d)\n", kGroups * kVectorsInGroup, kGroups,
              listed, status);
  std::printf("                                           wall      cpu\n");
  std::printf("  tamrel                                 %8.4f %8.4f\n", tamrel.wall, tamrel.cpu);
  std::printf("  cat: B-file twice, G-file once         %8.4f %8.4f\n", reading.wall, reading.cpu);
  std::printf("  ratio                                  %7.1fx %7.1fx\n", tamrel.wall / reading.wall,
              tamrel.cpu / reading.cpu);
  return 0;
}
