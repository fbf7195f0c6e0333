#include <gtest/gtest.h>

#include <string>

#include "checker/stations.hpp"
#include "common/report_lines.hpp"

namespace {

using namespace corvelin;

// A full table: every station found under its own index with its own
// reference, however the SSNs crowd one part of the table.
TEST(StationTable, FullTableFindsEveryStation) {
  StationTable table;
  for (int n = 0; n < kCapacities.stations; ++n) {
    const std::string ssn = orv::format("%04d", n * 8);
    ASSERT_EQ(table.find(ssn), 0) << ssn;
    ASSERT_EQ(table.append(ssn, n % 2 == 0 ? kControl : kAuxiliary, orv::format("%04d", n)), n + 1);
  }
  EXPECT_TRUE(table.full());
  for (int n = 0; n < kCapacities.stations; ++n) {
    const std::string ssn = orv::format("%04d", n * 8);
    ASSERT_EQ(table.find(ssn), n + 1) << ssn;
    EXPECT_EQ(table.reference(n + 1), orv::format("%04d", n));
    EXPECT_EQ(table.is_known(ssn), n % 2 == 0);
  }
  EXPECT_EQ(table.find("0001"), 0);
  EXPECT_EQ(table.find("000"), 0);  // a key is all its columns
  EXPECT_EQ(table.find("00000"), 0);
}

}  // namespace
