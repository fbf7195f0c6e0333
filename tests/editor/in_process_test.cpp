#include <gtest/gtest.h>

#include "editor/driver.hpp"
#include "tests/support/in_process.hpp"

namespace {

// Guards a corrected data set cut short by a full disk being left behind, or passed as complete.
TEST(EditorInProcess, AFullDiskAtAnyPointEndsTheRunInOrder) {
  const std::string in = "tests/e2e/morandel/unified-position-update/in/";
  const auto session = orv::test::session_with({{"basin.obs", in + "basin.obs"}, {"basin.dsc", in + "basin.dsc"}},
                                               "basin.obs\ny\nbasin.dsc\nY\ny\nbasin-fixed.obs\nbasin-fixed.dsc\n"
                                               "basin.rpt\ny\ny\nn\ny\nN\nn\nY\nn\ny\nn\nn\ny\nn\nY\n");
  orv::test::expect_every_full_disk_handled(morandel::run, session, {"basin-fixed.obs", "basin-fixed.dsc"});
}

}  // namespace
