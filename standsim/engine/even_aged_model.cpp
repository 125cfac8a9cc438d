#include "standsim/engine/even_aged_model.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_curve_interpolation.h"
#include "standsim/engine/leaf_n_responses.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// One expansion-factor point of a cohort.
struct FactorPoint {
  int32_t age;
  BIOVEC value;
  bool operator==(const FactorPoint& o) const {
    return age == o.age && std::memcmp(&value, &o.value, sizeof value) == 0;
  }
};

// A cohort's stem biomass increment (g/m2/yr) and expansion factors at the
// ages 1..1000: element k - 1 holds age k. They grow to the ages a run reaches.
struct AgeTables {
  std::vector<double> cai;
  std::array<std::vector<double>, kCompartments> baf;
  std::vector<int32_t> ages;
  std::vector<double> values;
  // The points of the expansion factors in the tables and how many ages
  // they fill: cohorts with the same points (of one species) share them,
  // for every entry is computed on its own.
  std::vector<FactorPoint> baf_points, points;
  std::size_t baf_ages = 0;

  // Fills the ages 1..N of the tables; N is all a cohort's years reach.
  void build(const GrowthCall& call, const COHPAR& p, int c, std::size_t n) {
    if (cai.size() < n) {
      cai.resize(n);
      for (auto& column : baf) column.resize(n);
    }
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
    points.clear();
    for (int j = 0; j < nbaf; ++j) points.push_back({call.bafage_at(c, j), call.bafval_at(c, j)});
    if (points == baf_points && n <= baf_ages) return;
    ages.resize(static_cast<std::size_t>(nbaf));
    values.resize(static_cast<std::size_t>(nbaf));
    for (int j = 0; j < nbaf; ++j) ages[j] = points[j].age;
    for (int comp = 0; comp < kCompartments; ++comp) {
      for (int j = 0; j < nbaf; ++j) values[j] = points[j].value.v[comp];
      // Never set: the ages were checked to differ from their neighbours, and
      // every evaluation bracket is a pair of neighbours.
      bool bad_ages = false;
      SPLINEGRID(ages, values, std::span(baf[comp]).first(n), bad_ages);
    }
    baf_points.swap(points);
    baf_ages = n;
  }

  BIOVEC factors(int k) const {
    const std::size_t i = static_cast<std::size_t>(std::min(k, kTableAges) - 1);
    return BIOVEC{{baf[BR][i], baf[CR][i], baf[FR][i], baf[LV][i], baf[ST][i]}};
  }
  double increment(int k) const {
    return cai[static_cast<std::size_t>(std::min(k, kTableAges) - 1)];
  }
};

// The largest age index a cohort reaches up to IYR2 with the plantings of
// SCHEDULE: a planting starts the stand at index 2, and it ages by one a
// year at most until the next planting or IYR2. Zero without a planting.
int64_t age_reach(const ActionSchedule& schedule, int64_t iyr2) {
  int64_t reach = 0;
  int64_t planted = -1;
  bool any = false;
  schedule.for_each_planting([&](int64_t y) {
    if (any) reach = std::max(reach, y - planted + 1);
    planted = y;
    any = true;
  });
  return any ? std::max(reach, iyr2 - planted + 2) : 0;
}

}  // namespace

void even_aged_model(const GrowthCall& call, std::span<COHPAR> params) {
  AgeTables tables;
  ActionSchedule schedule;
  LeafNResponses responses(call);
  for (int c = 0; c < call.ncoh; ++c) {
    COHPAR& p = params[c];
    const int64_t y0 = call.mact_at(c, 0).YEAR;
    // The period's years before the first action are empty.
    for (int64_t y = call.iyr1; y <= call.iyr2 && y < y0; ++y) call.slots(c, y).zero();
    if (y0 > call.iyr2) continue;

    schedule.build(call, c, y0, call.iyr2);
    const int64_t reach = std::min<int64_t>(age_reach(schedule, call.iyr2), kTableAges);
    tables.build(call, p, c, static_cast<std::size_t>(reach));
    // Years before the period take the deposition of IYR1.
    responses.prepare(p.expNlf, std::max<int64_t>(call.iyr1, y0),
                      std::max<int64_t>(call.iyr1, call.iyr2));

    const bool evergreen = is_evergreen(p);
    int k = 1;  // age index
    bool present = false;
    BIOVEC prev{};  // the biomass of the year before, none before y0
    for (int64_t y = y0; y <= call.iyr2; ++y) {
      const YearAction& action = schedule.take(y);
      if (action.type == ACT_PLANTING) {
        present = true;
        k = 2;
      }
      UnreturnedYear unreturned;
      const YearResultSlots r = y >= call.iyr1 ? call.slots(c, y) : unreturned.slots();
      r.zero();
      if (present) {
        const double s = prev.v[ST] + tables.increment(k);
        const BIOVEC bio = biovec_of(s) * tables.factors(k);
        const BIOVEC removed = bio * biovec_of(action.fraction);
        const BIOVEC now = bio - removed;
        r.biom = now;
        const BIOVEC exported = removed * action.rem;
        const BIOVEC turnover = now * p.TurnOver;
        r.litf = (removed - exported) + turnover;

        const double leaf_n = update_leaf_n(p, responses.of_year(std::max<int64_t>(call.iyr1, y)));
        r.upt.v[NUT_N] = gross_n_uptake(bio, prev, turnover, p);
        if (!evergreen) {
          r.upt.v[NUT_N] = r.upt.v[NUT_N] - leaf_n * kEquivalentsN * (turnover.v[LV] - prev.v[LV]);
        }
        cation_uptake(now, prev, exported, p, r.upt);
        soil_inputs(r.litf, p, r.soilin);

        if (action.type == ACT_CLEARCUT ||
            (action.type == ACT_THINNING && action.perc == kPercent)) {
          present = false;
        } else {
          ++k;
        }
        prev = now;
      } else {
        prev = BIOVEC{};
      }
    }
  }
}

}  // namespace standsim
