// The 25-series: *25* occupation records and their *27* and *28* records.

#include "checker/rule_tables.hpp"

namespace corvelin {

namespace {

constexpr std::string_view kDigitsOrBlank = "0123456789 ";

// Columns 32 and 33 digits or blanks, and column 33 blank only with
// column 31 blank: one verdict for the three columns.
void columns_31_to_33(Checker& ck, const Record& rec) {
  const bool blank_33_alone = col(rec, 33) == ' ' && col(rec, 31) != ' ';
  if (!all_in(cols(rec, 32, 33), kDigitsOrBlank) || blank_33_alone) raise(ck, 371, rec);
}

constexpr int k371[] = {371};

constexpr Rule kOccupation[] = {
    station(11, 400),
    occupation_update(),
    digits(11, 14, 15),
    not_blank(15, 15, 370),
    blank_or_capitals(25, 27, 597),
    instrument(28, 30, 476, 477).any_code_when(idb_in_25),
    custom(31, 33, columns_31_to_33, k371, "cc 32-33 digits or blanks, cc 33 blank only with cc 31 blank"),
    antenna(33, 35, 478, 479).any_code_when(idb_in_25).when(antenna_records_counted),
};

constexpr Rule kOccupation27[] = {
    group_station(446),
    digits(11, 14, 15),
    date(15, 20, 372),
    hour_minute(21, 24, 381),
    filled_numeric(25, 29, 3, 383, 383),
    one_of(51, "01 ", 390),
    each_of(52, 55, kFlags, 391),
};

constexpr Rule kOccupation28[] = {
    date(11, 16, 412),
    hour_minute(17, 20, 421),
    instrument(21, 23, 398, 395),
    instrument(24, 26, 399, 396),
    filled_numeric(27, 36, 2, 397, 397),
};

// The project record asks for the *28* tests in its column 79.
constexpr Condition project_asks_for_28{
    [](const Checker& ck, const Record&) { return ck.project.size() >= 79 && col(ck.project, 79) == '1'; },
    "the *12* holds 1 in cc 79"};

constexpr RecordRules kOccupationTables[] = {
    {25, {"occupation", kOccupation}},
    {27, {"occupation session", kOccupation27}},
    {28, {"occupation equipment", kOccupation28, &project_asks_for_28}},
};

}  // namespace

const std::span<const RecordRules> kOccupationRecordRules{kOccupationTables};

}  // namespace corvelin
