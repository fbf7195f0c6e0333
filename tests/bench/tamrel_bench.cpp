// Times the vector checker's two B-file passes on a deck with every table
// at its limit and many observations, beside cat reading the deck twice (the
// least two passes over the file can cost), and prints the medians.

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
  return 0;
}
