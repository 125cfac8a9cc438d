// Whether a call's results are surely finite, judged from its inputs alone:
// a bound on every value the models compute, from the largest increment,
// expansion factor, turnover rate and content and the number of years. The
// bound is far above the results of any real stand, and far below the
// largest double; a call above it may still have finite results, which a
// run into work arrays then finds out.
#pragma once

#include "standsim/engine/growth_call.h"

namespace standsim {

// CALL has passed refuse_growth_input.
bool results_surely_finite(const GrowthCall& call);

}  // namespace standsim
