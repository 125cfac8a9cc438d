// Compartment-vector arithmetic of the stand models: every operator works
// component by component in doubles, one pass over branches, coarse roots,
// fine roots, leaves and stems, with no checks (a zero divisor gives an
// infinite or not-a-number component).
#pragma once

#include "standsim/engine/growth_records.h"

namespace standsim {

inline BIOVEC operator*(const BIOVEC& a, const BIOVEC& b) {
  BIOVEC r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] * b.v[i];
  return r;
}

inline BIOVEC operator+(const BIOVEC& a, const BIOVEC& b) {
  BIOVEC r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] + b.v[i];
  return r;
}

inline BIOVEC operator-(const BIOVEC& a, const BIOVEC& b) {
  BIOVEC r;
  for (int i = 0; i < kCompartments; ++i) r.v[i] = a.v[i] - b.v[i];
  return r;
}

inline BIOVEC operator/(const BIOVEC& a, const BIOVEC& b) {
  BIOVEC r;
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
inline double component_sum(const BIOVEC& a) {
  double s = 0.0;
  for (int i = 0; i < kCompartments; ++i) s += a.v[i];
  return s;
}

}  // namespace standsim
