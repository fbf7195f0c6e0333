#pragma once
// The checks of single records, by record code, and the checks over the
// whole deck.  The structure pass calls the field checks of the project,
// code-table and position records right after their family rule; the syntax
// pass and the cross-check pass call the rest.

#include <string>

#include "checker/checker.hpp"

namespace corvelin {

using Record = std::string;  // one card of 80 columns

// Inside the structure pass
void check_header_record(Checker& ck, const Record& rec);              // the header
void check_project_text(Checker& ck, const Record& rec);               // *10*, *11*
void check_project_record(Checker& ck, const Record& rec);             // *12*
void check_datum_record(Checker& ck, const Record& rec);               // *13*
void enter_code_table(Checker& ck, const Record& rec, int code);       // *70*-*72*
void check_position_record(Checker& ck, const Record& rec, int code);  // *80*-*82*

// In the syntax pass
void check_position_annex(Checker& ck, const Record& rec, int code);  // *83*-*86*

// The syntax pass: one record, by its code
void syntax_step(Checker& ck, const Record& rec);
void start_syntax_pass(Checker& ck);
// After the syntax pass
void station_usage_check(Checker& ck);
// The cross-check pass: one record, by its code
void cross_check_step(Checker& ck, const Record& rec);
// The checks it runs
void observation_to_station_check(Checker& ck, const Record& obs);  // 20-series to 60-series
void position_record_check(Checker& ck, const Record& rec);          // *80*, *81*
void auxiliary_station_check(Checker& ck, const Record& rec);        // *82*
void elevation_record_check(Checker& ck, const Record& rec);         // *83*
void control_position_check(Checker& ck, const Record& rec);         // *84*, *85*

}  // namespace corvelin
