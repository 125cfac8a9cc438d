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

// The first year whose deposition a run reads: year y reads the deposition
// of max(IYR1, y), every year from a cohort's first action on. INT64_MAX
// when no cohort has a year up to IYR2.
int64_t first_deposition_read(const GrowthCall& call) {
  int64_t first = INT64_MAX;
  for (int c = 0; c < call.ncoh; ++c) {
    const int64_t start = call.mact_at(c, 0).YEAR;
    if (start <= call.iyr2) first = std::min(first, std::max<int64_t>(call.iyr1, start));
  }
  return first;
}

// What the groups of a run share: the cohorts' schedules, their tables and
// the leaf N responses to the deposition of the years read.
struct EvenAgedRun {
  const GrowthCall& call;
  std::span<const COHPAR> params;
  CohortSchedules schedules;
  CohortAgeTables tables;
  int64_t first_read;  // the first year whose deposition is read
  LeafNResponses responses;

  EvenAgedRun(const GrowthCall& c, std::span<const COHPAR> p)
      : call(c),
        params(p),
        schedules(c.ncoh),
        first_read(first_deposition_read(c)),
        responses(c, first_read, std::max<int64_t>(c.iyr1, c.iyr2)) {}
};

// A group of cohorts ready for its years: the rows of each lane's tables
// (row k - 1 holds age k) and its leaf N responses (element y - first_read
// holds year y), its actions and where its results go.
struct PlantedGroup {
  CohortGroup group;
  CohortLanes p;
  int64_t first_year = INT64_MAX;  // the earliest first action of its lanes
  std::array<const double*, kLanes> increments{};
  std::array<const BIOVEC*, kLanes> factors{};
  std::array<const double*, kLanes> responses{};
  LaneActions actions;
  LaneResults results;
};

// Prepares GROUP, the cohorts FIRST.. of RUN: the period's years before each
// lane's first action are zero; a lane whose first action lies up to IYR2
// gets its schedule and the tables of the ages it reaches. False when no
// lane has a year to simulate.
bool prepare_group(EvenAgedRun& run, int first, PlantedGroup& group) {
  const GrowthCall& call = run.call;
  group.group = CohortGroup(first, call.ncoh);
  group.p = CohortLanes(run.params, group.group);
  std::array<std::pair<std::size_t, std::size_t>, kLanes> table{};  // of each lane
  std::array<bool, kLanes> simulated{};
  for (int i = 0; i < kLanes; ++i) {
    const int c = group.group.cohort[i];
    const int64_t start = call.mact_at(c, 0).YEAR;
    for (int64_t y = call.iyr1; y <= call.iyr2 && y < start; ++y) call.slots(c, y).zero();
    if (start > call.iyr2) continue;
    simulated[i] = true;
    group.first_year = std::min(group.first_year, start);
    run.schedules[c].build(call, c, start, call.iyr2);
    const auto reach = static_cast<std::size_t>(
        std::min<int64_t>(age_reach(run.schedules[c], call.iyr2), kTableAges));
    table[i] = run.tables.build(call, run.params[c], c, reach);
  }
  if (group.first_year > call.iyr2) return false;
  // The rows, taken once every lane's tables are built: a build may move them.
  for (int i = 0; i < kLanes; ++i) {
    if (!simulated[i]) continue;
    group.increments[i] = run.tables.increments(table[i].first);
    group.factors[i] = run.tables.factors(table[i].second);
  }
  for (int i = 0; i < kLanes; ++i)
    group.responses[i] = run.responses.series(run.params[group.group.cohort[i]].expNlf);
  group.actions = LaneActions(group.group, run.schedules.all());
  group.results = LaneResults(call, group.group);
  return true;
}

// Whether the stand of each lane stands, and its age index: a planting
// starts a stand at index 2 (or back there), a year of standing ages it by
// one, and a clear-cut or a thinning of all ends it with its year.
struct LaneStands {
  std::array<bool, kLanes> standing{};
  std::array<int64_t, kLanes> age{};

  [[gnu::always_inline]] void plant(const LaneAction& action) {
    for (int i = 0; i < kLanes; ++i) {
      if (action.type[i] == ACT_PLANTING) {
        standing[i] = true;
        age[i] = 2;
      }
    }
  }

  [[gnu::always_inline]] void end_year(const LaneAction& action) {
    for (int i = 0; i < kLanes; ++i) {
      if (!standing[i]) continue;
      const bool ended = action.type[i] == ACT_CLEARCUT ||
                         (action.type[i] == ACT_THINNING && action.perc.x[i] == kPercent);
      if (ended) {
        standing[i] = false;
      } else {
        ++age[i];
      }
    }
  }

