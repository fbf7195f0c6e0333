// The observation file: the checker's rule tables, row by row.

#include <ostream>

#include "checker/rule_tables.hpp"
#include "common/card.hpp"
#include "common/record_code.hpp"
#include "tools/format_guide/guide.hpp"
#include "tools/format_guide/tamrel_rows.hpp"

namespace guide {

namespace {

using corvelin::Rule;
using corvelin::Test;

std::string decimals(int count) { return std::to_string(count) + (count == 1 ? " decimal" : " decimals"); }

std::string angle_limit(const Rule& r) { return "degrees to " + std::to_string(r.angle.max_degrees); }

// What a row accepts, in the words of the record layouts.
std::string accepted(const Rule& r) {
  switch (r.test) {
    case Test::kEnterStation: return "an SSN already entered by the station records";
    case Test::kUpdate: return "not a distance from an auxiliary station to its own reference";
    case Test::kDigits: return "digits";
    case Test::kEachOf: return (r.first == r.last ? "" : "each column ") + code_list(r.set, 1);
    case Test::kCodeOf: return code_list(r.set, r.last - r.first + 1);
    case Test::kBlankOrCapitals: return "blanks and capital letters";
    case Test::kBlank: return "blank";
    case Test::kNotBlank: return "not blank";
    case Test::kNumeric: return "a number with " + decimals(r.decimals) + (r.skip_blank ? "" : ", or blank");
    case Test::kFilledNumeric:
      return "a number with " + decimals(r.decimals) + ", not blank" + (r.third != 0 ? ", decimals written out" : "");
    case Test::kDate: return "a date YYMMDD within the project's years";
    case Test::kTime: return "a time HHMM and a zone letter, blank or a capital other than J";
    case Test::kHourMinute: return "a time HHMM, not blank";
    case Test::kCblTime: return "HHMM, hours to 24, minutes to 59, then a capital other than J";
    case Test::kAngle: return "an angle DDDMMSSss, " + angle_limit(r);
    case Test::kVerticalAngle:
      return "an angle DDDMMSSss; the next column tells its kind: `E` or `D` degrees to 90, `Z` degrees to 179" +
             std::string(r.unlimited_without_kind ? ", else no limit" : ", else not tested");
    case Test::kLatitude: return "a latitude DDMMSSsssss";
    case Test::kLongitude: return "a longitude DDDMMSSsssss";
    case Test::kStationName: return "a station name of 30 characters";
    case Test::kInstrumentCode: return "three digits, an instrument code of a `*70*` record";
    case Test::kAntennaCode: return "three digits, an antenna code of a `*71*` or `*72*` record";
    case Test::kNewCode:
      return std::string(r.error != 0 ? "three digits, " : "") + "a code not given before in the " +
             (r.codes == corvelin::CodeTable::kInstruments ? "instrument" : "antenna") + " code table";
    case Test::kAgencyCode: return "an agency code of contrib.dat";
    case Test::kStateCode: return "a state or country code";
    case Test::kOrderClassCode: return "an order-and-class code";
    case Test::kZone: return "four digits without blanks, a zone code or 0-59";
    case Test::kDiffer: return "differs from cc " + columns(r.other, r.other + r.last - r.first);
    case Test::kGroupStation: return "the station of the group's first record";
    case Test::kSetStandpoint: return "the standpoint of the observation set";
    case Test::kKnownStation: return "four digits, an SSN of the station list";
    case Test::kParentColumns: return "digits, as in the same columns of the group's first record";
    case Test::kExpectedCount: return "two digits, the number of records the group holds";
    case Test::kListedStation: return "not blank, four digits, an SSN of the station list";
    case Test::kCustom: return std::string(r.says);
  }
  return {};
}

// When a row is tested, as its modifiers say.
std::string modifiers(const Rule& r) {
  std::string text;
  if (r.skip_blank) text += "; not tested when blank";
  if (r.condition != nullptr) text += "; tested only when " + std::string(r.condition->says);
  if (r.exemption != nullptr) text += "; not tested when " + std::string(r.exemption->says);
  if (r.blank_exemption != nullptr) text += "; blank passes when " + std::string(r.blank_exemption->says);
  if (r.code_exemption != nullptr) text += "; any code passes when " + std::string(r.code_exemption->says);
  return text;
}

std::vector<int> range(int base, int count) {
  std::vector<int> numbers;
  for (int k = 0; k < count; ++k) numbers.push_back(base + k);
  return numbers;
}

// The messages a row may give, in the order of its tests.
std::vector<int> messages(const Rule& r) {
  const auto given = [](std::initializer_list<int> numbers) {
    std::vector<int> kept;
    for (const int n : numbers) {
      if (n != 0) kept.push_back(n);
    }
    return kept;
  };
  switch (r.test) {
    case Test::kUpdate: return r.update == corvelin::Update::kDistance ? std::vector<int>{405} : std::vector<int>{};
    case Test::kEachOf: return range(r.error, r.last - r.first + 1);
    case Test::kDate: {
      std::vector<int> numbers = range(r.error, 9);
      numbers.push_back(r.error + 462);
      return numbers;
    }
    case Test::kTime:
    case Test::kCblTime: return range(r.error, 2);
    case Test::kAngle: {
      std::vector<int> numbers = r.angle.blank_tests ? range(r.error, 8) : range(r.error + 2, 6);
      if (r.angle.degrees_limit_error != 0) {
        for (int& n : numbers) {
          if (n == r.error + 3) n = r.angle.degrees_limit_error;
        }
      }
      return numbers;
    }
    case Test::kVerticalAngle: {
      std::vector<int> numbers = range(r.error, 8);
      numbers.push_back(r.second);
      return numbers;
    }
    case Test::kLatitude:
    case Test::kLongitude: return range(r.error, 8);
    case Test::kStationName: return {r.error, corvelin::kNameCharacterError, r.error + 1, r.error + 2};
    case Test::kZone: return range(r.error, 4);
    case Test::kCustom: return {r.messages.begin(), r.messages.end()};
    default: return given({r.error, r.second, r.third});
  }
}

std::string message_cell(const MessageTexts& texts, const std::vector<int>& numbers) {
  std::string cell;
  for (const int n : numbers) cell += (cell.empty() ? "" : "<br>") + texts.shown(n);
  return cell;
}

std::string codes_of(const corvelin::RecordRules& table) {
  const auto code = [](int n) { return "`*" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "*`"; };
  return table.first == table.last ? code(table.first) : code(table.first) + " to " + code(table.last);
}

bool takes(const corvelin::RecordRules& table, std::string_view card) {
  const auto code = orv::record_code(card);
  if (table.first < 0) return !code && orv::cols(card, 7, 7) == "*";
  return code && *code >= table.first && *code <= table.last && orv::cols(card, 7, 7) == "*";
}

}  // namespace

void observation_file(std::ostream& out, const Inputs& inputs) {
  const MessageTexts texts(inputs.path(inputs.data, "messages.txt"));
  out << "## Observation file\n\n"
      << "Read by `corvelin`, `halvic`, `tamrel` and `morandel`; checked by `corvelin`. Each record is 80 columns; "
         "columns 7-10 hold its record code (`*20*`), the header alone has none. The rows of a record are tested "
         "in the order shown; each failing row gives the numbered message of the fault it found.\n\n"
      << "### As `corvelin` checks it\n\n";
  for (const corvelin::RecordRules* kind : corvelin::all_record_rules()) {
    out << "#### " << (kind->first < 0 ? "The " : codes_of(*kind) + " ") << kind->value.record << " record\n\n";
    if (kind->value.applies != nullptr) out << "These rows apply when " << kind->value.applies->says << ".\n\n";
    std::vector<Row> rows;
    for (const Rule& r : kind->value.rules) {
      const std::vector<int> numbers = messages(r);
      if (numbers.empty()) continue;
      // An update row names no columns: it reads the standpoint and the other station.
      const std::string where = r.first == 0 ? "11-14, " + columns(r.other, r.other + 3) : columns(r.first, r.last);
      rows.push_back({where, accepted(r) + modifiers(r), message_cell(texts, numbers)});
    }
    table(out, rows, "Messages");
    const std::string example = example_record(inputs, ".obs", orv::kCardWidth,
                                               [&](std::string_view card) { return takes(*kind, card); });
    if (example.empty()) {
      out << "The bundled examples hold no such record.\n\n";
    } else {
      out << "Example:\n\n";
      example_block(out, example);
    }
  }
  tamrel_observation_checks(out);
}

}  // namespace guide
