// Compartment-vector arithmetic of the stand models: every operator works
// component by component, one pass over branches, coarse roots, fine roots,
// leaves and stems, with no checks (a zero divisor gives an infinite or
// not-a-number component). A vector holds a double per compartment (BIOVEC)
// or, for cohorts computed side by side, a lane of doubles per compartment
// (BioLanes); every lane gets the operations of a double in the same order.
#pragma once

#include <type_traits>

#include "standsim/engine/growth_records.h"

namespace standsim {

template <typename V>
concept CompartmentVector = std::extent_v<decltype(V::v)>
== kCompartments;

template <CompartmentVector V>
[[gnu::always_inline]] inline V operator*(const V& a, const V& b) {
  V r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] * b.v[i];
  return r;
}

template <CompartmentVector V>
[[gnu::always_inline]] inline V operator+(const V& a, const V& b) {
  V r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] + b.v[i];
  return r;
}

template <CompartmentVector V>
[[gnu::always_inline]] inline V operator-(const V& a, const V& b) {
  V r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] - b.v[i];
  return r;
}

template <CompartmentVector V>
[[gnu::always_inline]] inline V operator/(const V& a, const V& b) {
  V r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] / b.v[i];
  return r;
}

// The vector whose five components are S; a scalar factor is applied to a
// vector by making it a vector first and multiplying.
inline BIOVEC biovec_of(double s) { return BIOVEC{{s, s, s, s, s}}; }

inline void assign(BIOVEC& a, double s) { a = biovec_of(s); }

inline void assign(NUTVEC& a, double s) {
  for (double& x : a.v) x = s;
}

// The sum of the five components, added from branches to stems onto zero.
template <CompartmentVector V>
[[gnu::always_inline]] inline auto component_sum(const V& a) {
  std::remove_cvref_t<decltype(a.v[0])> s{};
  for (int i = 0; i < kCompartments; ++i) s += a.v[i];
  return s;
}

}  // namespace standsim
