// The even-aged stand model: every cohort is a planted stand that grows
// along its own stem-growth curve from its planting on, is thinned or
// clear-cut by its actions and can be planted again. Cohorts are computed
// one after the other and do not influence each other.
#pragma once

#include <span>
#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// Number of whole ages (1..1000) of the growth and expansion-factor tables;
// a stand older than the tables keeps the values of age 1000.
inline constexpr int kTableAges = 1000;

// Writes the results of the years IYR1..IYR2 of every cohort of CALL (zeros
// where no stand stands) and each simulated year's leaf N content into the
// leaves slot of ctN of the cohort's record in PARAMS. Returns an empty
// text, or the "E:" message of refuse_results_not_finite when a result is
// not finite; the years IYR1..IYR2 of every cohort are then zero. The inputs
// must have passed refuse_growth_input.
std::string even_aged_model(const GrowthCall& call, std::span<COHPAR> params);

}  // namespace standsim
