// The checks of a cohort's stored management actions: the models read the
// year of every counted action and, of every one that is no planting, the
// share it harvests and the factors of what leaves the site.
#pragma once

#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// The "E:" message for the first fault of the actions 1..NMACT of cohort C
// of CALL, empty when the models can read all of them: a count beyond
// NPMAX, then the first action whose year lies outside IB..IE, then, when
// HARVESTS, the first action that is no planting with a percentage outside
// 0..100 or a removal flag other than 0 and 1. A count below zero counts no
// action. Only the scalars of CALL need to be checked before.
std::string refuse_stored_actions(const GrowthCall& call, int c, bool harvests);

}  // namespace standsim
