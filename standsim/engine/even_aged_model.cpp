#include "standsim/engine/even_aged_model.h"

#include <algorithm>
#include <array>
#include <vector>

#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_curve_interpolation.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// A cohort's stem biomass increment (g/m2/yr) and expansion factors at the
// ages 1..1000: element k - 1 holds age k.
struct AgeTables {
  std::vector<double> cai = std::vector<double>(kTableAges);
  std::array<std::vector<double>, kCompartments> baf;
  std::vector<int32_t> ages;
  std::vector<double> values;

  AgeTables() {
    for (auto& column : baf) column.resize(kTableAges);
  }

  // Fills the ages 1..N of the tables; N is all a cohort's years can reach.
  void build(const GrowthCall& call, const COHPAR& p, int c, std::size_t n) {
    const int npoints = call.ncaip[c];
    ages.resize(static_cast<std::size_t>(npoints));
    values.resize(static_cast<std::size_t>(npoints));
    const double to_mass = p.WoodDensityKg * kVolumeToMass;
    for (int i = 0; i < npoints; ++i) {
      ages[i] = call.caip_at(c, i).AGE;
      values[i] = call.caip_at(c, i).INC * to_mass;
    }
    LININT(ages, values, std::span(cai).first(n));

    const int nbaf = call.nbaf[c];
    ages.resize(static_cast<std::size_t>(nbaf));
    values.resize(static_cast<std::size_t>(nbaf));
    for (int j = 0; j < nbaf; ++j) ages[j] = call.bafage_at(c, j);
    for (int comp = 0; comp < kCompartments; ++comp) {
      for (int j = 0; j < nbaf; ++j) values[j] = call.bafval_at(c, j).v[comp];
      // Never set: the ages were checked to differ from their neighbours, and
      // every evaluation bracket is a pair of neighbours.
      bool bad_ages = false;
      SPLINEGRID(ages, values, std::span(baf[comp]).first(n), bad_ages);
    }
  }

  BIOVEC factors(int k) const {
    const std::size_t i = static_cast<std::size_t>(std::min(k, kTableAges) - 1);
    return BIOVEC{{baf[BR][i], baf[CR][i], baf[FR][i], baf[LV][i], baf[ST][i]}};
  }
  double increment(int k) const { return cai[static_cast<std::size_t>(std::min(k, kTableAges) - 1)]; }
};

}  // namespace

void EVEN_AGED_MODEL(const GrowthCall& call, std::span<COHPAR> params, GrowthWork& work) {
  AgeTables tables;
  for (int c = 0; c < call.ncoh; ++c) {
    COHPAR& p = params[c];
    const int32_t y0 = call.mact_at(c, 0).YEAR;
    if (y0 > call.iyr2) continue;
    // A stand planted in year y0 reaches at most the age index IYR2 - y0 + 2.
    tables.build(call, p, c, static_cast<std::size_t>(std::min<int64_t>(int64_t{call.iyr2} - y0 + 2, kTableAges)));

    const bool evergreen = IS_EVERGREEN(p);
    int k = 1;  // age index
    bool present = false;
    for (int64_t y = y0; y <= call.iyr2; ++y) {
      const std::size_t at = work.at(c, y);
      const int32_t type = work.acttyp[at];
      if (type == ACT_PLANTING) {
        work.actperc[at] = 0.0;
        present = true;
        k = 2;
      }
      if (!present) continue;

      const BIOVEC prev = work.wbiom[work.at(c, y - 1)];
      const double s = prev.v[ST] + tables.increment(k);
      const BIOVEC bio = BIOVEC_OF(s) * tables.factors(k);
      const BIOVEC removed = bio * BIOVEC_OF(work.actperc[at] / kPercent);
      const BIOVEC now = bio - removed;
      work.wbiom[at] = now;
      const BIOVEC exported = removed * work.actrem[at];
      const BIOVEC turnover = now * p.TurnOver;
      work.wlitf[at] = (removed - exported) + turnover;

      const double leaf_n = UPDATE_LEAF_N(p, call.ndep_of(std::max<int64_t>(call.iyr1, y)));
      NUTVEC& upt = work.wupt[at];
      upt.v[NUT_N] = GROSS_N_UPTAKE(bio, prev, turnover, p);
      if (!evergreen) {
        upt.v[NUT_N] = upt.v[NUT_N] - leaf_n * kEquivalentsN * (turnover.v[LV] - prev.v[LV]);
      }
      CATION_UPTAKE(now, prev, exported, p, upt);
      SOIL_INPUTS(work.wlitf[at], p, work.wsoilin[at]);

      if (type == ACT_CLEARCUT || (type == ACT_THINNING && work.actperc[at] == kPercent)) {
        present = false;
      } else {
        ++k;
      }
    }
  }
}

}  // namespace standsim
