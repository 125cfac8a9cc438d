#include "standsim/support/fortran_runtime/fortran_random.h"

#include <gtest/gtest.h>

namespace standsim {
namespace {

TEST(RandomNumbers, DrawsLieInTheHalfOpenUnitInterval) {
  double sum = 0.0;
  constexpr int draws = 200000;
  for (int k = 0; k < draws; ++k) {
    float r;
    random_number(r);
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    sum += r;
  }
  EXPECT_NEAR(sum / draws, 0.5, 0.005);
}

TEST(RandomNumbers, PuttingASavedStateBackRepeatsTheSequence) {
  uint64_t state;
  random_seed_get(state);
  float first[3], again[3];
  for (float& r : first) random_number(r);
  random_seed_put(state);
  for (float& r : again) random_number(r);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(again[k], first[k]);
  EXPECT_NE(first[0], first[1]);
}

}  // namespace
}  // namespace standsim
