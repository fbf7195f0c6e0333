#include <gtest/gtest.h>

#include "vectors/driver.hpp"
#include "tests/support/in_process.hpp"

namespace {

// Guards a short or long report cut short by a full disk being passed as complete.
TEST(VectorsInProcess, AFullDiskAtAnyPointEndsTheRunInOrder) {
  const auto session =
      orv::test::session_with({{"survey.obs", "examples/mesa.obs"}, {"survey.gps", "examples/mesa.gps"}},
                              "survey.obs\ny\ny\nsurvey.gps\nshort.txt\nlong.txt\n");
  orv::test::expect_every_full_disk_handled(tamrel::run, session);
}

}  // namespace
