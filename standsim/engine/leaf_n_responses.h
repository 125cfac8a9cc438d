// The leaf N response to each year's deposition d, exp(-expNlf x d), year by
// year, for each expNlf of the cohorts: cohorts that share expNlf share the
// series, so the exponential is computed once per year and expNlf and not
// once per cohort and year.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "standsim/engine/growth_call.h"

namespace standsim {

class LeafNResponses {
 public:
  // The series run over the years FIRST..LAST, which must all have deposition.
  LeafNResponses(const GrowthCall& call, int64_t first, int64_t last)
      : call_(call), first_(first), last_(last) {}

  // The series of EXPNLF: element y - FIRST holds the response in year y.
  const double* series(double expnlf);

 private:
  const GrowthCall& call_;
  int64_t first_;
  int64_t last_;
  std::vector<std::pair<uint64_t, std::vector<double>>> series_;  // by the bits of expNlf
};

}  // namespace standsim
