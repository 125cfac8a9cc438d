// The leaf N response to each year's deposition d, exp(-expNlf x d), for one
// expNlf at a time: cohorts that share expNlf share the values, so the
// exponential is computed once per year and not once per cohort and year.
#pragma once

#include <cstdint>
#include <vector>

#include "standsim/engine/growth_call.h"

namespace standsim {

class LeafNResponses {
 public:
  explicit LeafNResponses(const GrowthCall& call) : call_(call) {}

  // Makes the responses of EXPNLF to the deposition of the years FIRST..LAST
  // ready, computing them only when the last values were of another expNlf
  // or fewer years. Every year must have deposition.
  void prepare(double expnlf, int64_t first, int64_t last);

  // The response in year Y, one of the prepared years.
  double of_year(int64_t y) const { return values_[static_cast<std::size_t>(y - first_)]; }

 private:
  const GrowthCall& call_;
  uint64_t expnlf_bits_ = 0;
  int64_t first_ = 0;
  int64_t last_ = -1;  // none prepared
  std::vector<double> values_;
};

}  // namespace standsim
