#include "common/card.hpp"
#include "common/numeric.hpp"
#include "vectors/tamrel.hpp"

namespace tamrel {

namespace {
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kUnsignedDecimal = "0123456789 .";
constexpr std::string_view kSignedImplied = "0123456789 -";
}  // namespace

bool field_ok(std::string_view record, int first, int last, Mode mode) {
  if (last < first) return true;
  switch (mode) {
    case Mode::digits: return orv::field_passes(record, first, last, kDigits);
    case Mode::digits_blanks: return orv::field_passes(record, first, last, orv::kIntegerField);
    case Mode::signed_decimal: return orv::field_passes(record, first, last, orv::kDecimalField);
    case Mode::unsigned_decimal: return orv::field_passes(record, first, last, kUnsignedDecimal);
    case Mode::signed_implied: return orv::field_passes(record, first, last, kSignedImplied);
    case Mode::century: {
      if (first < 1 || last > static_cast<int>(record.size())) return false;
      const auto field = orv::cols(record, first, last);
      return field == "18" || field == "19" || field == "20";
    }
  }
  return true;
}

bool number_ok(std::string_view record, int first, int last, Mode mode) {
  if (!field_ok(record, first, last, mode)) return false;
  if (mode != Mode::signed_decimal && mode != Mode::unsigned_decimal && mode != Mode::signed_implied) return true;
  if (last < first || first < 1 || last > static_cast<int>(record.size())) return true;
  return orv::blank_as_zero(orv::cols(record, first, last)).has_value();
}

bool agency_found(Run& run, std::string_view code) { return run.agencies && run.agencies->contains(code); }

void execution_terminated(Run&) { throw orv::RunEnd{orv::kEarlyEnd}; }

}  // namespace tamrel
