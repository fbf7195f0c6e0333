// The loads: the observation file into the comparer's tables with the
// editor's checks and ends, and the description file's *10* records into the
// description table.

#include "common/card.hpp"
#include "common/numeric.hpp"
#include "compare/observation_loaders.hpp"
#include "editor/editor.hpp"

namespace morandel {

using orv::col;
using orv::cols;

namespace {

// Every load finding ends the run.  A limit is one line; a field shows its
// record first.
class EditorLoadEnds : public halvic::LoadEnds {
 public:
  explicit EditorLoadEnds(Editor& e) : e_(e) {}

  void table_full(halvic::Table table) override {
    e_.show(std::string(halvic::full_table_text(table)) + std::to_string(e_.tables.capacity.of(table)));
    data_error_end(e_);
  }

  void field_rejected(const Record& rec, halvic::Field field) override {
    rejected(rec, halvic::rejected_field_text(field));
  }

  [[noreturn]] void rejected(const Record& rec, std::string_view message) {
    e_.show_empty();
    e_.show_empty();
    e_.show_record(rec);
    e_.show(message);
    data_error_end(e_);
  }

 private:
  Editor& e_;
};

double number(const Record& rec, int first, int last, int implied = 0) {
  return orv::read_number(cols(rec, first, last), {orv::Chars::signed_decimal, orv::Blanks::zeros, implied})
      .value_or(0.0);
}

// Degrees, minutes and seconds with five implied decimals, as degrees.
double degrees(const Record& rec, int first, int degree_digits) {
  const int minutes = first + degree_digits;
  return number(rec, first, minutes - 1) + number(rec, minutes, minutes + 1) / 60.0 +
         number(rec, minutes + 2, minutes + 8, 5) / 3600.0;
}

// The position fields of a station record, checked after its elevation:
//   cc 45-55  latitude DDMMSSsssss   digits and blanks
//   cc 57-68  longitude DDDMMSSsssss digits and blanks
//   cc 56     N or S
//   cc 69     W or E
bool position_fields(Editor& e, EditorLoadEnds& ends, const Record& rec) {
  constexpr orv::NumberRule kDigitsBlanks{orv::Chars::digits_blanks};
  if (!orv::is_number(cols(rec, 45, 55), kDigitsBlanks)) ends.rejected(rec, " OBS 80 LAT CC 45-55 NON-INTEGER");
  if (!orv::is_number(cols(rec, 57, 68), kDigitsBlanks)) ends.rejected(rec, " OBS 80 LONG CC 57-68 NON-INTEGER");
  const char north_south = col(rec, 56);
  if (north_south != 'N' && north_south != 'S') ends.rejected(rec, " OBS 80 DIR OF LAT CC 56 NOT N OR S");
  const char west_east = col(rec, 69);
  if (west_east != 'W' && west_east != 'E') ends.rejected(rec, " OBS 80 DIR OF LONG CC 69 NOT W OR E");
  e.positions.push_back(
      {degrees(rec, 45, 2), north_south, degrees(rec, 57, 3), west_east, orv::is_blank(cols(rec, 70, 75))});
  return true;
}

}  // namespace

void load_observations(Editor& e) {
  orv::CardReader reader(e.observation_file.get(), orv::kCardWidth);
  EditorLoadEnds ends(e);
  const halvic::ObservationPasses passes{true, e.options.unified,
                                         [&](const Record& rec) { return position_fields(e, ends, rec); }};
  if (const auto job_code = halvic::load_observation_file(reader, e.tables, passes, ends)) e.job_code = *job_code;
  if (reader.failed()) file_failure(e, " ERROR IN READING ORVANTINE OBS INPUT FILE - ", e.options.observation_name);
}

void load_descriptions(Editor& e) {
  bool first = true;
  each_record(e, Input::descriptions, [&](const Record& rec) {
    const std::string_view type = halvic::record_type(rec);
    if (first && type != e.job_code) {
      e.show_empty();
      e.show_record(rec);
      e.show(" CC 8-9 JOB CODE UNMATCHED");
      e.show_empty();
    }
    if (type == halvic::kStationRecord) {
      if (e.descriptions.size() >= kCapacities.descriptions) {
        e.show(" NUMBER OF DESC *10* RECORDS EXCEEDS 999");
        data_error_end(e);
      }
      e.descriptions.push_back({halvic::station_key(e.layout(), rec)});
    } else if ((type == "13" || type == "14") && !e.descriptions.empty()) {
      e.descriptions.back().name = std::string(cols(rec, 11, 50));
    }
    first = false;
  });
}

}  // namespace morandel
