#pragma once
// The G-file as this program reads it: the columns of each record type, the
// code sets of the B record, and the state one pass carries from record to
// record.  A G-file line is 89 columns; column 1 holds the record letter.

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/card.hpp"
#include "vectors/column_rules.hpp"
#include "vectors/tamrel.hpp"

namespace tamrel {

struct Columns {
  int first;
  int last;
};

constexpr Columns kGroupCode{87, 89};  // B, C, F, D and E records

// --- B record: observing span and solution -----------------------------------

namespace b_record {
constexpr Columns kStartDate{2, 9};     // year first: the year is columns 2-5
constexpr Columns kStartYear{2, 5};
constexpr Columns kStartTime{10, 13};
constexpr Columns kEndDate{14, 21};
constexpr Columns kEndTime{22, 25};
constexpr Columns kVectors{26, 27};     // two messages name it CC 26-28
constexpr Columns kCarried{28, 42};     // copied into the 70I record unchecked
constexpr Columns kOrbitSource{43, 47};
constexpr Columns kOrbitAccuracy{48, 51};  // 1 implied decimal
constexpr Columns kReferenceSystem{52, 53};
constexpr Columns kMetUse{54, 55};
constexpr Columns kIonUse{56, 57};
constexpr Columns kAgency{61, 66};
constexpr Columns kSolution{75, 80};
constexpr Columns kFrequency{75, 76};
constexpr Columns kDifference{77, 78};
constexpr Columns kBias{79, 80};
}  // namespace b_record


// The B record's fatal field checks, in the order they are made.
struct BNumber {
  Columns columns;
  Chars chars;
  int implied;
  std::string_view message;
  std::string_view blank_message = {};  // for a field that must be given
};
std::span<const BNumber> b_record_numbers();

// --- C and F records: one vector -------------------------------------------------

struct VectorComponent {
  std::string_view name;  // as the messages name it
  Columns c;
  Columns f;
};

// Delta and standard deviation of X, Y and Z, 4 implied decimals, in the
// order they are checked and listed.
constexpr std::array<VectorComponent, 6> kVectorComponents{{
    {"DELTA X", {10, 20}, {10, 22}},
    {"STD DEV X", {21, 25}, {23, 27}},
    {"DELTA Y", {26, 36}, {28, 40}},
    {"STD DEV Y", {37, 41}, {41, 45}},
    {"DELTA Z", {42, 52}, {46, 58}},
    {"STD DEV Z", {53, 57}, {59, 63}},
}};

struct VectorLayout {
  char letter;
  Columns origin_ssn;
  Columns differential_ssn;
  int rejection_code;
  Columns origin_media_id;
  Columns differential_media_id;
  Columns VectorComponent::*components;
};

constexpr VectorLayout kCRecord{'C', {2, 5}, {6, 9}, 58, {59, 68}, {69, 78}, &VectorComponent::c};
constexpr VectorLayout kFRecord{'F', {2, 5}, {6, 9}, 64, {65, 70}, {71, 76}, &VectorComponent::f};

// A vector whose stations have no position.  The echo is the record's first 80 columns.
inline constexpr std::string_view kOriginNotFound = "ORIGIN SSN CC 2-5 NOT FOUND IN *80* RECORDS";
inline constexpr std::string_view kDifferentialNotFound = "DIFFERENTIAL SSN CC 6-9 NOT FOUND IN *80* RECORDS";

// The fatal text of a C, F, D or E field that is no number: the record
// letter, the field as the text names it, its columns.
std::string field_non_integer_text(char letter, std::string_view name, Columns c);

// --- D and E records: correlations and covariances --------------------------------

struct MatrixEntry {
  Columns row;
  Columns column;
  Columns value;
};

struct MatrixLayout {
  char letter;
  std::string_view value_name;  // as the messages name it
  int implied_decimals;
  std::string_view listing_code;
  int value_width;              // of the listed value
  std::span<const MatrixEntry> entries;
};

// Five entries of row, column and a 9-column correlation with 7 implied
// decimals; four of row, column and a 12-column covariance with 8.
inline constexpr MatrixEntry kDEntries[] = {{{2, 4}, {5, 7}, {8, 16}},
                                            {{17, 19}, {20, 22}, {23, 31}},
                                            {{32, 34}, {35, 37}, {38, 46}},
                                            {{47, 49}, {50, 52}, {53, 61}},
                                            {{62, 64}, {65, 67}, {68, 76}}};
inline constexpr MatrixEntry kEEntries[] = {{{2, 4}, {5, 7}, {8, 19}},
                                            {{20, 22}, {23, 25}, {26, 37}},
                                            {{38, 40}, {41, 43}, {44, 55}},
                                            {{56, 58}, {59, 61}, {62, 73}}};
inline constexpr MatrixLayout kDRecord{'D', "CORRELATION", 7, "72I", 10, kDEntries};
inline constexpr MatrixLayout kERecord{'E', "COVARIANCE", 8, "76I", 13, kEEntries};

// --- I record: antenna pattern -----------------------------------------------------

namespace i_record {
constexpr Columns kPatternFile{2, 13};
constexpr Columns kAgency{22, 27};
constexpr Columns kDate{28, 35};
}  // namespace i_record

// --- reading fields ------------------------------------------------------------------

inline std::string_view field(std::string_view record, Columns c) { return orv::cols(record, c.first, c.last); }
inline bool blank_field(std::string_view record, Columns c) { return blank_field(record, c.first, c.last); }
bool in_set(std::string_view code, const auto& set) {
  for (std::string_view s : set) {
    if (s == code) return true;
  }
  return false;
}

// The value of a field that passes its number test; none when it fails, so
// that the field gets its NON-INTEGER finding.
using orv::Blanks;
inline std::optional<double> checked_value(std::string_view record, Columns c, Chars chars, int implied, Blanks blanks) {
  return orv::read_number(field(record, c), {chars, blanks, implied});
}

// A listing record: its fields joined by one blank each.  Texts taken from
// the files may hold any byte, so they are copied, never passed to printf.
std::string blank_joined(std::initializer_list<std::string_view> fields);

// A listed decimal: right-aligned in `width`, never written as minus zero.
std::string listed_decimal(double value, int width, int decimals);
// The same for digits / 10^decimals (0 to 12 decimals), without a detour
// through binary; with no decimals, an integer.  Written at `at`, which has room for
// kListedDigitsRoom characters or `width`, whichever is more; answers the
// end of what was written.
constexpr int kListedDigitsRoom = 24;
char* put_listed_digits(char* at, long long digits, int width, int decimals);

// --- the pass --------------------------------------------------------------------------

// One correlation or covariance as read: its smaller and larger matrix
// index, and its value as the digits of the field (scaled by its record's
// implied decimals), so that listing it takes no rounding.
struct StoredValue {
  short low;
  short high;
  short scale;
  long long digits;
};

// The D and E records of the current group.
struct CorrelationSet {
  int records = 0;      // D and E records in the group
  int components = 0;   // 3 per vector the group held at its first D or E record
  long read = 0;        // values read, also those the store could not keep
  long required = 0;
  bool written = true;  // nothing is owed before the first B record
  std::vector<StoredValue> store;
};

struct Group {
  int number = 0;       // B records read so far
  int announced = 0;    // the B record's number of vectors
  std::vector<int> vectors;  // file numbers of the group's vectors, in order
  std::string start_date = "00000000";
  int start_year = 0;
  std::string frequency = "  ";
  std::string difference = "  ";
  std::string bias = "  ";
  std::string listing_code = "70I";
  std::string code = "   ";  // group code of the last B, C, F, D or E record
};

struct GfilePass {
  explicit GfilePass(Run& r) : run(r) {}
  Run& run;
  Group group;
  CorrelationSet set;
  std::vector<std::string> orbit_sources;  // distinct, at most 99
};

void b_record_step(GfilePass& pass, std::string_view record);
void i_record_step(GfilePass& pass, std::string_view record);
void vector_record_step(GfilePass& pass, std::string_view record, const VectorLayout& layout);

// Correlations and covariances.  The layout is a constant of the step, so
// that its fields are read at fixed columns and widths.
template <const MatrixLayout& kLayout>
void matrix_record_step(GfilePass& pass, std::string_view record);
void group_completeness_check(GfilePass& pass);
void group_reset(CorrelationSet& set);

}  // namespace tamrel
