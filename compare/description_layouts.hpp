#pragma once
// The three layouts of the description file and where each keeps what the
// comparison with the observation file reads.

#include <initializer_list>
#include <string>
#include <string_view>

#include "compare/observation_tables.hpp"

namespace halvic {

enum class Layout { unified, dfile, old };

struct Columns {
  int first;
  int last;
};

struct DescriptionLayout {
  int width;                     // columns read of each record
  Columns ssn;                   // in the station record
  std::string_view name_record;  // record type (cc 8-9) of the name record
  Columns name;                  // 30-character name, then blanks to the field's end
  std::string_view state_record; // record type holding the state code
  Columns state;
};

//                                   width  SSN       name record  name      state record  state
inline constexpr DescriptionLayout kOld{80, {11, 13}, "14", {11, 50}, "14", {58, 59}};
inline constexpr DescriptionLayout kUnified{80, {11, 14}, "13", {11, 50}, "10", {47, 48}};
inline constexpr DescriptionLayout kDfile{203, {2, 5}, "", {13, 62}, "", {0, -1}};  // '@' in column 1

const DescriptionLayout& columns_of(Layout layout);

inline constexpr std::string_view kStationRecord = "10";  // old and unified
inline constexpr char kDfileStation = '@';

// The record type of an old or unified record: cc 8-9.
std::string_view record_type(const Record& rec);

// The normalised serial number of a station record.
Key station_key(Layout layout, const Record& rec);

// The description's name field is not the 30-character name followed by
// blanks to the field's width.
bool name_differs(std::string_view field, std::string_view name);

// The description carries the special application code: a P in one of cc
// 69-72 of a unified station record, or Y in column 203 of a D-file record.
bool has_special_code(Layout layout, const Record& rec);

// The findings on description records, with the columns of the layout.
// `table` is "80" or "82".
std::string ssn_unmatched_text(Layout layout, std::string_view table);
std::string ssn_matched_82_text(Layout layout);
std::string name_unmatched_text(Layout layout);
std::string state_unmatched_text(Layout layout);
inline constexpr std::string_view kNameAndStateUnmatched = " CC 11-50 STATION NAME AND CC 58-59 STATE CODE UNMATCHED";
inline constexpr std::string_view kJobCodeUnmatched = " CC 8-9 JOB CODE UNMATCHED";

// A report line holding each text from its line column on.  Column 1 of a
// report line is carriage control, so record column n stands in line column
// n + 1 under an echoed record.
struct Marker {
  int column;
  std::string_view text;
};
std::string marker_line(std::initializer_list<Marker> markers);

}  // namespace halvic
