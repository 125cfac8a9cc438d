// A cohort's management actions: up to 99 actions, at most one per calendar
// year, in the very form GROWTH reads, so the model run copies them byte for
// byte.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "standsim/engine/growth_records.h"

namespace tarvex {

inline constexpr int kMaxManagementActions = 99;

// Removal flags of an action: stems, branches, roots, leaves; 1 removed from
// the site, 0 left in the stand.
using RemovalFlags = std::array<int32_t, 4>;

class CForMan {
 public:
  CForMan();

  // Zeroes every action slot and empties the list.
  void Clear();

  // Stores an action for YEAR, replacing in place the action already stored
  // for that year, else appending it. A percentage outside 0..100 is stored
  // as 0 and the result is false. A 100th action raises TarvexError.
  bool SetAction(int year, int actType, double perc, const RemovalFlags& remFlags);

  // Drops the last action (its year, type and percentage are zeroed; its
  // flags stay); nothing happens on an empty list.
  void DeleteLast();

  // Year, type, percentage and flags of the actions in use, in stored order,
  // into the first NrForManData entries of the four arrays.
  void GetArrays(std::span<int> years, std::span<int> actTypes, std::span<double> percs,
                 std::span<RemovalFlags> remFlags) const;

  // The earliest year of a planting; raises "Not all cohorts have planting
  // years!" when the list holds none.
  int PlantingYear() const;

  // The year of the last clearcut in stored order; 9999 when there is none.
  int ClearcutYear() const;

  std::array<standsim::MANACT, kMaxManagementActions> ManActions;
  int NrForManData;
};

}  // namespace tarvex
