// Cohorts computed side by side: a group of up to kLanes cohorts whose
// values sit in the lanes of one vector, each lane getting exactly the
// operations, in the order, that the cohort alone would get. The lanes of a
// group past its last cohort repeat that cohort; they are computed and
// never returned.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

inline constexpr int kLanes = 4;  // as many as Lanes::Vector{s, s, s, s} fills

// A double per lane. The operators are the vector instructions of the
// target where it has them, lane by lane; a function that computes with
// lanes is inlined into one whose target is chosen when the library loads
// (one built for AVX-512 processors, one for AVX2, one for the rest).
struct Lanes {
  using Vector = double __attribute__((vector_size(kLanes * sizeof(double))));
  Vector x;
};

// Set lanes of a mask choose.
struct LaneMask {
  using Vector = int64_t __attribute__((vector_size(kLanes * sizeof(int64_t))));
  Vector x;  // all bits set or none
};

[[gnu::always_inline]] inline Lanes lanes_of(double s) { return {Lanes::Vector{s, s, s, s}}; }

[[gnu::always_inline]] inline Lanes lanes_of(const std::array<double, kLanes>& a) {
  return {Lanes::Vector{a[0], a[1], a[2], a[3]}};
}

// The lanes of kLanes doubles from AT on.
[[gnu::always_inline]] inline Lanes lanes_at(const double* at) {
  Lanes r;
  std::memcpy(&r.x, at, sizeof r.x);
  return r;
}

[[gnu::always_inline]] inline Lanes operator+(const Lanes& a, const Lanes& b) {
  return {a.x + b.x};
}
[[gnu::always_inline]] inline Lanes operator-(const Lanes& a, const Lanes& b) {
  return {a.x - b.x};
}
[[gnu::always_inline]] inline Lanes operator*(const Lanes& a, const Lanes& b) {
  return {a.x * b.x};
}
[[gnu::always_inline]] inline Lanes operator/(const Lanes& a, const Lanes& b) {
  return {a.x / b.x};
}
[[gnu::always_inline]] inline Lanes& operator+=(Lanes& a, const Lanes& b) { return a = a + b; }
// A double with lanes: as the double in every lane.
[[gnu::always_inline]] inline Lanes operator-(double a, const Lanes& b) { return lanes_of(a) - b; }
[[gnu::always_inline]] inline Lanes operator*(const Lanes& a, double b) { return a * lanes_of(b); }

// A where MASK is set, else B, bit for bit.
[[gnu::always_inline]] inline Lanes select(const LaneMask& mask, const Lanes& a, const Lanes& b) {
  using Bits = LaneMask::Vector;
  return {(Lanes::Vector)((mask.x & (Bits)a.x) | (~mask.x & (Bits)b.x))};
}

[[gnu::always_inline]] inline LaneMask mask_of(const std::array<bool, kLanes>& set) {
  const auto bits = [](bool b) -> int64_t { return b ? -1 : 0; };
  return {LaneMask::Vector{bits(set[0]), bits(set[1]), bits(set[2]), bits(set[3])}};
}

struct BioLanes {
  Lanes v[kCompartments];
};

struct NutLanes {
  Lanes v[kNutrientSlots];
};

[[gnu::always_inline]] inline BioLanes biovec_of(const Lanes& s) {
  return BioLanes{{s, s, s, s, s}};
}

// The cohorts of a group: lane i computes cohort COHORT[i]; the first
// COUNT lanes are the group's own.
struct CohortGroup {
  std::array<int, kLanes> cohort{};
  int count = 0;

  CohortGroup() = default;
  // The group of the cohorts FIRST.. of NCOH.
  CohortGroup(int first, int ncoh);
};

// The fields of the cohorts' records that the models compute with, a lane
// per cohort of a group, under the records' names.
struct CohortLanes {
  BioLanes CarbonContent, ctN, ctCa, ctMg, ctK, TurnOver;
  Lanes Nlfmin, Nlfmax, Kgr, MaxGrowth;
  LaneMask evergreen;

  CohortLanes() = default;
  CohortLanes(std::span<const COHPAR> params, const CohortGroup& group);
};

// A BIOVEC of each cohort of GROUP, from AT(c).
template <typename At>
BioLanes gather(const CohortGroup& group, At at) {
  BioLanes r;
  for (int i = 0; i < kLanes; ++i) {
    const BIOVEC& b = at(group.cohort[i]);
    for (int k = 0; k < kCompartments; ++k) r.v[k].x[i] = b.v[k];
  }
  return r;
}

// The actions of a group's cohorts in one year: the harvested fraction and
// the removal factors by lane, with the type and percentage of each.
struct LaneAction {
  Lanes fraction{};
  BioLanes rem{};
  std::array<int32_t, kLanes> type{};
  std::array<double, kLanes> perc{};
};

