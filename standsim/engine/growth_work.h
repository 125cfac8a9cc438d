// The work arrays of one GROWTH call: the actions scattered by year and the
// yearly results, for cohorts 0..NCOH-1 and years IB..IE, all zero when made.
// Each cohort's years form one block, in the order of the result arrays, so
// the period of a cohort is copied out in one piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "standsim/engine/growth_records.h"

namespace standsim {

struct GrowthWork {
  // Ends the process with an out-of-memory message when the arrays cannot be had.
  GrowthWork(int32_t ncoh, int32_t ib, int32_t ie);

  std::size_t at(int c, int32_t y) const {
    return static_cast<std::size_t>(int64_t{y} - ib) + static_cast<std::size_t>(c) * years;
  }

  int32_t ib;
  std::size_t years;
  std::vector<int32_t> acttyp;   // ACTTYPE of the action of that cohort and year, 0 for none
  std::vector<double> actperc;   // its percentage
  std::vector<BIOVEC> actrem;    // its removal factors by compartment
  std::vector<BIOVEC> wbiom;     // biomass at the end of the year
  std::vector<BIOVEC> wlitf;     // litterfall of the year
  std::vector<NUTVEC> wupt;      // uptake of the year
  std::vector<NUTVEC> wsoilin;   // soil inputs of the year
};

}  // namespace standsim
