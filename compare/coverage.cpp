// The closing lists: what the description file does not cover.

#include <algorithm>

#include "compare/comparer.hpp"

namespace halvic {

namespace {

constexpr const char* kNoStations = " NO 80 RECORDS FOUND IN THE OBSERVATION FILE";
constexpr const char* kListHeading = " SSN      STATION NAME";

template <class Entry>
void list_line(Comparer& c, const Entry& e) {
  c.report.line(orv::joined({" ", e.key.text(), "     ", e.name}));
}

void framed(Comparer& c, const char* text) {
  c.report.empty();
  c.report.line(text);
  c.report.empty();
}

void station_list(Comparer& c) {
  const auto& stations = c.tables.stations;
  if (stations.empty()) return framed(c, kNoStations);
  if (std::all_of(stations.begin(), stations.end(), [](const Station& s) { return s.described; })) {
    return framed(c, " ALL OF THE  OBS 80 RECORDS HAVE A DESCRIPTION OR RECOVERY NOTE");
  }
  framed(c, " THE FOLLOWING OBS 80 RECORDS DO NOT HAVE A DESCRIPTION OR RECOVERY NOTE");
  c.report.line(kListHeading);
  c.report.empty();
  for (const Station& s : stations) {
    if (!s.described) list_line(c, s);
  }
}

void auxiliary_list(Comparer& c) {
  const auto& auxiliaries = c.tables.auxiliaries;
  if (auxiliaries.empty()) return framed(c, " NO 82 RECORDS FOUND IN THE OBSERVATION FILE");
  if (std::all_of(auxiliaries.begin(), auxiliaries.end(), [](const AuxiliaryStation& a) { return a.described; })) {
    return framed(c, " ALL OF THE  OBS 82 RECORDS HAVE A DESCRIPTION OR RECOVERY NOTE");
  }
  c.report.empty();
  c.report.line(" THE FOLLOWING OBS 82 RECORDS DO NOT HAVE A DESCRIPTION OR RECOVERY NOTE");
  c.report.line(kListHeading);
  c.report.empty();
  for (const AuxiliaryStation& a : auxiliaries) {
    if (!a.described) list_line(c, a);
  }
}

}  // namespace

void coverage_lists(Comparer& c) {
  station_list(c);
  auxiliary_list(c);
}

void occupation_list(Comparer& c) {
  const auto& stations = c.tables.stations;
  if (stations.empty()) return framed(c, kNoStations);
  c.report.empty();
  if (std::none_of(stations.begin(), stations.end(), [](const Station& s) { return s.occupied_without_p; })) {
    c.report.line(" ALL OF THE  OBS *80* RECORDS THAT HAVE *25* RECORDS");
    c.report.line(" HAVE A DESC SPECIAL APPLICATION CODE = P");
    c.report.empty();
    return;
  }
  c.report.line(" THE FOLLOWING OBS *80* RECORDS HAVE *25* RECORDS");
  c.report.line(" AND NO DESC SPECIAL APPLICATION CODE = P");
  c.report.empty();
  c.report.line(kListHeading);
  c.report.empty();
  for (const Station& s : stations) {
    if (s.occupied_without_p) list_line(c, s);
  }
}

}  // namespace halvic
