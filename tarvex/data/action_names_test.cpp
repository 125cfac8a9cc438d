#include "tarvex/data/action_names.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using standsim::ACT_CLEARCUT;
using standsim::ACT_NONE;
using standsim::ACT_PLANTING;
using standsim::ACT_THINNING;

TEST(ActionNames, EachActionReadsBackFromItsName) {
  for (int type : {ACT_THINNING, ACT_CLEARCUT, ACT_PLANTING}) {
    EXPECT_EQ(ActionOfName(ActionName(type)), type) << ActionName(type);
  }
}

// A grid cell holds any text: only the exact names of a clearcut and a
// planting count as those, an empty cell as no action, any other text as a
// thinning; a type without a name is shown as "Unknown".
TEST(ActionNames, OtherTextsAndTypes) {
  EXPECT_EQ(ActionOfName(""), ACT_NONE);
  EXPECT_EQ(ActionOfName("planting"), ACT_THINNING);
  EXPECT_EQ(ActionOfName("Unknown"), ACT_THINNING);
  EXPECT_STREQ(ActionName(ACT_NONE), "Unknown");
  EXPECT_STREQ(ActionName(7), "Unknown");
}

}  // namespace
}  // namespace tarvex