// The schedules of a group's own cohorts (lane by lane) walked forward year
// by year together from their first year; the repeated lanes take no action.
class LaneActions {
 public:
  LaneActions() = default;
  // SCHEDULES holds every cohort's.
  LaneActions(const CohortGroup& group, std::span<ActionSchedule> schedules);

  // The actions of year Y; years must not decrease from one call to the next.
  const LaneAction& take(int64_t y) {
    if (y < next_) return kNone;
    return gather(y);
  }

 private:
  const LaneAction& gather(int64_t y);

  static const LaneAction kNone;
  int count_ = 0;
  std::array<ActionSchedule*, kLanes> schedules_{};
  int64_t next_ = INT64_MIN;  // no action of any lane before this year
  LaneAction action_;
};

// The components 0..3 of the lanes in ROWS (a component a row), lane by
// lane: element I holds the four components of lane I.
[[gnu::always_inline]] inline std::array<Lanes::Vector, kLanes> transposed(const Lanes* rows) {
  static_assert(kLanes == 4);
  const Lanes::Vector t0 = __builtin_shufflevector(rows[0].x, rows[1].x, 0, 4, 2, 6);
  const Lanes::Vector t1 = __builtin_shufflevector(rows[0].x, rows[1].x, 1, 5, 3, 7);
  const Lanes::Vector t2 = __builtin_shufflevector(rows[2].x, rows[3].x, 0, 4, 2, 6);
  const Lanes::Vector t3 = __builtin_shufflevector(rows[2].x, rows[3].x, 1, 5, 3, 7);
  return {__builtin_shufflevector(t0, t2, 0, 1, 4, 5), __builtin_shufflevector(t1, t3, 0, 1, 4, 5),
          __builtin_shufflevector(t0, t2, 2, 3, 6, 7), __builtin_shufflevector(t1, t3, 2, 3, 6, 7)};
}

// The compartments of BIOVECs, a lane each.
[[gnu::always_inline]] inline BioLanes transposed(const std::array<BIOVEC, kLanes>& lanes) {
  BioLanes r;
  for (int k = 0; k < kCompartments; ++k) {
    r.v[k] = {Lanes::Vector{lanes[0].v[k], lanes[1].v[k], lanes[2].v[k], lanes[3].v[k]}};
  }
  return r;
}

// Stores the components of a group's lanes in V into the records AT[i] of
// its own lanes, whole vectors where they fit.
template <typename Record, std::size_t N>
[[gnu::always_inline]] inline void store_lanes(const Lanes (&v)[N],
                                               const std::array<Record*, kLanes>& at, int count) {
  static_assert(N == 5 || N == 6);
  const std::array<Lanes::Vector, kLanes> first = transposed(v);
  for (int i = 0; i < count; ++i) std::memcpy(&at[i]->v[0], &first[i], sizeof first[i]);
  if constexpr (N == 5) {
    for (int i = 0; i < count; ++i) at[i]->v[4] = v[4].x[i];
  } else {
    using Pair = double __attribute__((vector_size(2 * sizeof(double))));
    const Lanes::Vector even = __builtin_shufflevector(v[4].x, v[5].x, 0, 4, 2, 6);
    const Lanes::Vector odd = __builtin_shufflevector(v[4].x, v[5].x, 1, 5, 3, 7);
    const std::array<Pair, kLanes> pairs = {
        __builtin_shufflevector(even, even, 0, 1), __builtin_shufflevector(odd, odd, 0, 1),
        __builtin_shufflevector(even, even, 2, 3), __builtin_shufflevector(odd, odd, 2, 3)};
    for (int i = 0; i < count; ++i) std::memcpy(&at[i]->v[4], &pairs[i], sizeof pairs[i]);
  }
}

// Stores the results of year Y of the group's own cohorts.
[[gnu::always_inline]] inline void store_year(const GrowthCall& call, const CohortGroup& group,
                                              int64_t y, const BioLanes& biom, const BioLanes& litf,
                                              const NutLanes& upt, const NutLanes& soilin) {
  std::array<BIOVEC*, kLanes> biom_at{}, litf_at{};
  std::array<NUTVEC*, kLanes> upt_at{}, soilin_at{};
  for (int i = 0; i < group.count; ++i) {
    const std::size_t at = call.result(group.cohort[i], y);
    biom_at[i] = &call.biom[at];
    litf_at[i] = &call.litf[at];
    upt_at[i] = &call.upt[at];
    soilin_at[i] = &call.soilin[at];
  }
  store_lanes(biom.v, biom_at, group.count);
  store_lanes(litf.v, litf_at, group.count);
  store_lanes(upt.v, upt_at, group.count);
  store_lanes(soilin.v, soilin_at, group.count);
}

}  // namespace standsim
