#include "standsim/engine/action_schedule.h"

#include <algorithm>

#include "standsim/engine/growth_constants.h"

namespace standsim {

void ActionSchedule::build(const GrowthCall& call, int c) {
  by_year_.clear();
  next_ = 0;
  for (int a = 0; a < call.nmact[c]; ++a) by_year_.push_back(&call.mact_at(c, a));
  const auto earlier = [](const MANACT* a, const MANACT* b) { return a->YEAR < b->YEAR; };
  // Actions are mostly stored in the order of their years.
  if (!std::is_sorted(by_year_.begin(), by_year_.end(), earlier)) {
    std::stable_sort(by_year_.begin(), by_year_.end(), earlier);
  }
  // Of each run of one year keep the last, the latest in stored order.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < by_year_.size(); ++i) {
    const bool shadowed = i + 1 < by_year_.size() && by_year_[i + 1]->YEAR == by_year_[i]->YEAR;
    if (!shadowed) by_year_[kept++] = by_year_[i];
  }
  by_year_.resize(kept);
}

YearAction ActionSchedule::take(int64_t y) {
  while (next_ < by_year_.size() && by_year_[next_]->YEAR < y) ++next_;
  if (next_ == by_year_.size() || by_year_[next_]->YEAR != y) return {};
  const MANACT& action = *by_year_[next_++];
  const double stems = action.REMFLAG[REM_STEMS];
  const double branches = action.REMFLAG[REM_BRANCHES];
  const double roots = action.REMFLAG[REM_ROOTS];
  const double leaves = action.REMFLAG[REM_LEAVES];
  // A planting harvests nothing.
  const double perc = action.ACTTYPE == ACT_PLANTING ? 0.0 : action.PERC;
  return YearAction{action.ACTTYPE, perc, perc / kPercent, BIOVEC{{branches, roots, roots, leaves, stems}}};
}

}  // namespace standsim
