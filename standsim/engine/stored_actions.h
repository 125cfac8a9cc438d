// What the models read of a stored management action, and one pass over the
// stored actions of all cohorts of a call that finds whether every one can
// be read and in which order they are stored.
#pragma once

#include <cstdint>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

inline bool year_inside(const GrowthCall& call, int32_t y) { return y >= call.ib && y <= call.ie; }

inline bool percentage_readable(double perc) { return perc >= 0.0 && perc <= 100.0; }

// The removal flags multiply the harvest taken off the site: each is 0 or 1.
inline bool flag_readable(int32_t flag) { return flag == 0 || flag == 1; }

// What the models take from an action: the share harvested and the factors
// of what leaves the site. A planting harvests nothing: the models set its
// percentage to zero and read no flag.
inline bool harvest_readable(const MANACT& action) {
  if (action.ACTTYPE == ACT_PLANTING) return true;
  // Every flag is 0 or 1 when none has a bit above the lowest.
  const uint32_t flags =
      static_cast<uint32_t>(action.REMFLAG[0]) | static_cast<uint32_t>(action.REMFLAG[1]) |
      static_cast<uint32_t>(action.REMFLAG[2]) | static_cast<uint32_t>(action.REMFLAG[3]);
  return percentage_readable(action.PERC) && flags <= 1;
}

// What the pass over all cohorts' actions found.
struct StoredActions {
  // Every count of actions is within 0..NPMAX and every action sound.
  bool sound = false;
  // Each cohort's actions are stored in the order of their years.
  StoredActionOrder order = StoredActionOrder::any;
};

// The pass over the actions 1..NMACT of every cohort of CALL, all cohorts'
// N-th actions side by side as they are stored. Only the scalars of CALL
// need to be checked before.
StoredActions survey_stored_actions(const GrowthCall& call, bool harvests);

}  // namespace standsim
