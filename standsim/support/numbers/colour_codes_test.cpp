#include "standsim/support/numbers/colour_codes.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace standsim {
namespace {

TEST(ColourCodes, DigitsBecomeLevelsOf51) {
  struct Case {
    int32_t code;
    std::array<int32_t, 3> rgb;
  };
  const std::vector<Case> cases{{0, {0, 0, 0}},           {123, {51, 102, 153}},
                                {50, {0, 255, 0}},        {555, {255, 255, 255}},
                                {999, {255, 255, 255}},   {59, {0, 255, 459}},
                                {-123, {-51, -102, -153}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    std::array<int32_t, 3> irgb{-1, -1, -1};
    CODE2RGB(c.code, irgb);
    EXPECT_EQ(irgb, c.rgb);
  }
}

}  // namespace
}  // namespace standsim
