#include "checker/record_checks.hpp"

namespace corvelin {

void start_syntax_pass(Checker&) {}

void syntax_step(Checker& ck, const Record& rec) {
  const auto code = cols(rec, 8, 9);
  if (code >= "83" && code <= "86") check_position_annex(ck, rec, (code[0] - '0') * 10 + (code[1] - '0'));
}

}  // namespace corvelin
