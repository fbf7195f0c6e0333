#include "checker/checker.hpp"

#include <algorithm>

#include "checker/error_report.hpp"
#include "common/console.hpp"

namespace corvelin {

bool Checker::counted(int first, int last) const {
  for (int code = first; code <= last; ++code) {
    if (count(code) != 0) return true;
  }
  return false;
}

bool Checker::is_instrument_code(std::string_view code) const {
  return std::find(instrument_codes.begin(), instrument_codes.end(), code) != instrument_codes.end();
}

bool Checker::is_antenna_code(std::string_view code) const {
  return std::find(antenna_codes.begin(), antenna_codes.end(), code) != antenna_codes.end();
}

void raise(Checker& ck, int message, std::string_view record) {
  ++ck.error_count;
  ck.errors.add(message, ck.records_read, record);
}

void fatal_termination(Checker& ck) {
  write_summary(ck, StructureNotice::left_out);
  ck.report.empty();
  ck.report.line(" ***** Fatal termination ");
  ck.report.line(" ***** Refer to prior error messages");
  ck.report.empty();
  throw orv::RunEnd{orv::kEarlyEnd};
}

StationEntry enter_station(Checker& ck, std::string_view ssn, char type, std::string_view reference) {
  if (const int index = ck.stations.find(ssn); index != 0) return {index, true};
  if (ck.stations.full()) {
    raise(ck, 532, orv::make_card(""));
    fatal_termination(ck);
  }
  return {ck.stations.append(ssn, type, reference), false};
}

std::string missing_position_text() { return orv::make_card("  NO (*80* OR *81*) CONTROL PT."); }

}  // namespace corvelin
