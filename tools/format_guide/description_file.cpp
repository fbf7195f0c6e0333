// The description file in its three layouts: the columns halvic compares
// with the observation file, and its finding for each.

#include <ostream>

#include "common/card.hpp"
#include "common/record_code.hpp"
#include "common/report_lines.hpp"
#include "compare/description_layouts.hpp"
#include "tools/format_guide/guide.hpp"

namespace guide {

namespace {

using halvic::Layout;

std::string finding(std::string_view text) {
  return orv::joined({"`", trimmed(text.substr(text.find_first_not_of(' '))), "`"});
}

std::string where(std::string_view record) {
  return record.empty() ? std::string() : orv::joined({"record type ", quoted(record), " (cc 8-9), "});
}

std::vector<Row> rows_of(Layout layout) {
  const halvic::DescriptionLayout& c = halvic::columns_of(layout);
  const std::string station =
      layout == Layout::dfile
          ? orv::joined({"the station record (", quoted(std::string(1, halvic::kDfileStation)), " in cc 1), "})
          : where(halvic::kStationRecord);
  std::vector<Row> rows;
  if (layout != Layout::dfile) {
    rows.push_back({"8-9", "the first record's type: the job code of the observation file", finding(halvic::kJobCodeUnmatched)});
  }
  rows.push_back({columns(c.ssn.first, c.ssn.last),
                  station + "SSN: a station of the `*80*` records, else of the `*82*` records",
                  finding(halvic::ssn_unmatched_text(layout, "80")) + "<br>" +
                      finding(halvic::ssn_unmatched_text(layout, "82")) + "<br>" +
                      finding(halvic::ssn_matched_82_text(layout)) + " (an auxiliary station)"});
  rows.push_back({columns(c.name.first, c.name.last),
                  (layout == Layout::dfile ? station : where(c.name_record)) +
                      "name: the station's 30-character name, then blanks",
                  finding(halvic::name_unmatched_text(layout))});
  if (c.state.first <= c.state.last) {
    rows.push_back({columns(c.state.first, c.state.last),
                    where(c.state_record) + "state code: the state code of the station's `*80*` record",
                    finding(halvic::state_unmatched_text(layout))});
  }
  if (layout == Layout::old) {
    rows.push_back({columns(c.name.first, c.name.last) + ", " + columns(c.state.first, c.state.last),
                    "both of the above in one record", finding(halvic::kNameAndStateUnmatched)});
  }
  return rows;
}

struct Section {
  Layout layout;
  std::string_view title;
  std::string_view example_file;
};

constexpr Section kSections[] = {
    {Layout::unified, "Unified layout", "survey-unified.dsc"},
    {Layout::old, "Old layout", "ridge-old.dsc"},
    {Layout::dfile, "D-file layout", "survey-dfile.dsc"},
};

}  // namespace

void description_file(std::ostream& out, const Inputs& inputs) {
  out << "## Description file\n\n"
      << "Compared with the observation file by `halvic` and edited by `morandel`. Only the columns below are "
         "compared; each finding follows the echoed record.\n\n";
  for (const Section& s : kSections) {
    const halvic::DescriptionLayout& c = halvic::columns_of(s.layout);
    out << "### " << s.title << "\n\nEach record is " << c.width << " columns.\n\n";
    table(out, rows_of(s.layout), "Finding");
    const std::string example =
        example_record(inputs, s.example_file, c.width, [&](std::string_view card) {
          return s.layout == Layout::dfile ? orv::col(card, 1) == halvic::kDfileStation
                                           : orv::record_type(card) == halvic::kStationRecord;
        });
    if (example.empty()) fail(std::string(s.example_file) + " holds no station record");
    out << "Example station record:\n\n";
    example_block(out, example);
  }
}

}  // namespace guide
