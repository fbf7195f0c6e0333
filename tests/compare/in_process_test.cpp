#include <gtest/gtest.h>

#include "compare/driver.hpp"
#include "tests/support/in_process.hpp"

namespace {

// Guards a report cut short by a full disk being passed as complete.
TEST(ComparerInProcess, AFullDiskAtAnyPointEndsTheRunInOrder) {
  const auto session = orv::test::session_with(
      {{"survey.obs", "examples/survey.obs"}, {"survey.dsc", "examples/survey-unified-faulty.dsc"}},
      "survey.obs\ny\nsurvey.dsc\nu\nsurvey.rpt\n");
  orv::test::expect_every_full_disk_handled(halvic::run, session);
}

}  // namespace
