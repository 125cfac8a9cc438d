#include "standsim/engine/action_schedule.h"

#include <algorithm>

#include "standsim/engine/growth_constants.h"

namespace standsim {

namespace {

YearAction action_of_year(const MANACT& action) {
  const double stems = action.REMFLAG[REM_STEMS];
  const double branches = action.REMFLAG[REM_BRANCHES];
  const double roots = action.REMFLAG[REM_ROOTS];
  const double leaves = action.REMFLAG[REM_LEAVES];
  // A planting harvests nothing.
  const double perc = action.ACTTYPE == ACT_PLANTING ? 0.0 : action.PERC;
  return YearAction{action.YEAR, action.ACTTYPE, perc, perc / kPercent,
                    BIOVEC{{branches, roots, roots, leaves, stems}}};
}

}  // namespace

void ActionSchedule::build(const GrowthCall& call, int c, int64_t first, int64_t last) {
  next_ = 0;
  stored_.clear();
  for (int a = 0; a < call.nmact[c]; ++a) {
    const MANACT& action = call.mact_at(c, a);
    if (action.YEAR >= first && action.YEAR <= last) stored_.push_back(&action);
  }
  std::stable_sort(stored_.begin(), stored_.end(),
                   [](const MANACT* a, const MANACT* b) { return a->YEAR < b->YEAR; });
  // Of each run of one year keep the last, the latest in stored order.
  by_year_.clear();
  for (std::size_t i = 0; i < stored_.size(); ++i) {
    const bool shadowed = i + 1 < stored_.size() && stored_[i + 1]->YEAR == stored_[i]->YEAR;
    if (!shadowed) by_year_.push_back(action_of_year(*stored_[i]));
  }
}

}  // namespace standsim
