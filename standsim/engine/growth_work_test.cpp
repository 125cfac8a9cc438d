#include "standsim/engine/growth_work.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace standsim {
namespace {

TEST(GrowthWorkDeathTest, WorkBeyondTheAddressSpaceStopsNamingTheLibrary) {
  constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
  constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();
  EXPECT_EXIT(GrowthWork(kMost, kLeast, kMost, GrowthWork::Order::kYearsOfACohortTogether),
              ::testing::ExitedWithCode(EXIT_FAILURE), "standsim: out of memory: GROWTH");
}

TEST(GrowthWork, StartsAtZeroInEitherOrder) {
  for (auto order : {GrowthWork::Order::kYearsOfACohortTogether, GrowthWork::Order::kCohortsOfAYearTogether}) {
    GrowthWork work(3, 10, 14, order);
    for (int c = 0; c < 3; ++c) {
      for (int32_t y = 10; y <= 14; ++y) {
        const std::size_t at = work.at(c, y);
        ASSERT_LT(at, 15u);
        EXPECT_EQ(work.acttyp[at], 0);
        EXPECT_EQ(work.wsoilin[at].v[NUT_SIXTH], 0.0);
        work.acttyp[at] = 1;  // every cohort-year has its own element
      }
    }
    for (int32_t t : work.acttyp) EXPECT_EQ(t, 1);
  }
}

}  // namespace
}  // namespace standsim
