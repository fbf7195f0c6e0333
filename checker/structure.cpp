#include "checker/structure.hpp"

#include "checker/record_checks.hpp"
#include "common/record_code.hpp"

namespace corvelin {

namespace {

using Deck = StructurePassState::Deck;

// The code of a stored record; every record but the header and trailer has one.
int stored_code(const Record& rec) { return orv::record_code(rec).value_or(-1); }

// An error that stops the syntax and cross-check passes.
void structure_fault(Checker& ck, int message, const Record& rec) {
  raise(ck, message, rec);
  ck.structure_error = true;
}

// Error 700 behaves three ways; these are the last two.
void late_in_series(Checker& ck, const Record& rec) {
  if (!ck.structure_error) structure_fault(ck, 700, rec);
}
void late_in_positions(Checker& ck, const Record& rec) { raise(ck, 700, rec); }

bool same(const Record& a, std::string_view b, int first, int last) {
  return cols(a, first, last) == cols(b, first, last);
}

// The duplicate key: code, cc 11-14, cc 15-16 and the further station field.
std::string duplicate_key(const Record& rec, int code) {
  std::string key = orv::joined({cols(rec, 8, 9), cols(rec, 11, 16)});
  if (code >= 50 && code <= 59) return key + std::string(cols(rec, 46, 49));
  if (code >= 20 && code <= 69 && !(code >= 25 && code <= 28)) return key + std::string(cols(rec, 51, 54));
  return key + "    ";
}

// What a *22* may not repeat of a stored *20*: the standpoint, the set, the
// forepoint and the direction.
std::string direction_of(const Record& rec) {
  return std::string(cols(rec, 11, 16)) + std::string(cols(rec, 51, 54)) + std::string(cols(rec, 64, 72));
}

// Writes the record as the next working-copy record and moves the family's
// pointers.  The 3001st record ends the run.
// Whether the record's duplicate key is entered for later searches, and
// whether it may become its family's first record (a *21* never does).
enum class Key { entered, left_out };
enum class Start { may_start, never_starts };

int store(Checker& ck, const Record& rec, Family family, Key key, Start start = Start::may_start) {
  if (ck.working_copy.count() >= kCapacities.working_copy) fatal_termination(ck);
  const int number = ck.working_copy.append(rec);
  if (family != Family::kNone) {
    Pointers& p = ck.family(family);
    if (start == Start::may_start && p.first == 0) p.first = number;
    p.last = number;
  }
  const int code = stored_code(rec);
  if (key == Key::entered) ck.structure.duplicate_keys.add(duplicate_key(rec, code), number);
  if (code == 20) ck.structure.stored_directions.insert(direction_of(rec));
  ck.structure.by_code_and_ssn.add(cols(rec, 7, 14), number);
  return number;
}

// Stored records of the family with the same duplicate key, in order.
std::vector<int> key_candidates(Checker& ck, const Record& rec, Family family) {
  std::vector<int> numbers;
  if (ck.family(family).first == 0) return numbers;
  ck.structure.duplicate_keys.for_each(duplicate_key(rec, stored_code(rec)),
                                       [&](int number) { numbers.push_back(number); });
  return numbers;
}

enum class Duplicate { kNone, kExact, kOtherContent };

// The first candidate identical in cc 7-16 decides.
Duplicate duplicate_search(Checker& ck, const Record& rec, Family family) {
  for (int number : key_candidates(ck, rec, family)) {
    const std::string stored = ck.working_copy.read(number);
    if (same(rec, stored, 7, 16)) {
      return same(rec, stored, 17, 80) ? Duplicate::kExact : Duplicate::kOtherContent;
    }
  }
  return Duplicate::kNone;
}

// An exact duplicate is reported and dropped; the same key with other
// content is reported and stored, without its key.
void general_duplicate_rule(Checker& ck, const Record& rec, Family family, int exact_error) {
  switch (duplicate_search(ck, rec, family)) {
    case Duplicate::kExact:
      raise(ck, exact_error, rec);
      break;
    case Duplicate::kOtherContent:
      raise(ck, 323, rec);
      store(ck, rec, family, Key::left_out);
      break;
    case Duplicate::kNone:
      store(ck, rec, family, Key::entered);
      break;
  }
}

// A stored record with the same key identical in cc 7-80.
bool identical_to_stored(Checker& ck, const Record& rec, Family family) {
  for (int number : key_candidates(ck, rec, family)) {
    if (same(rec, ck.working_copy.read(number), 7, 80)) return true;
  }
  return false;
}

// Stored records of the family range identical in cc 7-14 (same code and SSN).
std::vector<int> same_code_and_ssn(Checker& ck, const Record& rec, Family family) {
  std::vector<int> numbers;
  const Pointers range = ck.family(family);
  if (range.first == 0) return numbers;
  ck.structure.by_code_and_ssn.for_each(cols(rec, 7, 14), [&](int number) {
    if (number >= range.first && number <= range.last) numbers.push_back(number);
  });
  return numbers;
}

// ---- Header and trailer ----------------------------------------------------

void header_step(Checker& ck, const Record& rec) {
  check_header_record(ck, rec);
  ck.header = rec;
  store(ck, rec, Family::kNone, Key::left_out);
}

void trailer_step(Checker& ck, const Record& rec) {
  if (ck.count(80) == 0 && ck.count(81) == 0) raise(ck, 522, rec);
  if (ck.count(90) == 0) raise(ck, 523, rec);
  store(ck, rec, Family::kNone, Key::left_out);
}

// ---- Family rules ------------------------------------------------------------

// Each project record is checked in any case, and stored only where it stands in place.
void project_text_rule(Checker& ck, const Record& rec, int) {
  const bool misplaced = ck.counted(10, 90);
  if (misplaced) structure_fault(ck, 506, rec);
  check_project_text(ck, rec);
  if (!misplaced) store(ck, rec, Family::kNone, Key::left_out);
}

void project_text_continuation_rule(Checker& ck, const Record& rec, int) {
  const bool misplaced = ck.count(10) == 0 || ck.counted(11, 90);
  if (misplaced) {
    structure_fault(ck, 507, rec);
    ck.structure.continuation_expected = false;
  }
  check_project_text(ck, rec);
  if (!misplaced) store(ck, rec, Family::kNone, Key::left_out);
}

void project_span_rule(Checker& ck, const Record& rec, int) {
  ck.project = rec;
  bool misplaced = true;
  if (ck.count(10) == 0) structure_fault(ck, 507, rec);
  else if (ck.counted(13, 90)) structure_fault(ck, 700, rec);
  else misplaced = false;
  check_project_record(ck, rec);
  if (!misplaced) store(ck, rec, Family::kNone, Key::left_out);
}

void datum_rule(Checker& ck, const Record& rec, int) {
  const bool late = ck.counted(20, 90);
  if (late) structure_fault(ck, 700, rec);
  check_datum_record(ck, rec);
  if (!late) store(ck, rec, Family::kNone, Key::left_out);
}

// A *22*: the general search, then the same direction as a stored *20*.
void direction_continuation_duplicates(Checker& ck, const Record& rec) {
  switch (duplicate_search(ck, rec, Family::k20)) {
    case Duplicate::kExact:
      raise(ck, 65, rec);
      return;
    case Duplicate::kOtherContent:
      raise(ck, 323, rec);
      store(ck, rec, Family::k20, Key::left_out);
      return;
    case Duplicate::kNone:
      break;
  }
  if (ck.structure.stored_directions.contains(direction_of(rec))) {
    raise(ck, 472, rec);
    return;
  }
  store(ck, rec, Family::k20, Key::entered);
}

void direction_rule(Checker& ck, const Record& rec, int code) {
  if (code == 20) {
    if (ck.structure.continuation_expected) {
      structure_fault(ck, 511, rec);
      ck.structure.continuation_expected = false;
    }
    if (ck.structure.previous_was_20) raise(ck, 368, rec);
    if (ck.counted(25, 90)) structure_fault(ck, 509, rec);
    else general_duplicate_rule(ck, rec, Family::k20, 41);
    ck.structure.previous_was_20 = true;
    ck.structure.continuation_expected = col(rec, 25) == '1';
    return;
  }
  ck.structure.previous_was_20 = false;
  if (code == 22 && ck.structure.continuation_expected) structure_fault(ck, 511, rec);
  ck.structure.continuation_expected = false;
  if (ck.count(20) == 0) structure_fault(ck, 510, rec);
  else if (ck.counted(25, 90)) late_in_series(ck, rec);
  else if (code == 21) store(ck, rec, Family::k20, Key::left_out, Start::never_starts);
  else direction_continuation_duplicates(ck, rec);
}

void occupation_rule(Checker& ck, const Record& rec, int code) {
  if (code == 25) {
    if (ck.structure.previous_was_25) {
      raise(ck, 526, rec);
    } else if (ck.structure.continuation_expected) {
      raise(ck, 528, rec);
      raise(ck, 525, rec);
    } else if (ck.counted(30, 90)) {
      raise(ck, 525, rec);
    } else if (identical_to_stored(ck, rec, Family::k25)) {
      raise(ck, 527, rec);
    } else {
      store(ck, rec, Family::k25, Key::entered);
    }
    ck.structure.previous_was_25 = true;
    ck.structure.continuation_expected = false;
    return;
  }
  ck.structure.previous_was_25 = false;
  if (ck.count(25) == 0) raise(ck, 529, rec);
  else if (ck.counted(30, 90)) late_in_series(ck, rec);
  else if (code == 27 && identical_to_stored(ck, rec, Family::k25)) raise(ck, 530, rec);
  else store(ck, rec, Family::k25, Key::entered);
}

// The 30-, 40- and 45-series share one shape: a parent whose later families
// are an S error, a plain continuation, and a continuation with a duplicate
// search.
struct SeriesRule {
  int parent;
  Family family;
  int later_from;       // codes later_from..90 must not have been counted
  int late_parent;      // S error of a parent after a later family
  int missing_parent;   // S error of a continuation without parent
  int open_continuation;  // S error of a record met while a continuation is expected
  int parent_exact;     // exact-duplicate errors of the parent and the second record
  int second_exact;
};

constexpr SeriesRule kAngles = {30, Family::k30, 40, 512, 513, 514, 82, 94};
constexpr SeriesRule kVerticals = {40, Family::k40, 45, 515, 516, 517, 107, 112};
constexpr SeriesRule kHeights = {45, Family::k45, 50, 534, 535, 536, 538, 539};

void series_rule(Checker& ck, const Record& rec, int code, const SeriesRule& rule) {
  const int offset = code - rule.parent;
  if (offset == 0) {
    // Only the 40-series parent looks at a continuation left open.
    if (rule.parent == 40 && ck.structure.continuation_expected) {
      structure_fault(ck, rule.open_continuation, rec);
      ck.structure.continuation_expected = false;
    }
    if (ck.counted(rule.later_from, 90)) structure_fault(ck, rule.late_parent, rec);
    general_duplicate_rule(ck, rec, rule.family, rule.parent_exact);
    ck.structure.continuation_expected = col(rec, 25) == '1';
    return;
  }
  if (offset == 2 && ck.structure.continuation_expected) structure_fault(ck, rule.open_continuation, rec);
  ck.structure.continuation_expected = false;
  if (ck.count(rule.parent) == 0) structure_fault(ck, rule.missing_parent, rec);
  else if (ck.counted(rule.later_from, 90)) late_in_series(ck, rec);
  else if (offset == 1) store(ck, rec, rule.family, Key::left_out);
  else general_duplicate_rule(ck, rec, rule.family, rule.second_exact);
}

// The exact-duplicate message of each distance record.
constexpr orv::ByCode<int> kDistanceDuplicates[] = {{50, 143}, {51, 155}, {52, 173}, {53, 182}, {54, 189}};

void distance_rule(Checker& ck, const Record& rec, int code) {
  if (ck.counted(60, 90)) structure_fault(ck, 518, rec);
  if (code == 55) {
    ck.structure.continuation_expected = false;
    store(ck, rec, Family::k50, Key::entered);
    return;
  }
  const auto* duplicate = orv::row_for(kDistanceDuplicates, code);
  if (duplicate == nullptr) return;  // 56-59: counted, never stored
  const int exact_error = duplicate->value;
  if (code <= 52 && ck.structure.continuation_expected) structure_fault(ck, 519, rec);
  ck.structure.continuation_expected = code == 50 && col(rec, 15) == '1';
  if (identical_to_stored(ck, rec, Family::k50)) raise(ck, exact_error, rec);
  else store(ck, rec, Family::k50, Key::entered);
}

// The exact-duplicate message of each 60-series record.
constexpr orv::ByCode<int> kSixtyDuplicates[] = {{60, 204}, {61, 214}};

void sixty_rule(Checker& ck, const Record& rec, int code) {
  if (ck.counted(70, 90)) structure_fault(ck, 520, rec);
  general_duplicate_rule(ck, rec, Family::k60, orv::row_for(kSixtyDuplicates, code)->value);
}

// A code-table record's family, and its messages for a stored record of the
// same code: identical in cc 14-80, and otherwise different (0: the *70*
// rule on cc 14 instead).
struct FamilyMessages {
  Family family;
  int identical;
  int different;
};
constexpr orv::ByCode<FamilyMessages> kFamilyMessagess[] = {
    {70, {Family::k70, 220, 0}}, {71, {Family::k71, 473, 475}}, {72, {Family::k72, 482, 481}}};

void code_table_rule(Checker& ck, const Record& rec, int code) {
  if (ck.counted(80, 90)) structure_fault(ck, 521, rec);
  const FamilyMessages& record = orv::row_for(kFamilyMessagess, code)->value;
  const Family family = record.family;
  const int identical_error = record.identical;
  bool duplicate = false;
  const Pointers range = ck.family(family);
  if (range.first != 0) {
    ck.working_copy.scan(range.first, range.last, [&](int, std::string_view stored) {
      if (!same(rec, stored, 8, 9) || !same(rec, stored, 11, 13)) return true;
      if (same(rec, stored, 14, 80)) {
        raise(ck, identical_error, rec);
        duplicate = true;
      } else if (record.different != 0) {
        raise(ck, record.different, rec);
      } else if (col(stored, 14) != '8') {
        raise(ck, 329, rec);
      }
      return true;
    });
  }
  if (!duplicate) store(ck, rec, family, Key::left_out);
  enter_code_table(ck, rec, code);
}

constexpr orv::ByCode<int> kIdenticalPositions[] = {{80, 252}, {81, 264}, {82, 270}};

void position_rule(Checker& ck, const Record& rec, int code) {
  if (ck.count(90) != 0) late_in_positions(ck, rec);
  const bool auxiliary = code == 82;
  const StationEntry entry = enter_station(ck, cols(rec, 11, 14), auxiliary ? kAuxiliary : kControl,
                                           auxiliary ? cols(rec, 51, 54) : std::string_view("    "));
  if (!entry.existed) {
    ck.stations.at(entry.index).position_record = store(ck, rec, Family::k80, Key::left_out);
  } else {
    bool identical = false;
    for (int number : same_code_and_ssn(ck, rec, Family::k80)) {
      if (same(rec, ck.working_copy.read(number), 15, 80)) {
        raise(ck, orv::row_for(kIdenticalPositions, code)->value, rec);
        identical = true;
      } else {
        raise(ck, auxiliary ? 332 : 330, rec);
      }
    }
    if (!identical) store(ck, rec, Family::k80, Key::left_out);
  }
  check_position_record(ck, rec, code);
}

// The family of each annex record and its messages for a stored record of
// the same code and SSN, identical in cc 15-80 or not.
constexpr orv::ByCode<FamilyMessages> kPositionAnnexes[] = {{83, {Family::k80, 279, 333}},
                                                             {84, {Family::k80, 284, 334}},
                                                             {85, {Family::k85, 294, 335}},
                                                             {86, {Family::k86, 450, 451}}};

void position_annex_rule(Checker& ck, const Record& rec, int code) {
  if (ck.count(90) != 0) {
    late_in_positions(ck, rec);
    return;
  }
  const FamilyMessages& annex = orv::row_for(kPositionAnnexes, code)->value;
  const Family family = annex.family;
  bool identical = false;
  for (int number : same_code_and_ssn(ck, rec, family)) {
    if (same(rec, ck.working_copy.read(number), 15, 80)) {
      raise(ck, annex.identical, rec);
      identical = true;
    } else {
      raise(ck, annex.different, rec);
    }
  }
  if (!identical) store(ck, rec, family, Key::left_out);
}

void ninety_rule(Checker& ck, const Record& rec) {
  if (ck.count(80) == 0 && ck.count(81) == 0) {
    structure_fault(ck, 522, rec);
    return;
  }
  for (int number : same_code_and_ssn(ck, rec, Family::k90)) {
    if (same(rec, ck.working_copy.read(number), 15, 80)) {
      raise(ck, 298, rec);
      return;
    }
  }
  store(ck, rec, Family::k90, Key::left_out);
}

// The family rules by code; any other data record is passed over, uncounted.
using Step = void (*)(Checker&, const Record&, int code);
constexpr orv::ByCode<Step> kStructureSteps[] = {
    {10, project_text_rule},
    {11, project_text_continuation_rule},
    {12, project_span_rule},
    {13, datum_rule},
    {20, 22, direction_rule},
    {25, 28, occupation_rule},
    {30, 32, [](Checker& ck, const Record& rec, int code) { series_rule(ck, rec, code, kAngles); }},
    {40, 42, [](Checker& ck, const Record& rec, int code) { series_rule(ck, rec, code, kVerticals); }},
    {45, 47, [](Checker& ck, const Record& rec, int code) { series_rule(ck, rec, code, kHeights); }},
    {50, 59, distance_rule},
    {60, 61, sixty_rule},
    {70, 72, code_table_rule},
    {80, 82, position_rule},
    {83, 86, position_annex_rule},
    {90, [](Checker& ck, const Record& rec, int) { ninety_rule(ck, rec); }},
};

void structure_step(Checker& ck, const Record& rec, int code) {
  if (code != 10 && code != 11 && code != 12 && (ck.count(10) == 0 || ck.count(12) == 0) && !ck.structure.raised_508) {
    structure_fault(ck, 508, rec);
    ck.structure.raised_508 = true;
  }
  const Step step = orv::step_for(kStructureSteps, code);
  if (step == nullptr) return;
  step(ck, rec, code);
  ++ck.counts[static_cast<std::size_t>(code)];
}

}  // namespace

void structure_pass(Checker& ck) {
  orv::CardReader reader(ck.input.get(), orv::kCardWidth);
  Record rec = orv::make_card("");
  Record last = rec;
  while (reader.next(rec)) {
    last = rec;
    ++ck.records_read;
    const std::optional<int> code = orv::record_code(rec);
    const bool data_record = code.has_value();
    if (ck.structure.deck == Deck::after_trailer) {
      structure_fault(ck, 504, rec);
      break;
    }
    if (ck.structure.deck == Deck::before_header) {
      if (data_record) {
        structure_fault(ck, 505, rec);
        continue;
      }
      header_step(ck, rec);
      ck.structure.deck_code = std::string(cols(rec, 8, 9));
      ck.structure.deck = Deck::in_deck;
    } else if (data_record) {
      structure_step(ck, rec, *code);
    } else if (cols(rec, 8, 9) == ck.structure.deck_code) {
      trailer_step(ck, rec);
      ck.structure.deck = Deck::after_trailer;
    } else {
      structure_fault(ck, 313, rec);
    }
  }
  if (ck.structure.deck != Deck::after_trailer) raise(ck, 524, last);
}

}  // namespace corvelin
