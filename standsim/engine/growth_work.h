// The work arrays of one GROWTH call: the actions scattered by year and the
// yearly results, for cohorts 0..NCOH-1 and the years a call touches (a
// window of IB..IE), all zero when made.
// The seven arrays share one zeroed allocation, made once per call. Their
// order follows the model's loops, so that a model walks through memory:
// each cohort's years together when cohorts are computed one after the
// other, the cohorts of a year together when years are the outer loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "standsim/engine/growth_records.h"

namespace standsim {

struct GrowthWork {
  enum class Order { kYearsOfACohortTogether, kCohortsOfAYearTogether };

  // Ends the process with an out-of-memory message when the arrays cannot be had.
  // No years when LAST_YEAR is below FIRST_YEAR.
  GrowthWork(int32_t ncoh, int64_t first_year, int64_t last_year, Order order);

  bool holds(int64_t y) const { return y >= first_year && y < first_year + static_cast<int64_t>(years); }

  std::size_t at(int c, int64_t y) const {
    return static_cast<std::size_t>(y - first_year) * year_stride +
           static_cast<std::size_t>(c) * cohort_stride;
  }

  int64_t first_year;
  std::size_t years;
  std::size_t year_stride;
  std::size_t cohort_stride;

 private:
  struct Release {
    void operator()(void* p) const { std::free(p); }
  };
  std::unique_ptr<void, Release> storage_;

 public:
  std::span<double> actperc;   // percentage of the action of that cohort and year
  std::span<BIOVEC> actrem;    // its removal factors by compartment
  std::span<BIOVEC> wbiom;     // biomass at the end of the year
  std::span<BIOVEC> wlitf;     // litterfall of the year
  std::span<NUTVEC> wupt;      // uptake of the year
  std::span<NUTVEC> wsoilin;   // soil inputs of the year
  std::span<int32_t> acttyp;   // ACTTYPE of that action, 0 for none
};

}  // namespace standsim
