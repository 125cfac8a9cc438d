#include "standsim/support/text/leading_zero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace standsim {
namespace {

TEST(LeadingZero, PutsTheZeroBeforeThePoint) {
  struct Case {
    float x;
    std::string text;
    int32_t back;
    std::string result;
  };
  const Case cases[] = {
      {0.5f, "  .50", 1, " 0.50"},
      {-0.5f, " -.5", 1, "-0.5"},
      {0.0f, " .0", 0, "0.0"},
      {1.0f, "  1.0", 1, "  1.0"},
      {-1.0f, " -1.0", 1, " -1.0"},
      {0.25f, ".25", 1, ".25"},  // no room before the point
      {-0.25f, "-.25", 1, "-.25"},
      {0.5f, "a.b.c", 1, "a.0.c"},  // the last point, whatever stood before it
      {0.5f, "a.b.c", 0, "0.b.c"},
      {0.5f, "no point", 1, "no point"},
      {0.96f, " 1.0", 1, " 1.0"},  // rounded up to 1 when written: no zero goes in
      {-0.96f, " -1.0", 1, " -1.0"},
      {std::numeric_limits<float>::quiet_NaN(), " .5", 1, " .5"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    LEADZERO(c.x, text, c.back);
    EXPECT_EQ(text, c.result) << c.x << " [" << c.text << "]";
  }
}

}  // namespace
}  // namespace standsim
