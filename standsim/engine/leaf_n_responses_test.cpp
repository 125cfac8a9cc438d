#include "standsim/engine/leaf_n_responses.h"

#include <gtest/gtest.h>

#include <cmath>

#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

// Cohorts ask in turns: each must get its own expNlf's values for every year,
// and cohorts of one expNlf the same series.
TEST(LeafNResponses, EachExponentGetsItsOwnSeriesOfEveryYear) {
  Site site;
  GrowthCall call;
  call.ie = site.ie;
  call.ndep = site.ndep;
  LeafNResponses responses(call, 3, 9);
  const double* first = responses.series(0.7);
  for (double expnlf : {0.7, 0.3, -0.0, 0.0, 0.7, 0.3}) {
    const double* series = responses.series(expnlf);
    for (int64_t y = 3; y <= 9; ++y) {
      EXPECT_EQ(series[y - 3], std::exp(-expnlf * site.ndep[static_cast<std::size_t>(y - 1)]))
          << "expNlf " << expnlf << ", year " << y;
    }
  }
  EXPECT_EQ(responses.series(0.7), first);
}

}  // namespace
}  // namespace standsim::testing
