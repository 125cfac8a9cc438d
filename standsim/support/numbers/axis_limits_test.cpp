#include "standsim/support/numbers/axis_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace standsim {
namespace {

constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

TEST(AxisLimits, DecimalExponent) {
  struct Case {
    float x;
    int32_t expected;
  };
  const std::vector<Case> cases{
      {0.0f, -999},  {5.0f, 0},        {10.0f, 1},       {123.0f, 2},    {0.5f, -1},
      {-0.05f, -2},  {0.0999999f, -1}, {0.0999998f, -2}, {9.999999f, 0}, {1.0f, 0},
      {3.0e38f, 38}, {1.0e-45f, -45},  {inf, -999},      {-inf, -999},   {nan, -999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(DECEXP(c.x), c.expected);
  }
}

TEST(AxisLimits, RoundsTheRangeOutToOneDigit) {
  struct Case {
    float xmin, xmax, ylo, yhi;
  };
  const std::vector<Case> cases{
      {3.0f, 37.0f, 0.0f, 40.0f},    // 40 / 3 > 5: the axis starts at 0
      {-2.0f, 37.0f, -4.0f, 40.0f},  // 40 / 2 > 10: the negative part is cut to a tenth
      {5.0f, 5.0f, 5.0f, 5.0f},      // an empty range stays
      {9.0f, 2.0f, 9.0f, 2.0f},      // a reversed range stays
      {31.0f, 37.0f, 30.0f, 40.0f},  // 30 and 40
      {30.0f, 30.5f, 30.0f, 40.0f},  // 30 stays 30
      {0.0f, 0.37f, 0.0f, 0.4f},      {0.0f, 1.0e-45f, 0.0f, 1.0e-45f},  // the smallest subnormal
      {-37.0f, -3.0f, -40.0f, -3.0f}, {-37.0f, 0.0f, -40.0f, 0.0f},
      {-5.0f, 20.0f, -5.0f, 20.0f},  // 20 / 5 is not above 10
      {2.0f, 10.0f, 2.0f, 10.0f},    // 10 / 2 is exactly 5: not above it
      {-0.02f, 0.2f, -0.02f, 0.2f},  // exactly 10 in 4 bytes; a tenth of 0.2 would be -0.0200000014
      {0.0f, inf, 0.0f, inf},        // limits that are not finite come back as they are
      {-inf, 1.0f, -inf, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.xmin << " .. " << c.xmax);
    float ylo = -1.0f, yhi = -1.0f;
    AXLIMITS(c.xmin, c.xmax, ylo, yhi);
    EXPECT_EQ(ylo, c.ylo);
    EXPECT_EQ(yhi, c.yhi);
  }
  float ylo = -1.0f, yhi = -1.0f;
  AXLIMITS(nan, 5.0f, ylo, yhi);
  EXPECT_TRUE(std::isnan(ylo));
  EXPECT_EQ(yhi, 5.0f);
}

}  // namespace
}  // namespace standsim
