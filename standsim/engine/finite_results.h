// The refusal of a run whose results are not all finite. Inputs far beyond
// any stand (an increment of 1e307 m3/ha/yr, an expansion factor or content
// whose product with the biomass overflows, a Kgr so small that the growth
// rate overflows) drive a result to infinity or to not a number; the models
// note it as they store the results, and refuse the run through this.
#pragma once

#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// The message naming the first result of the period of CALL that is not
// finite: of the earliest year, the first cohort, and of its results the
// first in the order biomass, litterfall, uptake, soil inputs ("E: cohort 1:
// biomass of stems inf of year 3 is not finite"). In a natural stand, whose
// cohorts grow by the stem volume of all, that is the cohort whose results
// overflowed first. The years IYR1..IYR2 of every cohort are then set to
// zero in all four result arrays. An empty text, and nothing changed, when
// every result of the period is finite. The period of every cohort must
// have been written.
std::string refuse_results_not_finite(const GrowthCall& call);

}  // namespace standsim
