#include "standsim/engine/leaf_n_responses.h"

#include <gtest/gtest.h>

#include <cmath>

#include "standsim/engine/growth_fixture.h"

namespace standsim::testing {
namespace {

// Cohorts take turns with one table: each request must give its own
// expNlf's values for every year asked, whatever was asked before.
TEST(LeafNResponses, EveryRequestGetsItsOwnExponentAndYears) {
  Site site;
  GrowthCall call;
  call.ie = site.ie;
  call.ndep = site.ndep;
  LeafNResponses responses(call);
  struct Request {
    double expnlf;
    int64_t first, last;
  };
  for (const Request& r : {Request{0.7, 3, 6}, Request{0.7, 4, 5}, Request{0.3, 4, 5},
                           Request{0.3, 1, 9}, Request{-0.0, 2, 2}, Request{0.0, 1, 3}}) {
    responses.prepare(r.expnlf, r.first, r.last);
    for (int64_t y = r.first; y <= r.last; ++y) {
      EXPECT_EQ(responses.of_year(y),
                std::exp(-r.expnlf * site.ndep[static_cast<std::size_t>(y - 1)]))
          << "expNlf " << r.expnlf << ", year " << y;
    }
  }
}

}  // namespace
}  // namespace standsim::testing
