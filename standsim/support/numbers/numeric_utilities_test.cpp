#include "standsim/support/numbers/numeric_utilities.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace standsim {
namespace {

TEST(NumericUtilities, NdigitsCountsTheSign) {
  struct Case {
    int32_t n, width;
  };
  const std::vector<Case> cases{{0, 1},
                                {9, 1},
                                {-5, 2},
                                {10, 2},
                                {999999999, 9},
                                {-1000000000, 11},
                                {std::numeric_limits<int32_t>::max(), 10},
                                {std::numeric_limits<int32_t>::min(), 11}};
  for (const Case& c : cases) EXPECT_EQ(NDIGITS(c.n), c.width) << c.n;
}

TEST(NumericUtilities, RampIsClampedAndStepsForReversedEnds) {
  struct Case {
    float x, x1, x2, expected;
  };
  const std::vector<Case> cases{
      {-1, 0, 10, 0},       {0, 0, 10, 0}, {5, 0, 10, 0.5f}, {10, 0, 10, 1}, {12, 0, 10, 1},
      {2.5f, 0, 10, 0.25f}, {5, 5, 5, 0},  {6, 5, 5, 1},     {3, 5, 2, 0},   {6, 5, 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " on " << c.x1 << " .. " << c.x2);
    EXPECT_EQ(RAMP(c.x, c.x1, c.x2, 0.0f, 1.0f), c.expected);
  }
}

TEST(NumericUtilities, DropaboveKeepsTheOrderAndZeroesTheFreedPlaces) {
  struct Case {
    const char* name;
    std::vector<int32_t> ivec;
    int32_t n;
    std::vector<int32_t> expected;
    int32_t kept, removed;
  };
  const std::vector<Case> cases{
      {"mixed", {3, 7, 1, 9, 5}, 5, {3, 1, 5, 0, 0}, 3, 2},
      {"adjacent large entries", {6, 7, 1, 8}, 4, {1, 0, 0, 0}, 1, 3},
      {"all removed", {6, 7}, 2, {0, 0}, 0, 2},
      {"none removed", {1, 2}, 2, {1, 2}, 2, 0},
      {"only the first N count", {1, 9, 9}, 2, {1, 0, 9}, 1, 1},
      {"no entries", {9}, 0, {9}, 0, 0},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DROPABOVE(5, c.n, c.ivec), c.removed);
    EXPECT_EQ(c.n, c.kept);
    EXPECT_EQ(c.ivec, c.expected);
  }
}

}  // namespace
}  // namespace standsim
