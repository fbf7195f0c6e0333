#pragma once
// Column tests of one record, each raising its message when the test fails
// and answering whether it passed, so that a record's rules read as its
// column table and a chain of tests on one field reads as `a && b`.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "checker/checker.hpp"

namespace corvelin {

class FieldTests {
 public:
  FieldTests(Checker& ck, std::string_view rec) : ck_(ck), rec_(rec) {}

  std::string_view at(int first, int last) const { return cols(rec_, first, last); }
  bool is_blank_at(int first, int last) const { return is_blank(at(first, last)); }
  // An optional field is tested only when it is not blank: `optional(..) || test(..)`.
  bool optional(int first, int last) const { return is_blank_at(first, last); }
  char at(int column) const { return col(rec_, column); }

  bool expect(bool ok, int message);
  // Raises every message of a primitive's answer; true when there is none.
  bool expect_none(const std::vector<int>& messages);
  bool expect_zero(int message_or_zero);

  bool digits(int first, int last, int message);
  bool blank(int first, int last, int message);
  bool not_blank(int first, int last, int message);
  bool numeric(int first, int last, int decimals, int message);
  // Each column of the range is a character of the set.
  bool all_in(int first, int last, std::string_view set, int message);
  bool one_of(int first, int last, std::initializer_list<std::string_view> codes, int message);

 private:
  Checker& ck_;
  std::string_view rec_;
};

}  // namespace corvelin
