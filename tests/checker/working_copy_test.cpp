#include <gtest/gtest.h>

#include <string>

#include "checker/scratch_files.hpp"
#include "common/card.hpp"
#include "common/files.hpp"
#include "common/report_lines.hpp"

namespace {

using corvelin::WorkingCopy;

std::string record(int n) { return orv::make_card(orv::format("%06d*20*", n)); }

// Blocks read once are kept; records appended after a block was read, in the
// same block or past the kept ones, must still read back as written, also
// while a scan is reading other records in between.
TEST(WorkingCopy, RecordsAppendedAfterAReadAreReadBackAcrossBlocks) {
  WorkingCopy copy;
  ASSERT_TRUE(copy.open(orv::open_scratch()));
  for (int n = 1; n <= 300; ++n) copy.append(record(n));
  EXPECT_EQ(copy.read(300), record(300));
  for (int n = 301; n <= 5000; ++n) copy.append(record(n));
  EXPECT_EQ(copy.read(301), record(301));
  EXPECT_EQ(copy.read(5000), record(5000));

  int visited = 0;
  copy.scan(250, 4700, [&](int number, std::string_view stored) {
    EXPECT_EQ(stored, record(number));
    EXPECT_EQ(copy.read(5001 - number), record(5001 - number));
    ++visited;
    return number < 4600;
  });
  EXPECT_EQ(visited, 4600 - 250 + 1);
}

TEST(WorkingCopy, ARecordNotStoredIsAReadFailure) {
  WorkingCopy copy;
  ASSERT_TRUE(copy.open(orv::open_scratch()));
  copy.append(record(1));
  EXPECT_THROW(copy.read(2), corvelin::ScratchFailure);
  EXPECT_THROW(copy.read(0), corvelin::ScratchFailure);
  ASSERT_TRUE(copy.open(orv::open_scratch()));  // a new copy forgets the blocks of the old one
  copy.append(record(7));
  EXPECT_EQ(copy.read(1), record(7));
}

}  // namespace
