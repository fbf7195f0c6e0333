#pragma once
// G-file cards placed by columns, and a run of the built program over a small
// B-file and a G-file, for the tests of the G-file side.

#include <string>

#include "common/report_lines.hpp"
#include "tests/support/cards.hpp"
#include "tests/support/workspace.hpp"

namespace tamrel::test {

using orv::format;

inline std::string g_card(std::initializer_list<orv::test::At> fields) { return orv::test::card(fields, 89) + "\n"; }
inline std::string b_card(std::initializer_list<orv::test::At> fields) { return orv::test::card(fields, 80) + "\n"; }

// Stations 2001 and 2002 with one occupation each, on instrument 1.
inline std::string small_bfile() {
  return b_card({{7, "*MC*"}, {19, "GSOSAT"}}) + b_card({{7, "*12*"}, {11, "202405202405"}}) +
         b_card({{7, "*25*"}, {11, "2001"}, {15, "135A01R001"}, {28, "001"}}) +
         b_card({{7, "*27*"}, {11, "2001"}, {15, "2405141400"}, {25, "01532"}}) +
         b_card({{7, "*25*"}, {11, "2002"}, {15, "135A02R002"}, {28, "001"}}) +
         b_card({{7, "*27*"}, {11, "2002"}, {15, "2405141400"}, {25, "01487"}}) +
         b_card({{7, "*70*"}, {11, "001"}, {14, "910"}, {71, "RX0081101"}}) +
         b_card({{7, "*80*"}, {11, "2001"}, {45, "35120417233"}, {57, "106431188452"}, {79, "2A"}}) +
         b_card({{7, "*80*"}, {11, "2002"}, {45, "35142831006"}, {57, "106422940710"}, {79, "2A"}});
}

// A sound B record announcing `vectors` vectors, group code MC1.
inline std::string b_record(int vectors = 2, std::string_view orbit = "IGS  ") {
  return g_card({{1, "B"},
                 {2, "202405141400202405142000"},
                 {26, format("%2d", vectors)},
                 {43, orbit},
                 {48, "  10"},
                 {52, "14 1 3"},
                 {61, "GSOSAT"},
                 {75, "IFDDFX"},
                 {87, "MC1"}});
}

// A sound C record from 2001 to 2002 with the given media ids.
inline std::string c_record(std::string_view origin_id = "135A01R001",
                            std::string_view differential_id = "135A02R002") {
  return g_card({{1, "C20012002 -4512.345600012  3120.987100015 -2045.003200021 "},
                 {59, origin_id},
                 {69, differential_id},
                 {87, "MC1"}});
}

struct Outcome {
  int status;
  std::string short_report;
  std::string long_report;
};

inline Outcome run_tamrel(const std::string& gfile, const std::string& bfile = small_bfile()) {
  orv::test::Workspace ws;
  ws.write("survey.obs", bfile);
  ws.write("survey.gps", gfile);
  const int status = ws.run("tamrel", "survey.obs\ny\ny\nsurvey.gps\nshort.txt\nlong.txt\n");
  return {status, ws.exists("short.txt") ? ws.read("short.txt") : "", ws.exists("long.txt") ? ws.read("long.txt") : ""};
}

// The report from its G-file section on.
inline std::string gfile_section(const std::string& report) {
  const auto at = report.find("  ** (2) ORVANTINE G-FILE DATA CHECK");
  return at == std::string::npos ? "" : report.substr(at);
}

inline int count_of(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace tamrel::test
