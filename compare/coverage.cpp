// The closing lists: what the description file does not cover.

#include "compare/closing_lists.hpp"
#include "compare/comparer.hpp"

namespace halvic {

namespace {

constexpr const char* kNoStations = " NO 80 RECORDS FOUND IN THE OBSERVATION FILE";

const ClosingListTexts kStationTexts{
    {" THE FOLLOWING OBS 80 RECORDS DO NOT HAVE A DESCRIPTION OR RECOVERY NOTE"}, true, 1,
    {" ALL OF THE  OBS 80 RECORDS HAVE A DESCRIPTION OR RECOVERY NOTE"}};
const ClosingListTexts kAuxiliaryTexts{
    {" THE FOLLOWING OBS 82 RECORDS DO NOT HAVE A DESCRIPTION OR RECOVERY NOTE"}, false, 1,
    {" ALL OF THE  OBS 82 RECORDS HAVE A DESCRIPTION OR RECOVERY NOTE"}};
const ClosingListTexts kOccupationTexts{
    {" THE FOLLOWING OBS *80* RECORDS HAVE *25* RECORDS", " AND NO DESC SPECIAL APPLICATION CODE = P"}, true, 1,
    {" ALL OF THE  OBS *80* RECORDS THAT HAVE *25* RECORDS", " HAVE A DESC SPECIAL APPLICATION CODE = P"}};

LineSink report_of(Comparer& c) {
  return [&c](std::string_view text) { c.report.line(text); };
}

// The list, or the notice that the observation file has no station at all.
template <class Entry, class Listed>
void list_of(Comparer& c, const std::vector<Entry>& table, const char* empty_text, Listed listed,
             const ClosingListTexts& texts) {
  if (table.empty()) {
    c.report.empty();
    c.report.line(empty_text);
    c.report.empty();
    return;
  }
  closing_list(report_of(c), list_lines(table, listed), texts);
}

}  // namespace

std::string list_line(const Key& key, const std::string& name) {
  std::string line(" ");
  line.append(key.text()).append("     ").append(name);
  return line;
}

void closing_list(const LineSink& out, const std::vector<std::string>& lines, const ClosingListTexts& texts) {
  if (lines.empty()) {
    for (int i = 0; i < texts.blanks_before_none; ++i) out("");
    for (const std::string_view text : texts.none) out(text);
    out("");
    return;
  }
  out("");
  for (const std::string_view text : texts.heading) out(text);
  if (texts.blank_under_heading) out("");
  out(" SSN      STATION NAME");
  out("");
  for (const std::string& line : lines) out(line);
}

void coverage_lists(Comparer& c) {
  list_of(c, c.tables.stations, kNoStations, [](const Station& s) { return !s.described; }, kStationTexts);
  list_of(c, c.tables.auxiliaries, " NO 82 RECORDS FOUND IN THE OBSERVATION FILE",
          [](const AuxiliaryStation& a) { return !a.described; }, kAuxiliaryTexts);
}

void occupation_list(Comparer& c) {
  list_of(c, c.tables.stations, kNoStations, [](const Station& s) { return s.occupied_without_p; }, kOccupationTexts);
}

}  // namespace halvic
