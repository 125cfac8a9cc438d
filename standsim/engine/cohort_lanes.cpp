#include "standsim/engine/cohort_lanes.h"

#include <algorithm>

#include "standsim/engine/stand_budget.h"

namespace standsim {

CohortGroup::CohortGroup(int first, int ncoh) : count(std::min(kLanes, ncoh - first)) {
  for (int i = 0; i < kLanes; ++i) cohort[i] = std::min(first + i, ncoh - 1);
}

CohortLanes::CohortLanes(std::span<const COHPAR> params, const CohortGroup& group) {
  const auto field = [&](auto member) {
    return gather(group, [&](int c) -> const BIOVEC& { return params[c].*member; });
  };
  CarbonContent = field(&COHPAR::CarbonContent);
  ctN = field(&COHPAR::ctN);
  ctCa = field(&COHPAR::ctCa);
  ctMg = field(&COHPAR::ctMg);
  ctK = field(&COHPAR::ctK);
  TurnOver = field(&COHPAR::TurnOver);
  for (int i = 0; i < kLanes; ++i) {
    const COHPAR& p = params[group.cohort[i]];
    Nlfmin.x[i] = p.Nlfmin;
    Nlfmax.x[i] = p.Nlfmax;
    Kgr.x[i] = p.Kgr;
    MaxGrowth.x[i] = p.MaxGrowth;
    evergreen.x[i] = is_evergreen(p) ? -1 : 0;
  }
}

const LaneAction LaneActions::kNone{};

LaneActions::LaneActions(const CohortGroup& group, std::span<ActionSchedule> schedules)
    : count_(group.count) {
  for (int i = 0; i < count_; ++i) {
    schedules_[i] = &schedules[group.cohort[i]];
    schedules_[i]->restart();
  }
}

const LaneAction& LaneActions::gather(int64_t y) {
  next_ = INT64_MAX;
  for (int i = 0; i < count_; ++i) {
    const YearAction& a = schedules_[i]->take(y);
    action_.fraction.x[i] = a.fraction;
    for (int k = 0; k < kCompartments; ++k) action_.rem.v[k].x[i] = a.rem.v[k];
    action_.type[i] = a.type;
    action_.perc.x[i] = a.perc;
    next_ = std::min(next_, schedules_[i]->next_year());
  }
  for (int i = count_; i < kLanes; ++i) {
    const int last = count_ - 1;
    action_.fraction.x[i] = action_.fraction.x[last];
    for (int k = 0; k < kCompartments; ++k) action_.rem.v[k].x[i] = action_.rem.v[k].x[last];
    action_.type[i] = action_.type[last];
    action_.perc.x[i] = action_.perc.x[last];
  }
  return action_;
}

}  // namespace standsim
