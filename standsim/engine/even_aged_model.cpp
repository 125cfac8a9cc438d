#include "standsim/engine/even_aged_model.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/cohort_lanes.h"
#include "standsim/engine/finite_results.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_curve_interpolation.h"
#include "standsim/engine/leaf_n_responses.h"
#include "standsim/engine/stand_budget.h"

namespace standsim {
namespace {

// Tables of values at the ages 1..N (row k - 1 holds age k) computed from
// a cohort's points. Cohorts with the same points (of one species) share a
// table, grown to the ages a run reaches, for every entry is computed from
// the points on its own. Points are the same when their bits are.
template <typename Row>
class SharedAgeTables {
 public:
  // The bits of the points, filled by the caller.
  std::vector<uint64_t>& key() { return key_; }

  // The table of the points of key(), filled to N ages at least by FILL(rows).
  template <typename Fill>
  std::size_t find(std::size_t n, Fill fill) {
    std::size_t t = 0;
    while (t < entries_.size() && entries_[t].key != key_) ++t;
    if (t == entries_.size()) entries_.push_back({key_, {}});
    Entry& entry = entries_[t];
    if (n > entry.rows.size()) {
      entry.rows.resize(n);
      fill(std::span(entry.rows));
    }
    return t;
  }

  const Row* rows(std::size_t t) const { return entries_[t].rows.data(); }

 private:
  struct Entry {
    std::vector<uint64_t> key;
    std::vector<Row> rows;
  };
  std::vector<uint64_t> key_;
  std::vector<Entry> entries_;
};

// The stem biomass increments of the cohorts' growth curves (g/m2/yr) and
// their expansion factors, at the ages a run reaches.
class CohortAgeTables {
 public:
  // The tables of cohort C filled to N ages: the increments' and the factors'.
  std::pair<std::size_t, std::size_t> build(const GrowthCall& call, const COHPAR& p, int c,
                                            std::size_t n) {
    const double to_mass = p.WoodDensityKg * kVolumeToMass;
    const auto npoints = static_cast<std::size_t>(call.ncaip[c]);
    std::vector<uint64_t>& curve = increments_.key();
    curve.resize(2 * npoints);
    for (std::size_t i = 0; i < npoints; ++i) {
      const CAIPT& point = call.caip_at(c, static_cast<int>(i));
      curve[2 * i] = static_cast<uint32_t>(point.AGE);
      curve[2 * i + 1] = std::bit_cast<uint64_t>(point.INC * to_mass);
    }
    const auto nbaf = static_cast<std::size_t>(call.nbaf[c]);
    std::vector<uint64_t>& factors = factors_.key();
    factors.resize((1 + kCompartments) * nbaf);
    for (std::size_t j = 0; j < nbaf; ++j) {
      uint64_t* point = &factors[(1 + kCompartments) * j];
      point[0] = static_cast<uint32_t>(call.bafage_at(c, static_cast<int>(j)));
      std::memcpy(&point[1], &call.bafval_at(c, static_cast<int>(j)), sizeof(BIOVEC));
    }
    return {increments_.find(n,
                             [&](std::span<double> rows) {
                               split(
                                   call.ncaip[c], [&](int i) { return call.caip_at(c, i).AGE; },
                                   [&](int i) { return call.caip_at(c, i).INC * to_mass; },
                                   increments_at_);
                               LININT(ages_, increments_at_, rows);
                             }),
            factors_.find(n, [&](std::span<BIOVEC> rows) {
              split(
                  call.nbaf[c], [&](int j) { return call.bafage_at(c, j); },
                  [&](int j) { return call.bafval_at(c, j); }, factors_at_);
              // Never set: the ages were checked to differ from their
              // neighbours, and every evaluation bracket is a pair of them.
              bool bad_ages = false;
              spline_grid_compartments(ages_, factors_at_, rows, bad_ages);
            })};
  }

  // The rows of the tables BUILD returned; they stay until the next BUILD.
  const double* increments(std::size_t t) const { return increments_.rows(t); }
  const BIOVEC* factors(std::size_t t) const { return factors_.rows(t); }

 private:
  // The ages AGE(i) and values VALUE(i) of N points, into ages_ and VALUES.
  template <typename Age, typename Value, typename Values>
  void split(int n, Age age, Value value, Values& values) {
    ages_.resize(static_cast<std::size_t>(n));
    values.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      ages_[i] = age(i);
      values[i] = value(i);
    }
  }

