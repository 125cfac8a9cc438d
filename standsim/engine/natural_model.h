// The natural rejuvenation model: the cohorts form one mixed stand; each
// starts from the initial stem biomass the caller put into the year before
// the period and grows at a rate that falls as the stem volume of all
// cohorts together rises.
#pragma once

#include <span>
#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// Writes the results of the years IYR1..IYR2 of every cohort of CALL and
// each year's leaf N content into the leaves slot of ctN of the cohort's
// record in PARAMS. Returns an empty text, or an "E:" message when a growth
// rate would divide by zero (the stand's stem volume plus a cohort's Kgr
// being zero; nothing is then written), or the message of
// refuse_results_not_finite when a result is not finite (the years
// IYR1..IYR2 of every cohort are then zero). The inputs must have passed
// refuse_growth_input.
std::string natural_model(const GrowthCall& call, std::span<COHPAR> params);

}  // namespace standsim
