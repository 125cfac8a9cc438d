// A cohort's stem-growth curve: up to 99 points (age, annual stem increment)
// in the very form GROWTH reads, so the model run copies them byte for byte.
#pragma once

#include <array>
#include <span>

#include "standsim/engine/growth_records.h"

namespace tarvex {

inline constexpr int kMaxGrowthPoints = 99;

class CCai {
 public:
  CCai();

  // Zeroes every point slot and empties the curve.
  void Clear();

  // Appends the point (AGE, INCREMENT). False, with nothing changed, when a
  // point of that age is in use. A 100th point raises TarvexError.
  bool AddPoint(int age, double increment);

  // Zeroes the last point in use; nothing happens on an empty curve.
  void DeleteLast();

  // The ages and increments of the points in use, in stored order, into the
  // first NrDataGrowth entries of AGES and INCREMENTS.
  void GetArrays(std::span<int> ages, std::span<double> increments) const;

  // The largest age over all slots, in use or not (0 for an empty curve).
  int MaxAge() const;

  std::array<standsim::CAIPT, kMaxGrowthPoints> Points;
  int NrDataGrowth;
};

}  // namespace tarvex
