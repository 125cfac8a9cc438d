#include "standsim/engine/stored_actions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "standsim/engine/growth_fixture.h"

namespace standsim::testing {
namespace {

// Three cohorts of four actions each, a planting in year 1 and thinnings in
// years 10, 20 and 30, in arrays of years 0..59 and of 6 actions; the
// cohorts fill the capacity of cohorts, or leave a slot whose actions
// cannot be read.
struct SurveyCase {
  const char* what;
  std::function<void(Site&)> change;
  bool sound;
  StoredActionOrder order;
  bool harvests = true;
};

StoredActions Survey(const SurveyCase& test, int32_t cohort_capacity) {
  Site site(0, 59, cohort_capacity, 6);
  site.ncoh = 3;
  for (int c = 0; c < cohort_capacity; ++c) {
    site.add_action(c, 1, ACT_PLANTING);
    for (int32_t y = 10; y <= 30; y += 10) site.add_action(c, y, ACT_THINNING, 25.0);
  }
  if (cohort_capacity > 3) site.action(3, 2).PERC = std::nan("");
  test.change(site);
  GrowthCall call;
  call.ib = site.ib;
  call.ie = site.ie;
  call.ncmax = site.ncmax;
  call.ncoh = site.ncoh;
  call.npmax = site.npmax;
  call.mact = site.mact;
  call.nmact = site.nmact;
  return survey_stored_actions(call, test.harvests);
}

TEST(StoredActions, TheSurveyFindsWhatEachActionLookedAtAloneShows) {
  using enum StoredActionOrder;
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  // Changes the action A of cohort C.
  const auto set = [](int c, int a, std::function<void(MANACT&)> change) {
    return [=](Site& site) { change(site.action(c, a)); };
  };
  const std::vector<SurveyCase> cases = {
      {"all sound", [](Site&) {}, true, by_year},
      {"a year below the arrays", set(1, 2, [](MANACT& m) { m.YEAR = -1; }), false, any},
      {"a first year below the arrays", set(1, 0, [](MANACT& m) { m.YEAR = -1; }), false, any},
      {"a year above the arrays", set(2, 3, [](MANACT& m) { m.YEAR = 60; }), false, any},
      {"the lowest year", set(0, 1, [](MANACT& m) { m.YEAR = INT32_MIN; }), false, any},
      {"the highest year", set(0, 3, [](MANACT& m) { m.YEAR = INT32_MAX; }), false, any},
      {"the lowest and the highest years, in order",
       [](Site& site) {
         site.ib = INT32_MIN;
         site.ie = INT32_MAX;
         site.action(1, 0).YEAR = INT32_MIN;
         site.action(1, 3).YEAR = INT32_MAX;
       },
       true, by_year},
      {"the lowest and the highest years, out of order",
       [](Site& site) {
         site.ib = INT32_MIN;
         site.ie = INT32_MAX;
         site.action(1, 1).YEAR = INT32_MAX;
         site.action(1, 2).YEAR = -10;
       },
       true, any},
      {"a year below the one before", set(2, 2, [](MANACT& m) { m.YEAR = 5; }), true, any},
      {"one year twice", set(2, 2, [](MANACT& m) { m.YEAR = 10; }), true, by_year},
      {"percentage 100", set(1, 1, [](MANACT& m) { m.PERC = 100.0; }), true, by_year},
      {"percentage -0", set(1, 1, [](MANACT& m) { m.PERC = -0.0; }), true, by_year},
      {"percentage above 100", set(1, 1, [](MANACT& m) { m.PERC = 100.5; }), false, by_year},
      {"percentage below 0", set(1, 1, [](MANACT& m) { m.PERC = -1e-300; }), false, by_year},
      {"percentage NaN", set(1, 1, [](MANACT& m) { m.PERC = nan; }), false, by_year},
      {"percentage -NaN", set(1, 1, [](MANACT& m) { m.PERC = -nan; }), false, by_year},
      {"percentage infinite", set(1, 1, [](MANACT& m) { m.PERC = inf; }), false, by_year},
      {"a flag of 0", set(0, 2, [](MANACT& m) { m.REMFLAG[3] = 0; }), true, by_year},
      {"a flag of 2", set(0, 2, [](MANACT& m) { m.REMFLAG[1] = 2; }), false, by_year},
      {"a flag of -1", set(0, 2, [](MANACT& m) { m.REMFLAG[2] = -1; }), false, by_year},
      {"a flag with its top bit", set(0, 2, [](MANACT& m) { m.REMFLAG[0] = INT32_MIN; }), false,
       by_year},
      {"a planting's harvest",
       set(2, 0,
           [](MANACT& m) {
             m.PERC = nan;
             m.REMFLAG[0] = 7;
           }),
       true, by_year},
      {"harvests of an unknown type", set(1, 1, [](MANACT& m) { m.PERC = nan; }), true, by_year,
       false},
      {"a fault after the actions every cohort has",
       [](Site& site) { site.add_action(1, 50, ACT_THINNING, 101.0); }, false, by_year},
      {"an earlier year after the actions every cohort has",
       [](Site& site) { site.add_action(1, 25, ACT_CLEARCUT, 100.0); }, true, any},
      {"a count beyond the capacity", [](Site& site) { site.nmact[0] = 7; }, false, any},
      {"a count below 0", [](Site& site) { site.nmact[2] = -1; }, false, any},
      {"cohorts without actions", [](Site& site) { site.nmact.assign(4, 0); }, true, by_year},
  };
  for (const int32_t capacity : {3, 4}) {
    for (const SurveyCase& test : cases) {
      const StoredActions found = Survey(test, capacity);
      EXPECT_EQ(found.sound, test.sound) << test.what << ", capacity " << capacity;
      if (test.sound) {
        EXPECT_EQ(found.order, test.order) << test.what << ", capacity " << capacity;
      }
    }
  }
}

}  // namespace
}  // namespace standsim::testing
