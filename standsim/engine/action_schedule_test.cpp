#include "standsim/engine/action_schedule.h"

#include <gtest/gtest.h>

#include <vector>

#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

struct StoredAction {
  int32_t year, type;
  double perc;
};

// The type and percentage that each of the years 1..8 takes, walked in order.
std::vector<std::pair<int32_t, double>> walk(const std::vector<StoredAction>& stored) {
  Site site;
  for (const StoredAction& a : stored) site.add_action(0, a.year, a.type, a.perc);
  GrowthCall call;
  call.ncmax = site.ncmax;
  call.nmact = site.nmact;
  call.mact = site.mact;
  ActionSchedule schedule;
  schedule.build(call, 0, 1, 8);
  std::vector<std::pair<int32_t, double>> taken;
  for (int32_t y = 1; y <= 8; ++y) {
    const YearAction& action = schedule.take(y);
    taken.emplace_back(action.type, action.perc);
  }
  return taken;
}

TEST(ActionSchedule, TakesEachYearsLastStoredActionInTheOrderOfYears) {
  using Taken = std::vector<std::pair<int32_t, double>>;
  const Taken none(8, {ACT_NONE, 0.0});
  struct Case {
    const char* what;
    std::vector<StoredAction> stored;
    Taken expected;
  };
  Taken in_order = none;
  in_order[1] = {ACT_PLANTING, 0.0};  // a planting harvests nothing, whatever its percentage
  in_order[4] = {ACT_THINNING, 30.0};
  in_order[6] = {ACT_CLEARCUT, 100.0};
  Taken first_and_last = in_order;
  first_and_last[0] = {ACT_THINNING, 15.0};
  first_and_last[7] = {ACT_PLANTING, 0.0};
  Taken later_wins = none;
  later_wins[2] = {ACT_THINNING, 10.0};
  later_wins[5] = {ACT_PLANTING, 0.0};
  const std::vector<Case> cases = {
      {"in order",
       {{2, ACT_PLANTING, 50.0}, {5, ACT_THINNING, 30.0}, {7, ACT_CLEARCUT, 100.0}},
       in_order},
      {"out of order",
       {{7, ACT_CLEARCUT, 100.0}, {2, ACT_PLANTING, 50.0}, {5, ACT_THINNING, 30.0}},
       in_order},
      {"one year twice",
       {{6, ACT_THINNING, 20.0},
        {3, ACT_PLANTING, 0.0},
        {6, ACT_PLANTING, 0.0},
        {3, ACT_THINNING, 10.0}},
       later_wins},
      {"one year twice, in order",
       {{3, ACT_PLANTING, 0.0},
        {3, ACT_THINNING, 10.0},
        {6, ACT_THINNING, 20.0},
        {6, ACT_PLANTING, 0.0}},
       later_wins},
      {"before and after the years walked",
       {{0, ACT_THINNING, 5.0}, {9, ACT_CLEARCUT, 100.0}},
       none},
      {"in order, from before to after the years walked",
       {{-3, ACT_PLANTING, 0.0},
        {0, ACT_THINNING, 5.0},
        {1, ACT_THINNING, 15.0},
        {2, ACT_PLANTING, 50.0},
        {5, ACT_THINNING, 30.0},
        {7, ACT_CLEARCUT, 100.0},
        {8, ACT_PLANTING, 0.0},
        {9, ACT_CLEARCUT, 100.0}},
       first_and_last},
      {"none", {}, none},
  };
  for (const Case& c : cases) EXPECT_EQ(walk(c.stored), c.expected) << c.what;
}

}  // namespace
}  // namespace standsim::testing
