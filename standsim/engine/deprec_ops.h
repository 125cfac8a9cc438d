// Arithmetic on deposition records: component by component in 4-byte reals.
#pragma once

#include <array>
#include <cmath>

#include "standsim/engine/growth_records.h"

namespace standsim {

inline constexpr int kDepositionComponents = 9;

inline void assign(DEPREC& a, float s) {
  for (float& x : a.c) x = s;
}

inline DEPREC absolute(const DEPREC& a) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = std::fabs(a.c[i]);
  return r;
}

inline DEPREC operator*(float s, const DEPREC& a) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = s * a.c[i];
  return r;
}

inline DEPREC operator+(const DEPREC& a, const DEPREC& b) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = a.c[i] + b.c[i];
  return r;
}

inline DEPREC operator-(const DEPREC& a, const DEPREC& b) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = a.c[i] - b.c[i];
  return r;
}

inline DEPREC operator*(const DEPREC& a, const DEPREC& b) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = a.c[i] * b.c[i];
  return r;
}

inline DEPREC operator/(const DEPREC& a, const DEPREC& b) {
  DEPREC r;
  for (int i = 0; i < kDepositionComponents; ++i) r.c[i] = a.c[i] / b.c[i];
  return r;
}

// The nine components in order.
inline std::array<float, 9> list_of_nine(const DEPREC& a) {
  std::array<float, 9> r;
  for (int i = 0; i < kDepositionComponents; ++i) r[i] = a.c[i];
  return r;
}

// Six values: components 1, 2, 3, the sum of 4, 5 and 6, then 7 and 8;
// component 9 is dropped.
inline std::array<float, 6> list_of_six(const DEPREC& a) {
  return {a.c[0], a.c[1], a.c[2], a.c[3] + a.c[4] + a.c[5], a.c[6], a.c[7]};
}

// a(4) + a(5) + a(6) + a(7) - a(8) - a(1) - a(2) + a(3) - a(9), from left to right.
inline float signed_sum(const DEPREC& a) {
  return a.c[3] + a.c[4] + a.c[5] + a.c[6] - a.c[7] - a.c[0] - a.c[1] + a.c[2] - a.c[8];
}

}  // namespace standsim
