#include <algorithm>

#include "checker/record_checks.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kUnitCodes[] = {"MT", "MM", "FT", "MF", "HS", "HM", "VS", "VM"};

// Enters a code; true when it was there already.  The 100th code ends the run.
bool enter_code(Checker& ck, std::vector<std::string>& table, std::size_t capacity, std::string_view code,
                int overflow_error) {
  if (std::find(table.begin(), table.end(), code) != table.end()) return true;
  if (table.size() >= capacity) {
    raise(ck, overflow_error, orv::make_card(""));
    fatal_termination(ck);
  }
  table.emplace_back(code);
  return false;
}

void instrument_record(Checker& ck, const Record& rec) {
  if (!is_digits(cols(rec, 11, 13))) raise(ck, 216, rec);
  if (enter_code(ck, ck.instrument_codes, kCapacities.instrument_codes, cols(rec, 11, 13), 533)) raise(ck, 329, rec);
  if (!is_digits(cols(rec, 14, 16))) raise(ck, 217, rec);
  if (is_blank(cols(rec, 17, 20)) || !reads_numeric(cols(rec, 17, 20), 2)) raise(ck, 218, rec);
  const auto unit = cols(rec, 21, 22);
  if (!is_blank(unit) && std::find(std::begin(kUnitCodes), std::end(kUnitCodes), unit) == std::end(kUnitCodes)) {
    raise(ck, 219, rec);
  }
}

void antenna_record(Checker& ck, const Record& rec, int already_there_error) {
  if (!is_digits(cols(rec, 11, 13))) {
    raise(ck, 410, rec);
  } else if (enter_code(ck, ck.antenna_codes, kCapacities.antenna_codes, cols(rec, 11, 13), 540)) {
    raise(ck, already_there_error, rec);
  }
}

}  // namespace

void enter_code_table(Checker& ck, const Record& rec, int code) {
  if (code == 70) instrument_record(ck, rec);
  else antenna_record(ck, rec, code == 71 ? 475 : 481);
}

}  // namespace corvelin
