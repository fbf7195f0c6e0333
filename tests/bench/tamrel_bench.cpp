// Times the vector checker's two B-file passes on a deck with every table
// at its limit and many observations, beside cat reading the deck twice (the
// least two passes over the file can cost), and prints the medians.  Then
// the same for a full G-file: 2000 vectors in 40 groups of 50, each group
// with its complete set of 11,175 correlations, and the B-file of their
// stations and occupations, beside cat reading the B-file twice and the
// G-file once.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"

namespace {

using orv::format;
using orv::test::card;

constexpr int kStations = 1000;
constexpr int kObservationSets = 3000;  // ten observations each

std::string line(std::initializer_list<orv::test::At> fields) { return card(fields) + "\n"; }
std::string station(int n) { return format("%04d", 1 + (n - 1) % kStations); }
std::string mark(int n) { return format("%04d", 5001 + (n - 1) % kStations); }

std::string observations() {
  std::string text;
  for (int s = 1; s <= kObservationSets; ++s) {
    const std::string sp = station(s);
    const std::string date = format("2309%02d", 1 + s % 28);
    const std::string time = format("%02d%02dS", s % 24, s % 60);
    text += line({{7, "*20*"}, {11, sp + "01"}, {23, "04"}, {33, "001"}, {40, date + time + station(s + 1)},
                  {60, "04"}, {64, "000000000"}, {77, "0010"}});
    for (int k = 2; k <= 4; ++k) {
      text += line({{7, "*22*"}, {11, sp + "01"}, {51, station(s + k)}, {60, "04"}, {64, format("%09d", k * 45000000)}});
    }
    text += line({{7, "*30*"}, {11, sp + "01"}, {23, "01"}, {33, "001"}, {40, date + time + mark(s)}, {60, "02"},
                  {64, "29401030" + station(s + 5)}});
    text += line({{7, "*40*"}, {11, sp + "01"}, {23, "01"}, {33, "001"}, {40, date + time + station(s + 1)},
                  {60, "04"}, {64, "09002135Z"}, {77, "0020"}});
    text += line({{7, "*45*"}, {11, sp}, {33, "002"}, {40, date + time + station(s + 2)}, {60, "01"},
                  {64, "-00247000"}, {73, "0015"}});
    text += line({{7, "*50*"}, {11, sp}, {23, "0010152"}, {35, date + time + station(s + 1)}, {50, "0160"},
                  {60, "03"}, {64, "008685168S"}});
    text += line({{7, "*54*"}, {11, sp}, {23, "001"}, {35, date + time + station(s + 7)}, {59, "03"},
                  {64, "0066544873G"}, {78, "050"}});
    text += line({{7, "*60*"}, {11, sp}, {20, "A"}, {33, "001"}, {40, date + time + mark(s)}, {60, "04"},
                  {64, "35814225N"}, {77, "0050"}});
  }
  return text;
}

std::string full_tables() {
  std::string text;
  for (int i = 1; i <= 2000; ++i) {
    const std::string ssn = station(i);
    text += line({{7, "*25*"}, {11, ssn + ssn + format("%03dA%02d", i % 365, i % 100)}, {28, "003  001"}});
    text += line({{7, "*27*"}, {11, ssn + "230918150001532"}});
  }
  text += line({{7, "*70*0015120100HSTOTAL STATION 1 SEC, COAXIAL EDM 2MM+2PPM"}, {71, "TS40917"}});
  text += line({{7, "*70*0023000100MMDIGITAL LEVEL WITH INVAR STAVES"}, {71, "LV20144"}});
  for (int i = 3; i <= 100; ++i) {
    text += line({{7, format("*70*%03d9100500MMGNSS RECEIVER, DUAL FREQUENCY, GEODETIC", i)}, {71, format("RX%07d", i)}});
  }
  for (int i = 1; i <= 100; ++i) {
    text += line({{7, format("*71*%03dGSO-CR2 DOME    AN%04d      GSOCR2.PAT  GSOCAL", i, i)}});
  }
  for (int i = 1; i <= kStations; ++i) {
    text += line({{7, "*80*"}, {11, station(i) + format("STATION %04d", i)},
                  {45, "34271384512N107504123786W198742GNM2A"}});
  }
  for (int i = 1; i <= kStations; ++i) text += line({{7, "*82*"}, {11, mark(i) + "AZIMUTH MARK"}, {51, station(i)}});
  text += line({{7, "*84*"}, {11, "0001"}, {70, "-28.410.050"}});
  text += line({{7, "*85*"}, {11, "0001"}, {63, "  3.4N0.5  2.1W0.5"}});
  text += line({{7, "*86*"}, {11, "0001"}, {17, "1987.42G21N88GSOVRT-28.410G  1959.01A21A"}});
  return text;
}

// --- a full G-file ---------------------------------------------------------------

constexpr int kGroups = 40;
constexpr int kVectorsInGroup = 50;
constexpr int kStationsInGroup = 11;  // 55 pairs, 50 of them vectors
constexpr int kGnssStations = 200;

std::string g_line(std::initializer_list<orv::test::At> fields) { return card(fields, 89) + "\n"; }
int occupied(int group, int k) { return 1001 + (group * 5 + k) % kGnssStations; }
std::string media_id(int group, int k) { return format("%04d%03dABC", occupied(group, k), group); }

std::string gnss_bfile() {
  std::string text = line({{7, "*BN*"}, {19, "GSOSAT"}}) + line({{7, "*12*"}, {11, "202405202405"}});
  for (int g = 0; g < kGroups; ++g) {
    for (int k = 0; k < kStationsInGroup; ++k) {
      const std::string ssn = format("%04d", occupied(g, k));
      text += line({{7, "*25*"}, {11, ssn}, {15, media_id(g, k)}, {28, format("%03d", k + 1)}, {33, format("%03d", k + 1)}});
      text += line({{7, "*27*"}, {11, ssn}, {15, "2405141400"}, {25, "01532"}});
    }
  }
  for (int i = 1; i <= kStationsInGroup; ++i) {
    text += line({{7, "*70*"}, {11, format("%03d", i)}, {14, "910"}, {23, "GNSS RECEIVER"}, {71, format("RX%07d", i)}});
    text += line({{7, "*71*"}, {11, format("%03d", i)}, {14, "GSO-CR2 DOME"}, {30, format("AN%04d", i)},
                  {42, "GSOCR2.PAT"}, {54, "GSOCAL"}});
  }
  for (int s = 1001; s < 1001 + kGnssStations; ++s) {
    text += line({{7, "*80*"}, {11, format("%04d", s)}, {15, format("STATION %04d", s)}, {45, "35120417233N"},
                  {57, "106431188452W"}, {77, "NM2A"}});
  }
  return text + line({{7, "*BN*"}});
}

std::string gfile() {
  std::string text;
  for (int g = 0; g < kGroups; ++g) {
    text += g_line({{1, "B202405141400202405142000"}, {26, "50"}, {28, "GSOBASE 4.2"}, {43, "IGS    1014 1 3"},
                    {61, "GSOSAT"}, {75, "IFDDFX"}, {87, "BN1"}});
    int vectors = 0;
    for (int a = 0; a < kStationsInGroup && vectors < kVectorsInGroup; ++a) {
      for (int b = a + 1; b < kStationsInGroup && vectors < kVectorsInGroup; ++b, ++vectors) {
        text += g_line({{1, "C"}, {2, format("%04d", occupied(g, a))}, {6, format("%04d", occupied(g, b))},
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
          d.resize(1);  // the letter stays
        }
      }
    }
    if (d.size() > 1) text += g_line({{1, d}, {87, "BN1"}});
  }
  return text;
}

void gfile_figures(int runs) {
  orv::test::Workspace work;
  work.write("survey.obs", gnss_bfile());
  work.write("survey.gps", gfile());
  const auto reports = [&] {
    std::remove((work.folder() / "s.rpt").c_str());
    std::remove((work.folder() / "l.rpt").c_str());
  };
  const auto tamrel = [&] { work.run("tamrel", "survey.obs\ny\ny\nsurvey.gps\ns.rpt\nl.rpt\n"); };
  const std::string cat =
      "cd '" + work.folder().string() + "' && cat survey.obs survey.obs survey.gps >/dev/null";
  const auto reading = [&] {
    if (std::system(cat.c_str()) != 0) std::fprintf(stderr, "cat failed\n");
  };
  const double wall = orv::test::median_seconds(runs, tamrel, reports);
  const double cpu = orv::test::median_child_cpu_seconds(runs, tamrel, reports);
  const double cat_wall = orv::test::median_seconds(runs, reading);
  const double cat_cpu = orv::test::median_child_cpu_seconds(runs, reading);
  const std::string listing = work.read("l.rpt");
  std::size_t listed = 0;
  for (auto at = listing.find("\n72I "); at != std::string::npos; at = listing.find("\n72I ", at + 1)) ++listed;

  std::printf("tamrel on a full G-file, median of %d runs (seconds; process start included)\n", runs);
  std::printf("  %d vectors in %d groups of %d, %zu correlations listed\n", kGroups * kVectorsInGroup, kGroups,
              kVectorsInGroup, listed);
  std::printf("                                          wall      cpu\n");
  std::printf("  tamrel, B-file and G-file        %8.4f %8.4f  (long report %zu bytes)\n", wall, cpu, listing.size());
  std::printf("  cat: B-file twice, G-file once   %8.4f %8.4f\n", cat_wall, cat_cpu);
  std::printf("  ratio                            %7.1fx %7.1fx\n", wall / cat_wall, cpu / cat_cpu);
}

}  // namespace

int main() {
  constexpr int kRuns = 7;
  orv::test::Workspace work;
  const std::string deck = line({{1, "000001*TV*HZTLOBS GSOFP2TARRASCO VALLEY"}}) +
                           line({{7, "*12*202309202310TARRASCO VALLEY"}}) + observations() + full_tables() +
                           line({{7, "*TV*"}});
  work.write("deck.obs", deck);
  const auto reports = [&] {
    std::remove((work.folder() / "s.rpt").c_str());
    std::remove((work.folder() / "l.rpt").c_str());
  };
  const double tamrel = orv::test::median_seconds(
      kRuns, [&] { work.run("tamrel", "deck.obs\ny\nn\n\ns.rpt\nl.rpt\n"); }, reports);
  const std::string cat = "cd '" + work.folder().string() + "' && cat deck.obs deck.obs >/dev/null";
  const double twice = orv::test::median_seconds(kRuns, [&] {
    if (std::system(cat.c_str()) != 0) std::fprintf(stderr, "cat failed\n");
  });
  const std::size_t report_size = work.read("l.rpt").size();

  std::printf("tamrel, median of %d runs (seconds; process start included)\n", kRuns);
  std::printf("  deck of %zu records: 2000 *25*, 100 *70*, 100 *71*, 1000 *80*, 1000 *82*, %d observations\n",
              deck.size() / 81, kObservationSets * 10);
  std::printf("  tamrel, both B-file passes       %8.4f  (report %zu bytes)\n", tamrel, report_size);
  std::printf("  cat reading the deck twice      %8.4f\n", twice);
  std::printf("  ratio                            %8.1fx\n", tamrel / twice);
  gfile_figures(kRuns);
  return 0;
}
