#include <gtest/gtest.h>

#include "checker/driver.hpp"
#include "tests/support/in_process.hpp"

namespace {

// Guards a report or scratch file cut short by a full disk being passed as a complete check.
TEST(CheckerInProcess, AFullDiskAtAnyPointEndsTheRunInOrder) {
  const auto session = orv::test::session_with({{"deck.obs", "tests/e2e/shared/tarrasco-valley.obs"}},
                                               "deck.obs\nreport.txt\n");
  orv::test::expect_every_full_disk_handled(corvelin::run, session);
}

}  // namespace
