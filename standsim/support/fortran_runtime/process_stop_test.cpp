#include "standsim/support/fortran_runtime/process_stop.h"

#include <gtest/gtest.h>

namespace standsim {
namespace {

TEST(ProcessStopDeathTest, WritesTheMessageAndExitsWithFailure) {
  EXPECT_EXIT(stop_process("INDEXI: nstack too small!"), testing::ExitedWithCode(EXIT_FAILURE),
              "INDEXI: nstack too small!");
}

}  // namespace
}  // namespace standsim
