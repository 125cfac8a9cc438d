// One GROWTH call on the engine's side of the boundary.
#pragma once

#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// Checks the input and runs the stand model of CALL's management type, which
// writes the years IYR1..IYR2 of every cohort into the result arrays.
// Returns an empty text on success, else the "E:" message. A refused input,
// or a natural stand whose growth rate would divide by zero, leaves the
// result arrays and the records untouched. A run that makes a result of the
// period that is not finite (inputs far beyond any stand) is refused with
// the message naming the first one; the years IYR1..IYR2 of every cohort
// are then zero in all four result arrays. An unknown management type
// returns zeros for the period too. The leaves slot of ctN of every record
// is written on success only.
std::string run_growth(const GrowthCall& call);

}  // namespace standsim
