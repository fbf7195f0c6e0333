#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/numbers_by_key.hpp"
#include "common/report_lines.hpp"

namespace {

using corvelin::NumbersByKey;

std::vector<int> numbers(const NumbersByKey& index, std::string_view key) {
  std::vector<int> found;
  index.for_each(key, [&](int number) { found.push_back(number); });
  return found;
}

// Each key's numbers in the order added, across the growth of the index, and
// keys told apart by every character and by their length.
TEST(NumbersByKey, EachKeysNumbersInOrderAcrossGrowth) {
  NumbersByKey index;
  EXPECT_TRUE(numbers(index, "*20*0001").empty());
  for (int n = 1; n <= 3000; ++n) index.add(orv::format("*20*%04d", n % 1000), n);
  index.add("*20*000", 3001);
  EXPECT_EQ(numbers(index, "*20*0007"), (std::vector<int>{7, 1007, 2007}));
  EXPECT_EQ(numbers(index, "*20*0000"), (std::vector<int>{1000, 2000, 3000}));
  EXPECT_EQ(numbers(index, "*20*000"), (std::vector<int>{3001}));
  EXPECT_TRUE(numbers(index, "*22*0007").empty());
  EXPECT_TRUE(numbers(index, "").empty());
}

}  // namespace
