#include "tarvex/window_logic/default_management.h"

#include <algorithm>

#include "standsim/engine/growth_records.h"

namespace tarvex {

std::vector<PlannedAction> DefaultSchedule(bool naturalForest, int firstYear, int lastYear,
                                           int rotation) {
  std::vector<PlannedAction> schedule;
  if (naturalForest) {
    int year = firstYear + 20;
    do {
      schedule.push_back({year, standsim::ACT_THINNING, 10.0});
      year += 20;
    } while (year <= lastYear);
    return schedule;
  }
  schedule.push_back({firstYear, standsim::ACT_PLANTING, 100.0});
  for (int age = rotation > 60 ? 20 : 10; age < rotation; age += 10) {
    schedule.push_back({firstYear + age, standsim::ACT_THINNING, 20.0});
  }
  schedule.push_back({firstYear + rotation, standsim::ACT_CLEARCUT, 100.0});
  return schedule;
}

bool HoldsSchedule(const CForMan& management, const std::vector<PlannedAction>& schedule) {
  if (management.NrForManData != static_cast<int>(schedule.size())) return false;
  for (std::size_t k = 0; k < schedule.size(); ++k) {
    const standsim::MANACT& held = management.ManActions[k];
    const PlannedAction& planned = schedule[k];
    if (held.YEAR != planned.Year || held.ACTTYPE != planned.ActType || held.PERC != planned.Perc) {
      return false;
    }
    if (planned.ActType != standsim::ACT_PLANTING &&
        !std::equal(kDefaultRemovalFlags.begin(), kDefaultRemovalFlags.end(), held.REMFLAG)) {
      return false;
    }
  }
  return true;
}

}  // namespace tarvex
