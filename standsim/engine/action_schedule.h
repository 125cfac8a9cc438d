// A cohort's management actions in the order of their years, walked forward
// year by year: what the stand models read of MACT.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <vector>

#include "standsim/engine/growth_call.h"
#include "standsim/engine/growth_records.h"

namespace standsim {

// The action that takes effect in one year, as the models use it: a planting
// harvests nothing, the harvested fraction is the percentage / 100, and the
// removal factors are by compartment (branches, roots twice, leaves, stems).
// No action is type ACT_NONE with nothing harvested.
struct YearAction {
  int32_t year = 0;
  int32_t type = ACT_NONE;
  double perc = 0.0;
  double fraction = 0.0;
  BIOVEC rem{};
};

class ActionSchedule {
 public:
  // The actions are kept in MEMORY.
  explicit ActionSchedule(std::pmr::memory_resource* memory = std::pmr::get_default_resource())
      : by_year_(memory), stored_(memory) {}

  // Takes the actions 1..NMACT of cohort C in the years FIRST..LAST; of two
  // actions of one year the later in stored order counts. Reuses the
  // storage of earlier cohorts.
  void build(const GrowthCall& call, int c, int64_t first, int64_t last);

  // The action of year Y. Years must not decrease from one call to the next
  // (since BUILD or RESTART); actions of skipped years are passed over.
  const YearAction& take(int64_t y) {
    while (next_ < by_year_.size() && by_year_[next_].year < y) ++next_;
    if (next_ == by_year_.size() || by_year_[next_].year != y) return kNoAction;
    return by_year_[next_++];
  }

  void restart() { next_ = 0; }

  // The year of the next action not yet taken, INT64_MAX when none is left.
  int64_t next_year() const { return next_ < by_year_.size() ? by_year_[next_].year : INT64_MAX; }

  // The years of the plantings, in increasing order.
  template <typename Visit>
  void for_each_planting(Visit visit) const {
    for (const YearAction& a : by_year_) {
      if (a.type == ACT_PLANTING) visit(a.year);
    }
  }

 private:
  static constexpr YearAction kNoAction{};
  std::pmr::vector<YearAction> by_year_;
  std::pmr::vector<const MANACT*> stored_;  // the actions of the years built, sorted by year
  std::size_t next_ = 0;
};

// The schedules of a call's cohorts, whose actions share blocks of memory
// that are given back all at once, with the schedules.
class CohortSchedules {
 public:
  // The schedules of NCOH cohorts.
  explicit CohortSchedules(int ncoh) {
    schedules_.reserve(static_cast<std::size_t>(ncoh));
    for (int c = 0; c < ncoh; ++c) schedules_.emplace_back(&memory_);
  }
  CohortSchedules(const CohortSchedules&) = delete;
  CohortSchedules& operator=(const CohortSchedules&) = delete;

  ActionSchedule& operator[](int c) { return schedules_[static_cast<std::size_t>(c)]; }
  std::span<ActionSchedule> all() { return schedules_; }

 private:
  std::pmr::monotonic_buffer_resource memory_{8 * 1024};
  std::vector<ActionSchedule> schedules_;
};

}  // namespace standsim
