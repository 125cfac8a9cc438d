#include "standsim/engine/natural_model.h"

#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_messages.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {

std::string NATURAL_MODEL(const GrowthCall& call, std::span<COHPAR> params, GrowthWork& work) {
  if (call.ncoh == 0) return {};  // no stand, and no deposition to read
  const int32_t start = call.iyr1 - 1;
  for (int c = 0; c < call.ncoh; ++c) {
    const double st0 = call.biom[call.result(c, start)].v[ST];
    work.wbiom[work.at(c, start)] = BIOVEC_OF(st0) * call.bafval_at(c, 0);
  }

  for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
    // Stem volume of the whole stand in the previous year, m3/ha.
    double s = 0.0;
    for (int c = 0; c < call.ncoh; ++c) {
      s += work.wbiom[work.at(c, y - 1)].v[ST] / (params[c].WoodDensityKg * kVolumeToMass);
    }
    const double d = call.ndep_of(y);

    for (int c = 0; c < call.ncoh; ++c) {
      COHPAR& p = params[c];
      const std::size_t at = work.at(c, y);
      const BIOVEC prev = work.wbiom[work.at(c, y - 1)];
      const double denominator = s + p.Kgr;
      if (denominator == 0.0) {
        return "E: cohort " + INTEGER_TEXT(c + 1) + ", year " + INTEGER_TEXT(y) +
               ": stem volume of the stand plus Kgr is zero";
      }
      const double st = prev.v[ST];
      const double inc = p.MaxGrowth / denominator * st;
      const BIOVEC bio = BIOVEC_OF(st + inc) * call.bafval_at(c, 0);
      if (work.acttyp[at] == ACT_PLANTING) work.actperc[at] = 0.0;
      const BIOVEC removed = bio * BIOVEC_OF(work.actperc[at] / kPercent);
      const BIOVEC exported = removed * work.actrem[at];
      // Mortality takes the stems' rate of every compartment.
      const BIOVEC dead = (bio - removed) * BIOVEC_OF(p.TurnOver.v[ST]);
      const BIOVEC now = (bio - removed) - dead;
      work.wbiom[at] = now;
      BIOVEC turnover = now * p.TurnOver;
      turnover.v[ST] = 0.0;  // stems have no turnover, only mortality
      work.wlitf[at] = ((removed - exported) + dead) + turnover;

      const double leaf_n = UPDATE_LEAF_N(p, d);
      NUTVEC& upt = work.wupt[at];
      upt.v[NUT_N] = GROSS_N_UPTAKE(bio, prev, turnover, p);
      if (!IS_EVERGREEN(p)) {
        upt.v[NUT_N] = upt.v[NUT_N] - (turnover.v[LV] - prev.v[LV]) * kEquivalentsN * leaf_n;
      }
      CATION_UPTAKE(now, prev, exported, p, upt);
      SOIL_INPUTS(work.wlitf[at], p, work.wsoilin[at]);
    }
  }
  return {};
}

}  // namespace standsim