  [[gnu::always_inline]] bool all_standing() const {
    return std::all_of(standing.begin(), standing.end(), [](bool stands) { return stands; });
  }

  // Set in the lanes that stand.
  [[gnu::always_inline]] LaneMask mask() const {
    LaneMask m;
    for (int i = 0; i < kLanes; ++i) m.x[i] = standing[i] ? -1 : 0;
    return m;
  }
};

// The stem increment and the expansion factors of GROUP's lanes at the ages
// of STANDS, zero where no stand stands. Each lane's values are gathered
// apart and put into lanes whole.
[[gnu::always_inline]] inline void at_ages(const PlantedGroup& group, const LaneStands& stands,
                                           Lanes& increment, BioLanes& factors) {
  std::array<double, kLanes> lane_increment{};
  std::array<const BIOVEC*, kLanes> lane_factors;
  for (int i = 0; i < kLanes; ++i) {
    static constexpr BIOVEC kNone{};
    lane_factors[i] = &kNone;
    if (!stands.standing[i]) continue;
    const auto row = static_cast<std::size_t>(std::min<int64_t>(stands.age[i], kTableAges) - 1);
    lane_increment[i] = group.increments[i][row];
    lane_factors[i] = &group.factors[i][row];
  }
  increment = lanes_of(lane_increment);
  factors = transposed(lane_factors);
}

// The years of GROUP from its first one to IYR2: each lane's stand grows
// along its tables, is harvested by its actions, and stores its results of
// the years of the period; a lane without a stand stores zeros.
[[gnu::always_inline]] inline void run_years(const EvenAgedRun& run, PlantedGroup& group) {
  const GrowthCall& call = run.call;
  CohortLanes& p = group.p;
  LaneStands stands;
  BioLanes prev{};  // the biomass of the year before, none before a lane's start
  for (int64_t y = group.first_year; y <= call.iyr2; ++y) {
    const LaneAction& action = group.actions.take(y);
    stands.plant(action);
    const LaneMask present = stands.mask();
    Lanes increment;
    BioLanes factors;
    at_ages(group, stands, increment, factors);
    const Lanes s = prev.v[ST] + increment;
    const BioLanes bio = biovec_of(s) * factors;
    const BioLanes removed = bio * biovec_of(action.fraction);
    BioLanes now = bio - removed;
    const BioLanes exported = removed * action.rem;
    const BioLanes turnover = now * p.TurnOver;
    BioLanes litf = (removed - exported) + turnover;

    const Lanes response =
        lanes_at(group.responses,
                 static_cast<std::size_t>(std::max<int64_t>(call.iyr1, y) - run.first_read));
    // Only a standing cohort's leaves take the year's N content.
    const Lanes before = p.ctN.v[LV];
    const Lanes leaf_n = update_leaf_n(p, response);
    p.ctN.v[LV] = select(present, leaf_n, before);
    NutLanes upt{};
    const Lanes gross = gross_n_uptake(bio, prev, turnover, p);
    upt.v[NUT_N] =
        select(p.evergreen, gross, gross - leaf_n * kEquivalentsN * (turnover.v[LV] - prev.v[LV]));
    cation_uptake(now, prev, exported, p, upt);
    NutLanes soilin{};
    soil_inputs(litf, p, soilin);

    // Lanes without a stand are cleared, unless every lane stands: clearing
    // them all the same costs a full-capacity run, in which every cohort
    // stands in every year, about 7 % (1.04 against 0.97 ms over 4999 years).
    const bool all_standing = stands.all_standing();
    if (!all_standing) keep(present, now);
    if (y >= call.iyr1) {
      if (!all_standing) {
        keep(present, litf);
        keep(present, upt);
        keep(present, soilin);
      }
      group.results.store(y, now, litf, upt, soilin);
    }
    prev = now;
    stands.end_year(action);
  }
}

}  // namespace

[[STANDSIM_LANE_TARGETS]] std::string even_aged_model(const GrowthCall& call,
                                                      std::span<COHPAR> params) {
  EvenAgedRun run(call, params);
  bool not_finite = false;  // whether a result stored is not finite
  for (int first = 0; first < call.ncoh; first += kLanes) {
    PlantedGroup group;
    if (!prepare_group(run, first, group)) continue;
    run_years(run, group);
    not_finite |= group.results.stored_not_finite();
    for (int i = 0; i < group.group.count; ++i)
      params[group.group.cohort[i]].ctN.v[LV] = group.p.ctN.v[LV].x[i];
  }
  return not_finite ? refuse_results_not_finite(call) : std::string{};
}

}  // namespace standsim
