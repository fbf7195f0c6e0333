// Station, name and state-code records of the three description layouts.

#include "common/card.hpp"
#include "common/record_code.hpp"
#include "common/report_lines.hpp"
#include "compare/comparer.hpp"

namespace halvic {

using orv::cols;

namespace {

const std::string kAuxiliaryState = "xx";  // an auxiliary station has no state code

void unmatched_ssn(Comparer& c, const Record& rec, const char* table) {
  echo(c, rec);
  finding(c, ssn_unmatched_text(c.layout, table));
}

void name_differs_finding(Comparer& c, const Record& rec) {
  echo(c, rec);
  c.report.line(marker_line({{columns_of(c.layout).name.first + 1, c.current.name}}));
  finding(c, name_unmatched_text(c.layout));
}

void state_differs_finding(Comparer& c, const Record& rec) {
  echo(c, rec);
  c.report.line(marker_line({{columns_of(c.layout).state.first + 1, c.current.state}}));
  finding(c, state_unmatched_text(c.layout));
}

void take_station(Comparer& c, Station& station, const Key& key) {
  c.current.key = key;
  c.current.name = station.name;
  c.current.state = station.state;
  station.described = true;
}

// The station is not among the *80* records: perhaps an auxiliary station.
// Answers whether it was found there.
bool auxiliary_station(Comparer& c, const Record& rec, const Key& key) {
  unmatched_ssn(c, rec, "80");
  c.current.skip = true;
  if (c.tables.auxiliaries.empty()) return false;
  AuxiliaryStation* aux = c.tables.find_auxiliary(key);
  if (aux == nullptr) {
    unmatched_ssn(c, rec, "82");
    return false;
  }
  aux->described = true;
  c.current.key = key;
  c.current.name = aux->name;
  c.current.state = kAuxiliaryState;
  c.current.skip = false;
  return true;
}

void auxiliary_matched(Comparer& c) { finding(c, ssn_matched_82_text(c.layout)); }

// Station record (10) of the old and unified layouts.
void station_record(Comparer& c, const Record& rec) {
  if (c.tables.stations.empty()) return;
  const Key key = station_key(c.layout, rec);
  Station* station = c.tables.find_station(key);
  if (station == nullptr) {
    if (auxiliary_station(c, rec, key)) {
      echo(c, rec);
      auxiliary_matched(c);
    }
    return;
  }
  take_station(c, *station, key);
  if (c.layout != Layout::unified) return;
  if (station->state != cols(rec, kUnified.state.first, kUnified.state.last)) state_differs_finding(c, rec);
  if (has_special_code(c.layout, rec)) station->occupied_without_p = false;
}

// Name record (13) of the unified layout.
void name_record(Comparer& c, const Record& rec) {
  if (name_differs(cols(rec, kUnified.name.first, kUnified.name.last), c.current.name)) name_differs_finding(c, rec);
}

// Name record (14) of the old layout: name and state code.
void name_and_state_record(Comparer& c, const Record& rec) {
  const bool name_wrong = name_differs(cols(rec, kOld.name.first, kOld.name.last), c.current.name);
  const bool state_right =
      c.current.state == cols(rec, kOld.state.first, kOld.state.last) || c.current.state == kAuxiliaryState;
  if (name_wrong && state_right) {
    name_differs_finding(c, rec);
  } else if (!state_right && !name_wrong) {
    state_differs_finding(c, rec);
  } else if (!state_right) {
    echo(c, rec);
    c.report.line(marker_line({{kOld.name.first + 1, c.current.name}, {kOld.state.first + 1, c.current.state}}));
    finding(c, kNameAndStateUnmatched);
  }
}

// The records of each layout that follow a station record, by record type.
using Step = void (*)(Comparer&, const Record&);
constexpr orv::ByCode<Step> kOldRecords[] = {{14, name_and_state_record}, {30, reference_object_record}};
constexpr orv::ByCode<Step> kUnifiedRecords[] = {{13, name_record}};

// A job-code record opens the deck, and every later one closes it.
void job_code_record(Comparer& c) {
  if (c.deck_counter <= 1) {
    ++c.deck_counter;
    return;
  }
  coverage_lists(c);
  if (c.layout == Layout::unified) occupation_list(c);
}

}  // namespace

void echo(Comparer& c, const Record& rec) { c.report.line(orv::joined({" ", std::string_view(rec).substr(0, 79)})); }

void finding(Comparer& c, std::string_view message) {
  c.report.line(message);
  c.report.empty();
}

void description_record(Comparer& c, const Record& rec) {
  const std::string_view type = record_type(rec);
  if (type == c.job_code) return job_code_record(c);
  if (c.deck_counter <= 1) {
    echo(c, rec);
    c.report.line(kJobCodeUnmatched);
    end_run(c);
  }
  if (type == kStationRecord) {
    c.current.skip = false;
    return station_record(c, rec);
  }
  if (c.current.skip) return;
  const Step step = c.layout == Layout::old ? orv::step_for(kOldRecords, rec) : orv::step_for(kUnifiedRecords, rec);
  if (step != nullptr) step(c, rec);
}

void dfile_record(Comparer& c, const Record& rec) {
  if (c.tables.stations.empty() || orv::col(rec, 1) != kDfileStation) return;
  const Key key = station_key(Layout::dfile, rec);
  Station* station = c.tables.find_station(key);
  if (station == nullptr) {
    if (!auxiliary_station(c, rec, key)) return;
    auxiliary_matched(c);
  } else {
    take_station(c, *station, key);
  }
  if (name_differs(cols(rec, kDfile.name.first, kDfile.name.last), c.current.name)) name_differs_finding(c, rec);
  if (station != nullptr && has_special_code(Layout::dfile, rec)) station->occupied_without_p = false;
}

}  // namespace halvic