  SharedAgeTables<double> increments_;
  SharedAgeTables<BIOVEC> factors_;
  std::vector<int32_t> ages_;
  std::vector<double> increments_at_;
  std::vector<BIOVEC> factors_at_;
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

// Lanes cleared where MASK is clear.
[[gnu::always_inline]] inline Lanes kept(const LaneMask& mask, const Lanes& v) {
  return select(mask, v, Lanes{});
}

template <typename Vectors>
[[gnu::always_inline]] inline void keep(const LaneMask& mask, Vectors& v) {
  for (Lanes& component : v.v) component = kept(mask, component);
}

}  // namespace

[[STANDSIM_LANE_TARGETS]] std::string even_aged_model(const GrowthCall& call,
                                                      std::span<COHPAR> params) {
  CohortAgeTables tables;
  CohortSchedules schedules(call.ncoh);
  // Year y reads the deposition of max(IYR1, y), every year from a cohort's
  // first action on.
  int64_t first_read = INT64_MAX;
  for (int c = 0; c < call.ncoh; ++c) {
    const int64_t start = call.mact_at(c, 0).YEAR;
    if (start <= call.iyr2) first_read = std::min(first_read, std::max<int64_t>(call.iyr1, start));
  }
  LeafNResponses responses(call, first_read, std::max<int64_t>(call.iyr1, call.iyr2));
  bool not_finite = false;  // whether a result stored is not finite
  for (int first = 0; first < call.ncoh; first += kLanes) {
    const CohortGroup group(first, call.ncoh);
    CohortLanes p(params, group);
    // The first year of each lane's actions; a lane starts there, the period's
    // years before it are empty.
    std::array<int64_t, kLanes> start;
    std::array<std::pair<std::size_t, std::size_t>, kLanes> table{};  // of each lane
    int64_t y0 = INT64_MAX;                                           // the group's first year
    for (int i = 0; i < kLanes; ++i) {
      const int c = group.cohort[i];
      start[i] = call.mact_at(c, 0).YEAR;
      for (int64_t y = call.iyr1; y <= call.iyr2 && y < start[i]; ++y) call.slots(c, y).zero();
      if (start[i] > call.iyr2) continue;
      y0 = std::min(y0, start[i]);
      schedules[c].build(call, c, start[i], call.iyr2);
      const auto reach = static_cast<std::size_t>(
          std::min<int64_t>(age_reach(schedules[c], call.iyr2), kTableAges));
      table[i] = tables.build(call, params[c], c, reach);
    }
    if (y0 > call.iyr2) continue;  // no lane has a year to simulate

    // The rows, taken once every lane's tables are built: a build may move them.
    std::array<const double*, kLanes> increments{};
    std::array<const BIOVEC*, kLanes> factor_rows{};
    for (int i = 0; i < kLanes; ++i) {
      if (start[i] > call.iyr2) continue;
      increments[i] = tables.increments(table[i].first);
      factor_rows[i] = tables.factors(table[i].second);
    }
    std::array<const double*, kLanes> lane_responses;
    for (int i = 0; i < kLanes; ++i)
      lane_responses[i] = responses.series(params[group.cohort[i]].expNlf);

    LaneActions actions(group, schedules.all());
    LaneResults results(call, group);
    LaneIntegers k{};  // age index
    LaneMask present{};
    BioLanes prev{};  // the biomass of the year before, none before a lane's start
    for (int64_t y = y0; y <= call.iyr2; ++y) {
      const LaneAction& action = actions.take(y);
      const LaneIntegers planted = action.type == int64_t{ACT_PLANTING};
      present.x |= planted;
      k = (planted & 2) | (~planted & k);
      // Each lane's values are gathered apart and put into lanes whole.
      std::array<double, kLanes> lane_increment{};
      std::array<const BIOVEC*, kLanes> lane_factors;
      for (int i = 0; i < kLanes; ++i) {
        static constexpr BIOVEC kNone{};
        lane_factors[i] = &kNone;
        if (present.x[i] == 0) continue;
        const auto age = static_cast<std::size_t>(std::min<int64_t>(k[i], kTableAges) - 1);
        lane_increment[i] = increments[i][age];
        lane_factors[i] = &factor_rows[i][age];
      }
      const Lanes increment = lanes_of(lane_increment);
      const BioLanes factors = transposed(lane_factors);
      const Lanes s = prev.v[ST] + increment;
      const BioLanes bio = biovec_of(s) * factors;
      const BioLanes removed = bio * biovec_of(action.fraction);
      BioLanes now = bio - removed;
      const BioLanes exported = removed * action.rem;
      const BioLanes turnover = now * p.TurnOver;
      BioLanes litf = (removed - exported) + turnover;

      const Lanes response = lanes_at(
          lane_responses, static_cast<std::size_t>(std::max<int64_t>(call.iyr1, y) - first_read));
      // Only a standing cohort's leaves take the year's N content.
      const Lanes before = p.ctN.v[LV];
      const Lanes leaf_n = update_leaf_n(p, response);
      p.ctN.v[LV] = select(present, leaf_n, before);
      NutLanes upt{};
      const Lanes gross = gross_n_uptake(bio, prev, turnover, p);
      upt.v[NUT_N] = select(p.evergreen, gross,
                            gross - leaf_n * kEquivalentsN * (turnover.v[LV] - prev.v[LV]));
      cation_uptake(now, prev, exported, p, upt);
      NutLanes soilin{};
      soil_inputs(litf, p, soilin);

      const bool all_present = (present.x[0] & present.x[1] & present.x[2] & present.x[3]) != 0;
      if (!all_present) keep(present, now);
      if (y >= call.iyr1) {
        if (!all_present) {
          keep(present, litf);
          keep(present, upt);
          keep(present, soilin);
        }
        results.store(y, now, litf, upt, soilin);
      }
      prev = now;
      // A clear-cut, or a thinning of all, ends a stand; one that stands on ages.
      const LaneIntegers ended =
          (action.type == int64_t{ACT_CLEARCUT}) |
          ((action.type == int64_t{ACT_THINNING}) & (action.perc.x == kPercent));
      k += present.x & ~ended & 1;
      present.x &= ~ended;
    }
    not_finite |= results.stored_not_finite();
    for (int i = 0; i < group.count; ++i) params[group.cohort[i]].ctN.v[LV] = p.ctN.v[LV].x[i];
  }
  return not_finite ? refuse_results_not_finite(call) : std::string{};
}

}  // namespace standsim
