// Cohorts computed side by side: a group of up to kLanes cohorts whose
// values sit in the lanes of one vector, each lane getting exactly the
// operations, in the order, that the cohort alone would get. The lanes of a
// group past its last cohort repeat that cohort: they compute what its lane
// computes and store the same values into the same records.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>

#include "standsim/engine/action_schedule.h"
#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

// The doubles of a 256-bit vector; the helpers below are written for four.
inline constexpr int kLanes = 4;

// The processors a function that computes with lanes is built for: one
// build for AVX-512 processors, one for AVX2 and one for any x86-64; the
// loader picks the one the processor can run. Written before the function
// as [[STANDSIM_LANE_TARGETS]]. On an AVX-512 processor a full-capacity
// run (20 cohorts over 4999 years) takes about a third of the time of the
// build for any x86-64: 1.06 against 3.08 ms even-aged, 2.3 against 6.0 ms
// natural.
#define STANDSIM_LANE_TARGETS gnu::target_clones("arch=x86-64-v4", "avx2", "default")

// A double per lane. The operators are the vector instructions of the
// target where it has them, lane by lane; a function that computes with
// lanes is inlined into one built for STANDSIM_LANE_TARGETS.
struct Lanes {
  using Vector = double __attribute__((vector_size(kLanes * sizeof(double))));
  Vector x;
};

// An integer per lane.
using LaneIntegers = int64_t __attribute__((vector_size(kLanes * sizeof(int64_t))));

// Set lanes of a mask choose.
struct LaneMask {
  using Vector = LaneIntegers;
  Vector x;  // all bits set or none
};

[[gnu::always_inline]] inline Lanes lanes_of(double s) { return {Lanes::Vector{s, s, s, s}}; }

[[gnu::always_inline]] inline Lanes lanes_of(const std::array<double, kLanes>& a) {
  return {Lanes::Vector{a[0], a[1], a[2], a[3]}};
}

// Element T of each lane's SERIES.
[[gnu::always_inline]] inline Lanes lanes_at(const std::array<const double*, kLanes>& series,
                                             std::size_t t) {
  return {Lanes::Vector{series[0][t], series[1][t], series[2][t], series[3][t]}};
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
  LaneIntegers type{};
  Lanes perc{};
};

// The schedules of a group's own cohorts (lane by lane) walked forward year
// by year together from their first year; a repeated lane takes the action of
// the lane it repeats.
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

// The components 0..3 of the lanes in R (a component each), lane by lane.
[[gnu::always_inline]] inline std::array<Lanes, kLanes> transposed(const Lanes& r0, const Lanes& r1,
                                                                   const Lanes& r2,
                                                                   const Lanes& r3) {
  const Lanes::Vector t0 = __builtin_shufflevector(r0.x, r1.x, 0, 4, 2, 6);
  const Lanes::Vector t1 = __builtin_shufflevector(r0.x, r1.x, 1, 5, 3, 7);
  const Lanes::Vector t2 = __builtin_shufflevector(r2.x, r3.x, 0, 4, 2, 6);
  const Lanes::Vector t3 = __builtin_shufflevector(r2.x, r3.x, 1, 5, 3, 7);
  return {Lanes{__builtin_shufflevector(t0, t2, 0, 1, 4, 5)},
          Lanes{__builtin_shufflevector(t1, t3, 0, 1, 4, 5)},
          Lanes{__builtin_shufflevector(t0, t2, 2, 3, 6, 7)},
          Lanes{__builtin_shufflevector(t1, t3, 2, 3, 6, 7)}};
}

// The compartments of the BIOVECs AT[i], a lane each.
[[gnu::always_inline]] inline BioLanes transposed(const std::array<const BIOVEC*, kLanes>& at) {
  std::array<Lanes, kLanes> rows;
  for (int i = 0; i < kLanes; ++i) std::memcpy(&rows[i].x, &at[i]->v[0], sizeof rows[i].x);
  const std::array<Lanes, kLanes> first = transposed(rows[0], rows[1], rows[2], rows[3]);
  return {{first[0], first[1], first[2], first[3],
           Lanes{Lanes::Vector{at[0]->v[4], at[1]->v[4], at[2]->v[4], at[3]->v[4]}}}};
}

