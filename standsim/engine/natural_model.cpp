#include "standsim/engine/natural_model.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/cohort_lanes.h"
#include "standsim/engine/finite_results.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_messages.h"
#include "standsim/engine/leaf_n_responses.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// The biomass of a group's cohorts through one year: growth, harvest and
// mortality.
struct YearGrowth {
  BioLanes bio, removed, exported, dead, now;
};

// The year of a group's cohorts whose stems stood at ST in the year before,
// in a stand of stem volume S (m3/ha); S + Kgr is not zero. (Inlined, so that
// a run of the stems alone computes the stems alone.)
[[gnu::always_inline]] inline YearGrowth grow(const Lanes& st, const Lanes& s, const CohortLanes& p,
                                              const BioLanes& factors, const LaneAction& action) {
  YearGrowth g;
  const Lanes inc = p.MaxGrowth / (s + p.Kgr) * st;
  g.bio = biovec_of(st + inc) * factors;
  g.removed = g.bio * biovec_of(action.fraction);
  g.exported = g.removed * action.rem;
  // Mortality takes the stems' rate of every compartment.
  g.dead = (g.bio - g.removed) * biovec_of(p.TurnOver.v[ST]);
  g.now = (g.bio - g.removed) - g.dead;
  return g;
}

// A group of cohorts and what it keeps from one year to the next.
struct StandGroup {
  CohortGroup group;
  CohortLanes p;
  BioLanes factors;  // the expansion factors, of the first point
  Lanes to_mass;     // of a volume, by wood density
  BioLanes prev;     // the biomass of the year before
  std::array<const double*, kLanes> responses;
  LaneActions actions;
  LaneResults results;
};

// The groups of the cohorts of CALL, set to the year before the period.
std::unique_ptr<StandGroup[]> stand_groups(const GrowthCall& call, std::span<const COHPAR> params,
                                           std::span<ActionSchedule> schedules,
                                           LeafNResponses& responses, std::size_t count) {
  // An array and not a std::vector: g++ 12 gets the alignment of a vector's
  // 32-byte elements wrong in a function built for several targets.
  auto groups = std::make_unique<StandGroup[]>(count);
  for (std::size_t g = 0; g < count; ++g) {
    StandGroup& s = groups[g];
    s.group = CohortGroup(static_cast<int>(g) * kLanes, call.ncoh);
    s.p = CohortLanes(params, s.group);
    s.factors = gather(s.group, [&](int c) -> const BIOVEC& { return call.bafval_at(c, 0); });
    Lanes initial;
    for (int i = 0; i < kLanes; ++i) {
      const int c = s.group.cohort[i];
      s.to_mass.x[i] = params[c].WoodDensityKg * kVolumeToMass;
      initial.x[i] = call.biom[call.result(c, call.iyr1 - 1)].v[ST];
      s.responses[i] = responses.series(params[c].expNlf);
    }
    s.prev = biovec_of(initial) * s.factors;
    s.actions = LaneActions(s.group, schedules);
    s.results = LaneResults(call, s.group);
  }
  return groups;
}

// Runs the years of the period for GROUPS, storing their results when STORE
// is set. The growth of every year depends on the stem volume of the whole
// stand the year before, so the groups go through the years together.
// Returns the message of the first cohort and year whose growth rate would
// divide by zero, else an empty text.
template <bool kStore>
[[gnu::always_inline]] inline std::string run_years(const GrowthCall& call,
                                                    std::span<StandGroup> groups) {
  for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
    // Summed cohort after cohort.
    double s = 0.0;
    for (const StandGroup& group : groups) {
      const Lanes volume = group.prev.v[ST] / group.to_mass;
      for (int i = 0; i < group.group.count; ++i) s += volume.x[i];
    }
    const Lanes stand = lanes_of(s);
    const auto t = static_cast<std::size_t>(y - call.iyr1);
    for (StandGroup& group : groups) {
      for (int i = 0; i < group.group.count; ++i) {
        if (s + group.p.Kgr.x[i] == 0.0) {
          return "E: cohort " + integer_text(group.group.cohort[i] + 1) + ", year " +
                 integer_text(y) + ": stem volume of the stand plus Kgr is zero";
        }
      }
      CohortLanes& p = group.p;
      const BioLanes& prev = group.prev;
      const YearGrowth g = grow(prev.v[ST], stand, p, group.factors, group.actions.take(y));
      if constexpr (kStore) {
        BioLanes turnover = g.now * p.TurnOver;
        turnover.v[ST] = Lanes{};  // stems have no turnover, only mortality
        const BioLanes litf = ((g.removed - g.exported) + g.dead) + turnover;

        const Lanes leaf_n = update_leaf_n(p, lanes_at(group.responses, t));
        NutLanes upt{};
        const Lanes gross = gross_n_uptake(g.bio, prev, turnover, p);
        upt.v[NUT_N] = select(p.evergreen, gross,
                              gross - (turnover.v[LV] - prev.v[LV]) * kEquivalentsN * leaf_n);
        cation_uptake(g.now, prev, g.exported, p, upt);
        NutLanes soilin{};
        soil_inputs(litf, p, soilin);
        group.results.store(y, g.now, litf, upt, soilin);
      }
      group.prev = g.now;
    }
  }
  return {};
}

}  // namespace

[[STANDSIM_LANE_TARGETS]] std::string natural_model(const GrowthCall& call,
                                                    std::span<COHPAR> params) {
  if (call.ncoh == 0 || call.iyr2 < call.iyr1) return {};  // nothing to simulate
  CohortSchedules schedules(call.ncoh);
  for (int c = 0; c < call.ncoh; ++c) schedules[c].build(call, c, call.iyr1, call.iyr2);
  LeafNResponses responses(call, call.iyr1, call.iyr2);
  const auto count = static_cast<std::size_t>((call.ncoh + kLanes - 1) / kLanes);
  const auto groups_of = [&] {
    return stand_groups(call, params, schedules.all(), responses, count);
  };

  // A growth rate can divide by zero only where a cohort's Kgr is zero, for
  // stem volumes are never negative: then the stems run alone first, so that
  // a failing run writes nothing.
  const bool may_fail =
      std::any_of(params.begin(), params.end(), [](const COHPAR& p) { return p.Kgr == 0.0; });
  if (may_fail) {
    const std::unique_ptr<StandGroup[]> trial = groups_of();
    if (std::string failure = run_years<false>(call, std::span(trial.get(), count));
        !failure.empty())
      return failure;
  }
  const std::unique_ptr<StandGroup[]> groups = groups_of();
  run_years<true>(call, std::span(groups.get(), count));
  for (std::size_t g = 0; g < count; ++g) {
    if (groups[g].results.stored_not_finite()) return refuse_results_not_finite(call);
  }
  for (std::size_t g = 0; g < count; ++g) {
    const StandGroup& group = groups[g];
    for (int i = 0; i < group.group.count; ++i)
      params[group.group.cohort[i]].ctN.v[LV] = group.p.ctN.v[LV].x[i];
  }
  return {};
}

}  // namespace standsim
