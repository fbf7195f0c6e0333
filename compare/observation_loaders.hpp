#pragma once
// The loaders that fill the observation tables, one per record family, and
// the passes over the observation file that route records to them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/card.hpp"
#include "compare/observation_tables.hpp"

namespace halvic {

// The numeric fields whose check can end a load.
enum class Field {
  elevation,             // *80* cc 70-75
  direction,             // *20* cc 64-72
  angle,                 // *30* cc 64-71
  distance,              // *50* cc 64-72
  elevation_difference,  // *50* cc 54-58
  standpoint_elevation,  // *52* cc 30-34
  forepoint_elevation,   // *52* cc 54-58
};

// What a program does at a full table or a rejected field: it reports and
// ends the run in its own way.  Should it return, the record is abandoned.
class LoadEnds {
 public:
  virtual void table_full(Table table) = 0;
  virtual void field_rejected(const Record& record, Field field) = 0;

 protected:
  ~LoadEnds() = default;
};

// The report lines of the two ends: a full table's text is followed by its
// capacity, a rejected field's follows the record.
std::string_view full_table_text(Table table);
std::string_view rejected_field_text(Field field);

// Further fields of a station record that a program checks after the
// elevation (the editor's position); the station is added right after a true
// answer, and a false one abandons the record.
using StationFields = std::function<bool(const Record&)>;

// A table kept as checked only (kCheckedOnly) still has every field of its
// records checked; nothing is stored.
void load_station(ObservationTables& tables, const Record& rec, LoadEnds& ends,  // *80*, *81*
                  const StationFields& more_fields = {});
void load_auxiliary(ObservationTables& tables, const Record& rec, LoadEnds& ends);  // *82*
void load_direction(ObservationTables& tables, const Record& rec, LoadEnds& ends);  // *20*, *22*
void load_angle(ObservationTables& tables, const Record& rec, LoadEnds& ends);      // *30*, *32*
// *50*, *51*, *52*, with their mark-to-mark reductions; it reads station
// elevations, so every station must be loaded first.
void load_distance(ObservationTables& tables, const Record& rec, LoadEnds& ends);
void mark_occupation(ObservationTables& tables, const Record& rec);  // *25*

// The passes a run makes over the observation file.
struct ObservationPasses {
  bool series;       // directions and angles with the stations, then the distances
  bool occupations;  // then the *25* records
  StationFields more_station_fields = {};
};

// Loads the whole observation file, rewinding after each pass.  The first
// record gives the job code (cc 8-9) and is otherwise skipped by the first
// pass; an empty file gives none.
std::optional<std::string> load_observation_file(orv::CardReader& reader, ObservationTables& tables,
                                                  const ObservationPasses& passes, LoadEnds& ends);

}  // namespace halvic
