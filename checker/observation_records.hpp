#pragma once
// The column rules of the observation records, one function per record type,
// each testing its record in the order of its table.  The syntax pass calls
// them after its group and observation-set bookkeeping.

#include "checker/checker.hpp"
#include "checker/record_checks.hpp"

namespace corvelin {

void direction_record(Checker& ck, const Record& rec);               // *20*
void direction_continuation(Checker& ck, const Record& rec);         // *22*
void occupation_record(Checker& ck, const Record& rec);              // *25*
void occupation_record_27(Checker& ck, const Record& rec);           // *27*
void occupation_record_28(Checker& ck, const Record& rec);           // *28*
void angle_record(Checker& ck, const Record& rec);                   // *30*
void angle_continuation(Checker& ck, const Record& rec);             // *32*
void vertical_angle_record(Checker& ck, const Record& rec);          // *40*
void vertical_angle_continuation(Checker& ck, const Record& rec);    // *42*
void height_difference_record(Checker& ck, const Record& rec);       // *45*
void height_difference_record_47(Checker& ck, const Record& rec);    // *47*
void distance_record_50(Checker& ck, const Record& rec);
void distance_record_51(Checker& ck, const Record& rec);
void distance_record_52(Checker& ck, const Record& rec);
void distance_record_53(Checker& ck, const Record& rec);
void distance_record_54(Checker& ck, const Record& rec);
void sixty_series_parent(Checker& ck, const Record& rec);            // *60*
void sixty_series_second(Checker& ck, const Record& rec);            // *61*
void station_list_record(Checker& ck, const Record& rec);            // *90*-*99*

}  // namespace corvelin
