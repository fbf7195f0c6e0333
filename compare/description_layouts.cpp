#include "compare/description_layouts.hpp"

#include "common/card.hpp"
#include "common/report_lines.hpp"
#include "common/serial_number.hpp"

namespace halvic {

const DescriptionLayout& columns_of(Layout layout) {
  switch (layout) {
    case Layout::unified: return kUnified;
    case Layout::dfile: return kDfile;
    case Layout::old: break;
  }
  return kOld;
}

std::string_view record_type(const Record& rec) { return orv::cols(rec, 8, 9); }

Key station_key(Layout layout, const Record& rec) {
  const Columns ssn = columns_of(layout).ssn;
  const std::string_view field = orv::cols(rec, ssn.first, ssn.last);
  return field.size() == 3 ? orv::ssn_key_3(field) : orv::ssn_key(field);
}

bool name_differs(std::string_view field, std::string_view name) {
  if (field.size() < name.size() || field.substr(0, name.size()) != name) return true;
  return !orv::is_blank(field.substr(name.size()));
}

bool has_special_code(Layout layout, const Record& rec) {
  if (layout == Layout::dfile) return orv::col(rec, 203) == 'Y';
  return layout == Layout::unified && orv::cols(rec, 69, 72).find('P') != std::string_view::npos;
}

namespace {
std::string column_text(Columns field) { return orv::format("CC %d-%d", field.first, field.last); }
}  // namespace

std::string ssn_unmatched_text(Layout layout, std::string_view table) {
  return orv::joined({" ", column_text(columns_of(layout).ssn), " SSN UNMATCHED WITH *", table, "* SSNS"});
}
std::string ssn_matched_82_text(Layout layout) {
  return orv::joined({" ", column_text(columns_of(layout).ssn), " SSN MATCHED WITH *82* SSNS"});
}
std::string name_unmatched_text(Layout layout) {
  return orv::joined({" ", column_text(columns_of(layout).name), " STATION NAME UNMATCHED"});
}
std::string state_unmatched_text(Layout layout) {
  return orv::joined({" ", column_text(columns_of(layout).state), " STATE CODE UNMATCHED"});
}

std::string marker_line(std::initializer_list<Marker> markers) {
  std::string line;
  for (const Marker& m : markers) {
    const auto start = static_cast<std::size_t>(m.column - 1);
    if (line.size() < start + m.text.size()) line.resize(start + m.text.size(), ' ');
    line.replace(start, m.text.size(), m.text);
  }
  return line;
}

}  // namespace halvic
