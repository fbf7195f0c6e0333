// The vector checker with every table at its limit, beside cat reading its
// inputs as often as it reads them (the B-file twice, the G-file once).
//
// First a B-file alone: 2000 *25*, 100 *70*, 100 *71*, 1000 *80*, 1000 *82*
// and 30,000 observations.  Then a B-file and its G-file: 2000 vectors in
// 40 groups of 50, each group with its complete set of 11,175 correlations
// and 50 media ids, every one of the 2000 *25* occupations used, and 99
// orbit sources.

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/timing.hpp"
#include "vectors/gfile_records.hpp"

namespace {

using orv::format;
using orv::test::card;
using tamrel::kCapacities;

const int kStations = static_cast<int>(kCapacities.stations);
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
  for (std::size_t i = 1; i <= kCapacities.occupations; ++i) {
    const std::string ssn = station(static_cast<int>(i));
    text += line({{7, "*25*"}, {11, ssn + ssn + format("%03zuA%02zu", i % 365, i % 100)}, {28, "003  001"}});
    text += line({{7, "*27*"}, {11, ssn + "230918150001532"}});
  }
  text += line({{7, "*70*0015120100HSTOTAL STATION 1 SEC, COAXIAL EDM 2MM+2PPM"}, {71, "TS40917"}});
  text += line({{7, "*70*0023000100MMDIGITAL LEVEL WITH INVAR STAVES"}, {71, "LV20144"}});
  for (std::size_t i = 3; i <= kCapacities.instruments; ++i) {
    text += line({{7, format("*70*%03zu9100500MMGNSS RECEIVER, DUAL FREQUENCY, GEODETIC", i)}, {71, format("RX%07zu", i)}});
  }
  for (std::size_t i = 1; i <= kCapacities.antennas; ++i) {
    text += line({{7, format("*71*%03zuGSO-CR2 DOME    AN%04zu      GSOCR2.PAT  GSOCAL", i, i)}});
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

std::string observation_deck() {
  return line({{1, "000001*TV*HZTLOBS GSOFP2TARRASCO VALLEY"}}) + line({{7, "*12*202309202310TARRASCO VALLEY"}}) +
         observations() + full_tables() + line({{7, "*TV*"}});
}

// --- a full G-file and its B-file --------------------------------------------------

const int kVectors = kCapacities.vectors_in_group;
const int kGroups = kCapacities.vectors_in_file / kVectors;
const int kOccupiedInGroup = kCapacities.media_ids_in_group;  // kGroups of them fill the *25* table

std::string g_line(std::initializer_list<orv::test::At> fields) { return card(fields, 89) + "\n"; }
// The j-th station occupied in group g: each station twice in the file.
std::string occupied(int g, int j) { return station(1 + g * kOccupiedInGroup + j); }
std::string media_id(int g, int j) { return occupied(g, j) + format("%03dABC", g); }

std::string gnss_bfile() {
  std::string text = line({{7, "*BN*"}, {19, "GSOSAT"}}) + line({{7, "*12*"}, {11, "202405202405"}});
  for (int g = 0; g < kGroups; ++g) {
    for (int j = 0; j < kOccupiedInGroup; ++j) {
      const std::string number = format("%03zu", 1 + (g * kOccupiedInGroup + j) % kCapacities.instruments);
      text += line({{7, "*25*"}, {11, occupied(g, j)}, {15, media_id(g, j)}, {28, number}, {33, number}});
      text += line({{7, "*27*"}, {11, occupied(g, j)}, {15, "2405141400"}, {25, "01532"}});
    }
  }
  for (std::size_t i = 1; i <= kCapacities.instruments; ++i) {
    text += line({{7, "*70*"}, {11, format("%03zu", i)}, {14, "910"}, {23, "GNSS RECEIVER"}, {71, format("RX%07zu", i)}});
  }
  for (std::size_t i = 1; i <= kCapacities.antennas; ++i) {
    text += line({{7, "*71*"}, {11, format("%03zu", i)}, {14, "GSO-CR2 DOME"}, {30, format("AN%04zu", i)},
                  {42, "GSOCR2.PAT"}, {54, "GSOCAL"}});
  }
  for (int s = 1; s <= kStations; ++s) {
    text += line({{7, "*80*"}, {11, station(s)}, {15, format("STATION %04d", s)}, {45, "35120417233N"},
                  {57, "106431188452W"}, {77, "NM2A"}});
  }
  for (int s = 1; s <= kStations; ++s) text += line({{7, "*82*"}, {11, mark(s) + "AZIMUTH MARK"}, {51, station(s)}});
  return text + line({{7, "*BN*"}});
}

// The first twelve orbit sources are the known ones, the others are new
// names (each a finding of its B record).
constexpr std::string_view kKnownOrbitSources[] = {"NSWC ", "BROAD", "KVR  ", "DMA  ", "SIO  ", "AEROS",
                                                   "PCISE", "UNK  ", "JPL  ", "EMR  ", "COD  ", "IGS  "};

std::string orbit_source(int g) {
  return g < static_cast<int>(std::size(kKnownOrbitSources)) ? std::string(kKnownOrbitSources[static_cast<std::size_t>(g)])
                                                              : format("X%04d", g);
}

std::string b_record(int g, int vectors) {
  return g_line({{1, "B202405141400202405142000"}, {26, format("%2d", vectors)}, {28, "GSOBASE 4.2"},
                 {43, orbit_source(g)}, {48, "  1014 1 3"}, {61, "GSOSAT"}, {75, "IFDDFX"}, {87, "BN1"}});
}

// A chain through the group's first 49 stations, two vectors back over it,
// and the last one reaching the 50th: its media id is the group's 50th, met
// at the group's last vector end, as the list of a group allows.
std::pair<int, int> vector_ends(int k) {
  if (k < kVectors - 2) return {k, k + 1};
  if (k == kVectors - 2) return {0, 2};
  return {1, kOccupiedInGroup - 1};
}

std::string gfile() {
  std::string text;
  for (int g = 0; g < kGroups; ++g) {
    text += b_record(g, kVectors);
    for (int k = 0; k < kVectors; ++k) {
      const auto [a, b] = vector_ends(k);
      text += g_line({{1, "C"}, {2, occupied(g, a)}, {6, occupied(g, b)},
                      {10, format(" %5d.345600012  3120.987100015 %5d.003200021 ", k - 4512, 2045 - g)},
                      {59, media_id(g, a)}, {69, media_id(g, b)}, {87, "BN1"}});
    }
    const int components = 3 * kVectors;
    std::string d = "D";
    for (int r = 1; r <= components; ++r) {
      for (int c = r + 1; c <= components; ++c) {
        d += format("%3d%3d%9d", r, c, (r * 7919 + c * 104729 + g) % 19999999 - 9999999);
        if (d.size() == 76) {
          text += g_line({{1, d}, {87, "BN1"}});
          d.resize(1);  // the letter stays
        }
      }
    }
    if (d.size() > 1) text += g_line({{1, d}, {87, "BN1"}});
  }
  // The remaining orbit sources in groups of no vectors.
  for (int g = kGroups; g < kCapacities.orbit_sources; ++g) text += b_record(g, 0);
  return text;
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string ended_normally(int status, const orv::test::Workspace& work) {
  if (status != 0) return format("status %d", status);
  if (work.read("l.rpt").find("EXECUTION TERMINATED") != std::string::npos) return "the run was terminated";
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  orv::test::Workspace observations;
  observations.write("deck.obs", observation_deck());
  const orv::test::BenchCase bfile_alone{
      "tamrel",
      "B-file: 2000 *25*, 100 *70*, 100 *71*, 1000 *80*/*82*, 30000 obs",
      "deck.obs\ny\nn\n\ns.rpt\nl.rpt\n",
      {"deck.obs", "deck.obs", "contrib.dat", "contrib.dat"},  // two agency codes looked up
      {"s.rpt", "l.rpt"},
      ended_normally};

  orv::test::Workspace full;
  full.write("survey.obs", gnss_bfile());
  full.write("survey.gps", gfile());
  const long listed = static_cast<long>(kGroups) * kCapacities.correlations;
  const orv::test::BenchCase with_gfile{
      "tamrel",
      "and G-file: 2000 vectors, 40 full groups, 99 orbit sources",
      "survey.obs\ny\ny\nsurvey.gps\ns.rpt\nl.rpt\n",
      {"survey.obs", "survey.obs", "contrib.dat", "survey.gps"},
      {"s.rpt", "l.rpt"},
      [&](int status, const orv::test::Workspace& work) -> std::string {
        if (const std::string problem = ended_normally(status, work); !problem.empty()) return problem;
        const std::string listing = work.read("l.rpt");
        if (static_cast<long>(count(listing, "\n72I ")) != listed) return "correlations not all listed";
        if (listing.find(" ** ALL *25* RECORDS USED") == std::string::npos) return "*25* records not all used";
        return "";
      }};
  return orv::test::run_benches(argc, argv, {{&observations, bfile_alone}, {&full, with_gfile}});
}
