#include "standsim/support/numbers/power_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace standsim {
namespace {

TEST(PowerConversion, ConvertsAndConvertsBack) {
  EXPECT_EQ(PWRCONV(1, 0.0f, 2, 1, 0), 0.5f);
  EXPECT_EQ(PWRCONVINV(1, 0.5f, 2, 1, 0), 0.0f);

  struct Case {
    int32_t p, r, s, n;
  };
  const std::vector<Case> cases{{1, 2, 1, 0},  {1, 3, 2, 1}, {2, 3, 2, 1},
                                {0, 4, 5, -2}, {1, 1, 1, 3}, {2, 10, 3, 2}};
  for (const Case& c : cases) {
    for (const float x : {-2.0f, -0.5f, 0.0f, 0.25f, 1.5f}) {
      SCOPED_TRACE(testing::Message()
                   << "P " << c.p << " R " << c.r << " S " << c.s << " N " << c.n << " X " << x);
      const float y = PWRCONV(c.p, x, c.r, c.s, c.n);
      EXPECT_TRUE(std::isfinite(y));
      EXPECT_NEAR(PWRCONVINV(c.p, y, c.r, c.s, c.n), x, 2e-6f * (1.0f + std::fabs(x)));
    }
  }
}

TEST(PowerConversion, ModeOtherThanOneTakesTheReciprocalExponents) {
  // u = 1/S = 0.5, w = 1/R = 0.25: 2^0.5 / 4^0.25 * 10^(X + (0.5 - 0.25)) = 10^(X + 0.25).
  EXPECT_NEAR(PWRCONV(2, 0.0f, 4, 2, 1), std::pow(10.0f, 0.25f), 1e-6f);
}

}  // namespace
}  // namespace standsim
