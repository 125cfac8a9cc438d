// The natural rejuvenation model: the cohorts form one mixed stand; each
// starts from the initial stem biomass the caller put into the year before
// the period and grows at a rate that falls as the stem volume of all
// cohorts together rises. Years are the outer loop, because each year's
// growth depends on every cohort of the year before.
#pragma once

#include <span>
#include <string>

#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_work.h"

namespace standsim {

// Fills the yearly results of WORK for every cohort of CALL (actions already
// scattered into WORK) and writes each year's leaf N content into the leaves
// slot of ctN of the cohort's record in PARAMS. Returns an empty text, or an
// "E:" message when a growth rate would divide by zero (the stand's stem
// volume plus a cohort's Kgr being zero); WORK is then incomplete. The inputs
// must have passed REFUSE_GROWTH_INPUT.
std::string NATURAL_MODEL(const GrowthCall& call, std::span<COHPAR> params, GrowthWork& work);

}  // namespace standsim
