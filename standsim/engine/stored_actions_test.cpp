#include "standsim/engine/stored_actions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

// Three cohorts of four actions each, a planting in year 1 and thinnings in
// years 10, 20 and 30, in arrays of years 0..59 and of 6 actions; the
// cohorts fill the capacity of cohorts, or leave a slot whose actions
// cannot be read.
struct ActionsCase {
  const char* what;
  std::function<void(Site&)> change;
  bool sound;
  bool harvests = true;
};

Site actions_site(const ActionsCase& test, int32_t cohort_capacity) {
  Site site(0, 59, cohort_capacity, 6);
  site.ncoh = 3;
  for (int c = 0; c < cohort_capacity; ++c) {
    site.add_action(c, 1, ACT_PLANTING);
    for (int32_t y = 10; y <= 30; y += 10) site.add_action(c, y, ACT_THINNING, 25.0);
  }
  if (cohort_capacity > 3) site.action(3, 2).PERC = std::nan("");
  test.change(site);
  return site;
}

GrowthCall actions_call(const Site& site) {
  GrowthCall call;
  call.ib = site.ib;
  call.ie = site.ie;
  call.ncmax = site.ncmax;
  call.ncoh = site.ncoh;
  call.npmax = site.npmax;
  call.mact = site.mact;
  call.nmact = site.nmact;
  return call;
}

// Whether no cohort's actions are refused.
bool sound(const GrowthCall& call, bool harvests) {
  for (int c = 0; c < call.ncoh; ++c) {
    if (!refuse_stored_actions(call, c, harvests).empty()) return false;
  }
  return true;
}

// The years that the schedule of the actions of cohort C, built over the
// years of the arrays, takes one after the other.
std::vector<int64_t> scheduled_years(const GrowthCall& call, int c) {
  ActionSchedule schedule;
  schedule.build(call, c, call.ib, call.ie);
  std::vector<int64_t> years;
  for (int64_t y = schedule.next_year(); y != INT64_MAX; y = schedule.next_year()) {
    schedule.take(y);
    years.push_back(y);
  }
  return years;
}

// Actions are sound when the models can read them; whatever the order of
// their storage, the schedules take each cohort's years in increasing order.
TEST(StoredActions, UnreadableOnesAreRefusedAndSoundOnesScheduledByYear) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  // Changes the action A of cohort C.
  const auto set = [](int c, int a, std::function<void(MANACT&)> change) {
    return [=](Site& site) { change(site.action(c, a)); };
  };
  const std::vector<ActionsCase> cases = {
      {"all sound", [](Site&) {}, true},
      {"a year below the arrays", set(1, 2, [](MANACT& m) { m.YEAR = -1; }), false},
      {"a first year below the arrays", set(1, 0, [](MANACT& m) { m.YEAR = -1; }), false},
      {"a year above the arrays", set(2, 3, [](MANACT& m) { m.YEAR = 60; }), false},
      {"the lowest year", set(0, 1, [](MANACT& m) { m.YEAR = INT32_MIN; }), false},
      {"the highest year", set(0, 3, [](MANACT& m) { m.YEAR = INT32_MAX; }), false},
      {"the lowest and the highest years, in order",
       [](Site& site) {
         site.ib = INT32_MIN;
         site.ie = INT32_MAX;
         site.action(1, 0).YEAR = INT32_MIN;
         site.action(1, 3).YEAR = INT32_MAX;
       },
       true},
      {"the lowest and the highest years, out of order",
       [](Site& site) {
         site.ib = INT32_MIN;
         site.ie = INT32_MAX;
         site.action(1, 1).YEAR = INT32_MAX;
         site.action(1, 2).YEAR = -10;
       },
       true},
      {"a year below the one before", set(2, 2, [](MANACT& m) { m.YEAR = 5; }), true},
      {"one year twice", set(2, 2, [](MANACT& m) { m.YEAR = 10; }), true},
      {"percentage 100", set(1, 1, [](MANACT& m) { m.PERC = 100.0; }), true},
      {"percentage -0", set(1, 1, [](MANACT& m) { m.PERC = -0.0; }), true},
      {"percentage above 100", set(1, 1, [](MANACT& m) { m.PERC = 100.5; }), false},
      {"percentage below 0", set(1, 1, [](MANACT& m) { m.PERC = -1e-300; }), false},
      {"percentage NaN", set(1, 1, [](MANACT& m) { m.PERC = nan; }), false},
      {"percentage -NaN", set(1, 1, [](MANACT& m) { m.PERC = -nan; }), false},
      {"percentage infinite", set(1, 1, [](MANACT& m) { m.PERC = inf; }), false},
      {"a flag of 0", set(0, 2, [](MANACT& m) { m.REMFLAG[3] = 0; }), true},
      {"a flag of 2", set(0, 2, [](MANACT& m) { m.REMFLAG[1] = 2; }), false},
      {"a flag of -1", set(0, 2, [](MANACT& m) { m.REMFLAG[2] = -1; }), false},
      {"a flag with its top bit", set(0, 2, [](MANACT& m) { m.REMFLAG[0] = INT32_MIN; }), false},
      {"a planting's harvest",
       set(2, 0,
           [](MANACT& m) {
             m.PERC = nan;
             m.REMFLAG[0] = 7;
           }),
       true},
      {"harvests of an unknown type", set(1, 1, [](MANACT& m) { m.PERC = nan; }), true, false},
      {"a fault after the actions every cohort has",
       [](Site& site) { site.add_action(1, 50, ACT_THINNING, 101.0); }, false},
      {"an earlier year after the actions every cohort has",
       [](Site& site) { site.add_action(1, 25, ACT_CLEARCUT, 100.0); }, true},
      {"a count beyond the capacity", [](Site& site) { site.nmact[0] = 7; }, false},
      // Counts no action.
      {"a count below 0", [](Site& site) { site.nmact[2] = -1; }, true},
      {"cohorts without actions", [](Site& site) { site.nmact.assign(4, 0); }, true},
  };
  for (const int32_t capacity : {3, 4}) {
    for (const ActionsCase& test : cases) {
      const Site site = actions_site(test, capacity);
      const GrowthCall call = actions_call(site);
      EXPECT_EQ(sound(call, test.harvests), test.sound) << test.what << ", capacity " << capacity;
      if (!test.sound) continue;
      for (int c = 0; c < call.ncoh; ++c) {
        std::set<int64_t> years;  // of the counted actions
        for (int a = 0; a < call.nmact[c]; ++a) years.insert(call.mact_at(c, a).YEAR);
        EXPECT_EQ(scheduled_years(call, c), std::vector<int64_t>(years.begin(), years.end()))
            << test.what << ", capacity " << capacity << ", cohort " << c + 1;
      }
    }
  }
}

}  // namespace
}  // namespace standsim::testing
