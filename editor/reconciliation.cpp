// The description records held against the stations of the observation
// file: every differing state code or name is shown and put to the user, who
// corrects either the description record in hand or, through the correction
// table, the observation file.

#include <algorithm>

#include "common/card.hpp"
#include "common/record_code.hpp"
#include "editor/editor.hpp"

namespace morandel {

using halvic::marker_line;
using orv::cols;

namespace {

constexpr std::string_view kVqLimit = " NUMBER OF CORRECTIONS TO VQ OBS OUTPUT FILE EXCEEDS 999";
constexpr std::string_view kLimit = " NUMBER OF CORRECTIONS TO OBS OUTPUT FILE EXCEEDS 999";

// A field that the user reconciles: where the description holds it, what a
// correction of the observation file takes from it, and the description's
// own question.
struct Reconciled {
  Columns field;
  Columns taken;
  bool name;  // else a state code
  std::string_view question;
  std::string_view limit;
};

//                                   field     taken     name   question                                     limit
constexpr Reconciled kUnifiedState{{47, 48}, {47, 48}, false, " UPDATE DESC *10* STATE CODE  (Y/N) ? - ", kVqLimit};
constexpr Reconciled kUnifiedName{{11, 50}, {11, 40}, true, " UPDATE DESC *13* STATION NAME (Y/N) ? - ", kLimit};
constexpr Reconciled kOldName{{11, 50}, {11, 40}, true, " UPDATE DESC *14* STATION NAME (Y/N) ? - ", kVqLimit};
constexpr Reconciled kOldState{{58, 59}, {58, 59}, false, " UPDATE DESC *14* STATE CODE (Y/N) ? - ", kVqLimit};

std::string_view text_of(const Record& rec, Columns range) { return cols(rec, range.first, range.last); }

void put(Record& rec, Columns range, std::string_view text) {
  const auto width = static_cast<std::size_t>(range.last - range.first + 1);
  rec.replace(static_cast<std::size_t>(range.first - 1), width, orv::padded(text, width));
}

// The station's value under the description's field in the echoed record.
halvic::Marker under(const Reconciled& field, std::string_view value) { return {field.field.first + 1, value}; }

// The letter the answer was given with goes into the report.
bool yes_to(Editor& e, std::string_view question) {
  e.ask(question);
  char answer = e.console.read_letter();
  const bool yes = read_yes_no(e.console, answer);
  e.report.line(std::string(" ") + answer);
  return yes;
}

void finding(Editor& e, const Record& rec, const std::string& markers, std::string_view message) {
  e.show_record(rec);
  e.show(markers);
  e.show(message);
  e.show_empty();
}

// The description corrected from the station, or else the observation file
// from the description.
void question_pair(Editor& e, Record& rec, const Reconciled& field, const std::string& station_value) {
  if (yes_to(e, field.question)) {
    return put(rec, field.field, station_value);
  }
  if (!yes_to(e, field.name ? " UPDATE OBS *80* STATION NAME (Y/N) ? - " : " UPDATE OBS *80* STATE CODE (Y/N) ? - ")) {
    return;
  }
  Correction correction{e.current.key};
  (field.name ? correction.name : correction.state) = std::string(text_of(rec, field.taken));
  if (!e.corrections.add(correction)) {
    e.show(field.limit);
    data_error_end(e);
  }
}

// The description table's name of an SSN that has no station, or blanks.
std::string described_name(const Editor& e, const Key& key) {
  const auto it = std::find_if(e.descriptions.begin(), e.descriptions.end(),
                               [&](const DescriptionEntry& d) { return d.key == key; });
  return it == e.descriptions.end() ? std::string(40, ' ') : it->name;
}

void unmatched_station(Editor& e, const Record& rec, const Key& key) {
  e.show_record(rec);
  e.show(" DESC STATION NAME CC 11-50 - " + described_name(e, key));
  e.show(e.options.unified ? " CC  11-14 SSN UNMATCHED - PROCESS NEXT 10 RECORD"
                           : " CC 11-13 SSN UNMATCHED - PROCESS NEXT 10 RECORD");
  e.show_empty();
  e.current.skip = true;
}

void station_record(Editor& e, Record& rec) {
  const Key key = halvic::station_key(e.layout(), rec);
  Station* station = e.tables.find_station(key);
  if (station == nullptr) return unmatched_station(e, rec, key);
  e.current.key = key;
  e.current.name = station->name;
  e.current.state = station->state;
  station->described = true;
  if (!e.options.unified) return;
  if (halvic::has_special_code(Layout::unified, rec)) station->occupied_without_p = false;
  if (text_of(rec, kUnifiedState.field) != station->state) {
    finding(e, rec, marker_line({under(kUnifiedState, station->state)}), " CC 47-48 STATE CODE UNMATCHED");
    question_pair(e, rec, kUnifiedState, station->state);
  }
  if (e.options.update_positions) {
    update_position(*station, e.positions[static_cast<std::size_t>(station - e.tables.stations.data())], rec);
  }
}

void unified_name_record(Editor& e, Record& rec) {
  if (!halvic::name_differs(text_of(rec, kUnifiedName.field), e.current.name)) return;
  finding(e, rec, marker_line({under(kUnifiedName, e.current.name)}), " CC 11-50 STATION NAME UNMATCHED");
  question_pair(e, rec, kUnifiedName, e.current.name);
}

void old_name_and_state_record(Editor& e, Record& rec) {
  const bool name_wrong = halvic::name_differs(text_of(rec, kOldName.field), e.current.name);
  const bool state_wrong = text_of(rec, kOldState.field) != e.current.state;
  if (name_wrong && state_wrong) {
    finding(e, rec, marker_line({under(kOldName, e.current.name), under(kOldState, e.current.state)}),
            " CC 11-50 STATION NAME AND CC 58-59 STATE CODE UNMATCHED");
  } else if (name_wrong) {
    finding(e, rec, marker_line({under(kOldName, e.current.name)}), " CC 11-50 STATION NAME UNMATCHED");
  } else if (state_wrong) {
    finding(e, rec, marker_line({under(kOldState, e.current.state)}), " CC 58-59 STATE CODE UNMATCHED");
  }
  if (name_wrong) question_pair(e, rec, kOldName, e.current.name);
  if (state_wrong) question_pair(e, rec, kOldState, e.current.state);
}

// The records of each layout that follow a station record, by record type.
using Step = void (*)(Editor&, Record&);
constexpr orv::ByCode<Step> kUnifiedRecords[] = {{13, unified_name_record}};
constexpr orv::ByCode<Step> kOldRecords[] = {{14, old_name_and_state_record}};

}  // namespace

void reconcile(Editor& e, Record& rec) {
  const std::string_view type = halvic::record_type(rec);
  if (type == halvic::kStationRecord) e.current.skip = false;
  // Without stations nothing can differ: the records are copied as they are.
  if (e.tables.stations.empty()) return;
  if (type == halvic::kStationRecord) return station_record(e, rec);
  if (e.current.skip) return;
  const Step step = e.options.unified ? orv::step_for(kUnifiedRecords, rec) : orv::step_for(kOldRecords, rec);
  if (step != nullptr) step(e, rec);
}

}  // namespace morandel
