#pragma once
// The management schedule the workbench proposes for a cohort: for a natural
// stand thinnings every 20 years over the deposition period, for an
// even-aged stand a planting, thinnings every 10 years and a clearcut at the
// end of the species' rotation.

#include <vector>

#include "tarvex/data/management.h"

namespace tarvex {

struct PlannedAction {
  int Year;
  int ActType;  // standsim::ActionType
  double Perc;
};

// Stems and branches are taken from the site, roots and leaves are left.
inline constexpr RemovalFlags kDefaultRemovalFlags{1, 1, 0, 0};

// Natural stand: thinnings of 10 % from FIRSTYEAR + 20 in steps of 20 years
// while within LASTYEAR, at least one. Even-aged stand: planting of 100 % in
// FIRSTYEAR, thinnings of 20 % at the stand ages 10, 20, ... below ROTATION
// (from age 20 when ROTATION exceeds 60), clearcut of 100 % at ROTATION.
std::vector<PlannedAction> DefaultSchedule(bool naturalForest, int firstYear, int lastYear,
                                           int rotation);

// Whether MANAGEMENT holds the actions of SCHEDULE in their order, each but a
// planting with the default removal flags (those of a planting remove
// nothing and are not kept by the window's grid).
bool HoldsSchedule(const CForMan& management, const std::vector<PlannedAction>& schedule);

}  // namespace tarvex
