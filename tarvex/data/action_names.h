#pragma once
// The names of the management actions, as the management grid and its
// drop-down list show them.

#include <string_view>

#include "standsim/engine/growth_records.h"

namespace tarvex {

// "Thinning", "Clearcut" or "Planting" for those types; "Unknown" for any
// other type (a row that held only a year).
const char* ActionName(int type);

// The type of an action named NAME: none for an empty name, a clearcut or a
// planting for their names, a thinning for any other text.
standsim::ActionType ActionOfName(std::string_view name);

}  // namespace tarvex
