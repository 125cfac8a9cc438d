#include "standsim/engine/natural_model.h"

#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_messages.h"
#include "standsim/engine/leaf_n_responses.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// A cohort's biomass through one year: growth, harvest and mortality.
struct YearGrowth {
  BIOVEC bio, removed, exported, dead, now;
};

// The year of a cohort whose stems stood at ST in the year before, in a
// stand of stem volume S (m3/ha); S + Kgr is not zero. (Inlined, so that
// the run of the stems alone computes the stems alone.)
[[gnu::always_inline]] inline YearGrowth grow(double st, double s, const COHPAR& p,
                                              const BIOVEC& factors, const YearAction& action) {
  YearGrowth g;
  const double inc = p.MaxGrowth / (s + p.Kgr) * st;
  g.bio = biovec_of(st + inc) * factors;
  g.removed = g.bio * biovec_of(action.fraction);
  g.exported = g.removed * action.rem;
  // Mortality takes the stems' rate of every compartment.
  g.dead = (g.bio - g.removed) * biovec_of(p.TurnOver.v[ST]);
  g.now = (g.bio - g.removed) - g.dead;
  return g;
}

// The stem volume of the stand in the year before each year of the period,
// element y - IYR1 for year y: a run of the stems alone, year after year,
// for the growth of every year depends on every cohort of the year before.
// Returns the message of the first cohort and year whose growth rate would
// divide by zero, else an empty text.
std::string stand_volumes(const GrowthCall& call, std::span<const COHPAR> params,
                          std::vector<ActionSchedule>& schedules, std::vector<double>& volumes) {
  std::vector<double> stems(static_cast<std::size_t>(call.ncoh));
  std::vector<double> to_mass(static_cast<std::size_t>(call.ncoh));  // of a volume, by wood density
  for (int c = 0; c < call.ncoh; ++c) {
    to_mass[c] = params[c].WoodDensityKg * kVolumeToMass;
    stems[c] = call.biom[call.result(c, call.iyr1 - 1)].v[ST] * call.bafval_at(c, 0).v[ST];
  }
  for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
    double s = 0.0;
    for (int c = 0; c < call.ncoh; ++c) s += stems[c] / to_mass[c];
    volumes.push_back(s);
    for (int c = 0; c < call.ncoh; ++c) {
      const COHPAR& p = params[c];
      if (s + p.Kgr == 0.0) {
        return "E: cohort " + integer_text(c + 1) + ", year " + integer_text(y) +
               ": stem volume of the stand plus Kgr is zero";
      }
      stems[c] = grow(stems[c], s, p, call.bafval_at(c, 0), schedules[c].take(y)).now.v[ST];
    }
  }
  return {};
}

}  // namespace

std::string natural_model(const GrowthCall& call, std::span<COHPAR> params) {
  if (call.ncoh == 0 || call.iyr2 < call.iyr1) return {};  // nothing to simulate
  std::vector<ActionSchedule> schedules(static_cast<std::size_t>(call.ncoh));
  for (int c = 0; c < call.ncoh; ++c) schedules[c].build(call, c, call.iyr1, call.iyr2);
  std::vector<double> volumes;
  volumes.reserve(static_cast<std::size_t>(int64_t{call.iyr2} - call.iyr1 + 1));
  if (std::string failure = stand_volumes(call, params, schedules, volumes); !failure.empty())
    return failure;

  // Every year's stand volume known, the cohorts are computed one after the
  // other, each writing its years in order.
  LeafNResponses responses(call);
  for (int c = 0; c < call.ncoh; ++c) {
    // A copy of the record that the stores into the results cannot touch.
    COHPAR p = params[c];
    const BIOVEC factors = call.bafval_at(c, 0);
    const bool evergreen = is_evergreen(p);
    ActionSchedule& schedule = schedules[c];
    schedule.restart();
    responses.prepare(p.expNlf, call.iyr1, call.iyr2);
    BIOVEC prev = biovec_of(call.biom[call.result(c, call.iyr1 - 1)].v[ST]) * factors;
    for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
      const YearGrowth g = grow(prev.v[ST], volumes[static_cast<std::size_t>(y - call.iyr1)], p,
                                factors, schedule.take(y));
      BIOVEC turnover = g.now * p.TurnOver;
      turnover.v[ST] = 0.0;  // stems have no turnover, only mortality
      const BIOVEC litf = ((g.removed - g.exported) + g.dead) + turnover;

      const double leaf_n = update_leaf_n(p, responses.of_year(y));
      NUTVEC upt{};
      upt.v[NUT_N] = gross_n_uptake(g.bio, prev, turnover, p);
      if (!evergreen) {
        upt.v[NUT_N] = upt.v[NUT_N] - (turnover.v[LV] - prev.v[LV]) * kEquivalentsN * leaf_n;
      }
      cation_uptake(g.now, prev, g.exported, p, upt);
      NUTVEC soilin{};
      soil_inputs(litf, p, soilin);
      call.slots(c, y).assign(g.now, litf, upt, soilin);
      prev = g.now;
    }
    params[c].ctN.v[LV] = p.ctN.v[LV];
  }
  return {};
}

}  // namespace standsim