// Stores the components of the lanes V into the records AT[i] of the lanes,
// whole vectors where they fit.
template <typename Record, std::size_t N>
[[gnu::always_inline]] inline void store_lanes(const Lanes (&v)[N],
                                               const std::array<Record*, kLanes>& at) {
  static_assert(N == 5 || N == 6);
  const std::array<Lanes, kLanes> first = transposed(v[0], v[1], v[2], v[3]);
  for (int i = 0; i < kLanes; ++i) std::memcpy(&at[i]->v[0], &first[i].x, sizeof first[i].x);
  if constexpr (N == 5) {
    for (int i = 0; i < kLanes; ++i) at[i]->v[4] = v[4].x[i];
  } else {
    using Pair = double __attribute__((vector_size(2 * sizeof(double))));
    const Lanes::Vector even = __builtin_shufflevector(v[4].x, v[5].x, 0, 4, 2, 6);
    const Lanes::Vector odd = __builtin_shufflevector(v[4].x, v[5].x, 1, 5, 3, 7);
    const std::array<Pair, kLanes> pairs = {
        __builtin_shufflevector(even, even, 0, 1), __builtin_shufflevector(odd, odd, 0, 1),
        __builtin_shufflevector(even, even, 2, 3), __builtin_shufflevector(odd, odd, 2, 3)};
    for (int i = 0; i < kLanes; ++i) std::memcpy(&at[i]->v[4], &pairs[i], sizeof pairs[i]);
  }
}

// Where the results of a group's cohorts go, year by year, and whether one
// of them was not finite. A lane that repeats the group's last cohort
// computes what that cohort's lane does and stores the same values into the
// same records. Noting values that are not finite as they are stored costs
// a run of 20 cohorts over 1000 years 3 to 8 % (about 213 against 207 us
// even-aged, 215 against 201 us natural); a scan of the years written,
// after the run, cost 19 %.
class LaneResults {
 public:
  LaneResults() = default;
  LaneResults(const GrowthCall& call, const CohortGroup& group) : ib_(call.ib) {
    for (int i = 0; i < kLanes; ++i) {
      const std::size_t first = call.result(group.cohort[i], call.ib);
      biom_[i] = &call.biom[first];
      litf_[i] = &call.litf[first];
      upt_[i] = &call.upt[first];
      soilin_[i] = &call.soilin[first];
    }
  }

  // Stores the results of year Y, one of the call's years.
  [[gnu::always_inline]] void store(int64_t y, const BioLanes& biom, const BioLanes& litf,
                                    const NutLanes& upt, const NutLanes& soilin) {
    const auto row = static_cast<std::size_t>(y - ib_);
    store_lanes(biom.v, of_row(biom_, row));
    store_lanes(litf.v, of_row(litf_, row));
    store_lanes(upt.v, of_row(upt_, row));
    store_lanes(soilin.v, of_row(soilin_, row));
    note_not_finite(biom.v);
    note_not_finite(litf.v);
    note_not_finite(upt.v);
    note_not_finite(soilin.v);
  }

  // Whether a value stored so far is infinite or not a number.
  bool stored_not_finite() const {
    int64_t any = 0;
    for (int i = 0; i < kLanes; ++i) any |= not_finite_[i];
    return any != 0;
  }

 private:
  // ORs the bits of X - X of every component X of V into not_finite_: X - X
  // is +0 for a finite X and not a number for any other.
  template <std::size_t N>
  [[gnu::always_inline]] void note_not_finite(const Lanes (&v)[N]) {
    for (const Lanes& component : v) not_finite_ |= (LaneIntegers)(component.x - component.x);
  }

  template <typename Record>
  [[gnu::always_inline]] static std::array<Record*, kLanes> of_row(
      const std::array<Record*, kLanes>& blocks, std::size_t row) {
    return {blocks[0] + row, blocks[1] + row, blocks[2] + row, blocks[3] + row};
  }

  int64_t ib_ = 0;
  LaneIntegers not_finite_{};
  std::array<BIOVEC*, kLanes> biom_{}, litf_{};
  std::array<NUTVEC*, kLanes> upt_{}, soilin_{};
};

}  // namespace standsim
