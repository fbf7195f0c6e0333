#include "checker/record_fields.hpp"

#include <algorithm>

namespace corvelin {

bool FieldTests::expect(bool ok, int message) {
  if (!ok) raise(ck_, message, rec_);
  return ok;
}

bool FieldTests::expect_none(const std::vector<int>& messages) {
  for (int message : messages) raise(ck_, message, rec_);
  return messages.empty();
}

bool FieldTests::expect_zero(int message_or_zero) {
  if (message_or_zero != 0) raise(ck_, message_or_zero, rec_);
  return message_or_zero == 0;
}

bool FieldTests::digits(int first, int last, int message) { return expect(is_digits(at(first, last)), message); }

bool FieldTests::blank(int first, int last, int message) { return expect(is_blank_at(first, last), message); }

bool FieldTests::not_blank(int first, int last, int message) { return expect(!is_blank_at(first, last), message); }

bool FieldTests::numeric(int first, int last, int decimals, int message) {
  return expect(reads_numeric(at(first, last), decimals), message);
}

bool FieldTests::all_in(int first, int last, std::string_view set, int message) {
  return expect(corvelin::all_in(at(first, last), set), message);
}

bool FieldTests::one_of(int first, int last, std::initializer_list<std::string_view> codes, int message) {
  return expect(std::find(codes.begin(), codes.end(), at(first, last)) != codes.end(), message);
}

}  // namespace corvelin
