#include "standsim/engine/natural_model.h"

#include <array>
#include <memory>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/cohort_lanes.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_messages.h"
#include "standsim/engine/leaf_n_responses.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// A cohort's biomass through one year: growth, harvest and mortality. BIO is
// a BIOVEC, or BioLanes for cohorts side by side.
template <typename Bio>
struct YearGrowth {
  Bio bio, removed, exported, dead, now;
};

// The year of a cohort whose stems stood at ST in the year before, in a
// stand of stem volume S (m3/ha); S + Kgr is not zero. (Inlined, so that
// the run of the stems alone computes the stems alone.)
template <typename Real, typename Params, typename Bio, typename Action>
[[gnu::always_inline]] inline YearGrowth<Bio> grow(Real st, Real s, const Params& p,
                                                   const Bio& factors, const Action& action) {
  YearGrowth<Bio> g;
  const Real inc = p.MaxGrowth / (s + p.Kgr) * st;
  g.bio = biovec_of(st + inc) * factors;
  g.removed = g.bio * biovec_of(action.fraction);
  g.exported = g.removed * action.rem;
  // Mortality takes the stems' rate of every compartment.
  g.dead = (g.bio - g.removed) * biovec_of(p.TurnOver.v[ST]);
  g.now = (g.bio - g.removed) - g.dead;
  return g;
}

// What a group of cohorts keeps through the years.
struct StandGroup {
  CohortGroup group;
  CohortLanes p;
  BioLanes factors;  // the expansion factors, of the first point
  Lanes to_mass;     // of a volume, by wood density
  Lanes initial;     // the stem biomass of the year before the period
};

std::unique_ptr<StandGroup[]> stand_groups(const GrowthCall& call, std::span<const COHPAR> params,
                                           int count) {
  auto groups = std::make_unique<StandGroup[]>(static_cast<std::size_t>(count));
  for (int g = 0; g < count; ++g) {
    StandGroup& s = groups[g];
    s.group = CohortGroup(g * kLanes, call.ncoh);
    s.p = CohortLanes(params, s.group);
    s.factors = gather(s.group, [&](int c) -> const BIOVEC& { return call.bafval_at(c, 0); });
    for (int i = 0; i < kLanes; ++i) {
      const int c = s.group.cohort[i];
      s.to_mass.x[i] = params[c].WoodDensityKg * kVolumeToMass;
      s.initial.x[i] = call.biom[call.result(c, call.iyr1 - 1)].v[ST];
    }
  }
  return groups;
}

// The stem volume of the stand in the year before each year of the period,
// element y - IYR1 for year y: a run of the stems alone, year after year,
// for the growth of every year depends on every cohort of the year before.
// Returns the message of the first cohort and year whose growth rate would
// divide by zero, else an empty text.
[[gnu::always_inline]] inline std::string stand_volumes(const GrowthCall& call,
                                                        std::span<const StandGroup> groups,
                                                        std::span<ActionSchedule> schedules,
                                                        std::vector<double>& volumes) {
  auto stems = std::make_unique<Lanes[]>(groups.size());
  auto actions = std::make_unique<LaneActions[]>(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    stems[g] = groups[g].initial * groups[g].factors.v[ST];
    actions[g] = LaneActions(groups[g].group, schedules);
  }
  for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
    // Summed cohort after cohort.
    double s = 0.0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
      const Lanes volume = stems[g] / groups[g].to_mass;
      for (int i = 0; i < groups[g].group.count; ++i) s += volume.x[i];
    }
    volumes.push_back(s);
    const Lanes stand = lanes_of(s);
    for (std::size_t g = 0; g < groups.size(); ++g) {
      const StandGroup& group = groups[g];
      for (int i = 0; i < group.group.count; ++i) {
        if (s + group.p.Kgr.x[i] == 0.0) {
          return "E: cohort " + integer_text(group.group.cohort[i] + 1) + ", year " +
                 integer_text(y) + ": stem volume of the stand plus Kgr is zero";
        }
      }
      stems[g] = grow(stems[g], stand, group.p, group.factors, actions[g].take(y)).now.v[ST];
    }
  }
  return {};
}

}  // namespace

[[gnu::target_clones("arch=x86-64-v4", "avx2", "default")]] std::string natural_model(
    const GrowthCall& call, std::span<COHPAR> params) {
  if (call.ncoh == 0 || call.iyr2 < call.iyr1) return {};  // nothing to simulate
  std::vector<ActionSchedule> schedules(static_cast<std::size_t>(call.ncoh));
  for (int c = 0; c < call.ncoh; ++c) schedules[c].build(call, c, call.iyr1, call.iyr2);
  const int count = (call.ncoh + kLanes - 1) / kLanes;
  const std::unique_ptr<StandGroup[]> groups = stand_groups(call, params, count);
  const std::span<const StandGroup> all(groups.get(), static_cast<std::size_t>(count));
  std::vector<double> volumes;
  volumes.reserve(static_cast<std::size_t>(int64_t{call.iyr2} - call.iyr1 + 1));
  if (std::string failure = stand_volumes(call, all, schedules, volumes); !failure.empty())
    return failure;

  // Every year's stand volume known, the groups are computed one after the
  // other, each writing its years in order.
  LeafNResponses responses(call);
  std::vector<double> lane_responses(volumes.size() * kLanes);  // year by year, lane by lane
  for (const StandGroup& group : all) {
    CohortLanes p = group.p;
    for (int i = 0; i < kLanes; ++i) {
      responses.prepare(params[group.group.cohort[i]].expNlf, call.iyr1, call.iyr2);
      for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
        lane_responses[static_cast<std::size_t>(y - call.iyr1) * kLanes + i] = responses.of_year(y);
      }
    }
    LaneActions actions(group.group, schedules);
    const LaneResults results(call, group.group);
    BioLanes prev = biovec_of(group.initial) * group.factors;
    for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
      const std::size_t t = static_cast<std::size_t>(y - call.iyr1);
      const YearGrowth<BioLanes> g =
          grow(prev.v[ST], lanes_of(volumes[t]), p, group.factors, actions.take(y));
      BioLanes turnover = g.now * p.TurnOver;
      turnover.v[ST] = Lanes{};  // stems have no turnover, only mortality
      const BioLanes litf = ((g.removed - g.exported) + g.dead) + turnover;

      const Lanes leaf_n = update_leaf_n(p, lanes_at(&lane_responses[t * kLanes]));
      NutLanes upt{};
      const Lanes gross = gross_n_uptake(g.bio, prev, turnover, p);
      upt.v[NUT_N] = select(p.evergreen, gross,
                            gross - (turnover.v[LV] - prev.v[LV]) * kEquivalentsN * leaf_n);
      cation_uptake(g.now, prev, g.exported, p, upt);
      NutLanes soilin{};
      soil_inputs(litf, p, soilin);
      results.store(y, g.now, litf, upt, soilin);
      prev = g.now;
    }
    for (int i = 0; i < group.group.count; ++i)
      params[group.group.cohort[i]].ctN.v[LV] = p.ctN.v[LV].x[i];
  }
  return {};
}

}  // namespace standsim
