// The arguments of one GROWTH call, as the engine reads them.
//
// Index mapping (every index below is 0-based):
// - cohort c is cohort c + 1 of the interface; point or action i is its
//   point i + 1. Per-cohort inputs with a point index are stored with the
//   cohort varying fastest and NCMAX as the leading dimension: element
//   c + i x NCMAX.
// - results are stored year by year, one block of IE - IB + 1 years per
//   cohort: (year y, cohort c) is element (y - IB) + c x (IE - IB + 1).
// - the deposition of calendar year y (y >= 1) is element y - 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "standsim/engine/growth_records.h"

namespace standsim {

// Where the results of one cohort-year go.
struct YearResultSlots {
  BIOVEC& biom;
  BIOVEC& litf;
  NUTVEC& upt;
  NUTVEC& soilin;

  void assign(const BIOVEC& b, const BIOVEC& l, const NUTVEC& u, const NUTVEC& s) const {
    biom = b;
    litf = l;
    upt = u;
    soilin = s;
  }

  // Every slot zero: the results of a year without a stand, and where the
  // models write on.
  void zero() const { assign(BIOVEC{}, BIOVEC{}, NUTVEC{}, NUTVEC{}); }
};

// Management types.
enum ManagementType : int32_t { MAN_EVEN_AGED = 1, MAN_NATURAL = 2 };

struct GrowthCall {
  int32_t mantype = 0;
  int32_t ib = 0;
  int32_t ie = 0;
  int32_t ncmax = 0;
  int32_t ncoh = 0;
  int32_t iyr1 = 0;
  int32_t iyr2 = 0;
  int32_t npmax = 0;
  std::span<COHPAR> cpar;           // ncoh records
  std::span<const CAIPT> caip;      // ncmax x npmax
  std::span<const int32_t> bafage;  // ncmax x npmax
  std::span<const BIOVEC> bafval;   // ncmax x npmax
  std::span<const MANACT> mact;     // ncmax x npmax
  std::span<const int32_t> nmact;   // ncoh
  std::span<const int32_t> nbaf;    // ncoh
  std::span<const int32_t> ncaip;   // ncoh
  std::span<const double> ndep;     // years 1..ie
  std::span<BIOVEC> biom;           // ncoh blocks of ie - ib + 1 years
  std::span<BIOVEC> litf;
  std::span<NUTVEC> upt;
  std::span<NUTVEC> soilin;

  std::size_t years() const { return static_cast<std::size_t>(int64_t{ie} - ib + 1); }

  std::size_t point(int c, int i) const {
    return static_cast<std::size_t>(c) +
           static_cast<std::size_t>(i) * static_cast<std::size_t>(ncmax);
  }
  const CAIPT& caip_at(int c, int i) const { return caip[point(c, i)]; }
  int32_t bafage_at(int c, int i) const { return bafage[point(c, i)]; }
  const BIOVEC& bafval_at(int c, int i) const { return bafval[point(c, i)]; }
  const MANACT& mact_at(int c, int i) const { return mact[point(c, i)]; }

  std::size_t result(int c, int64_t y) const {
    return static_cast<std::size_t>(y - ib) + static_cast<std::size_t>(c) * years();
  }
  // The result elements of cohort C in year Y.
  YearResultSlots slots(int c, int64_t y) const {
    const std::size_t at = result(c, y);
    return {biom[at], litf[at], upt[at], soilin[at]};
  }
  double ndep_of(int64_t y) const { return ndep[static_cast<std::size_t>(y) - 1]; }

  // Every result slot of the years IYR1..IYR2 of every cohort zero.
  void zero_period() const {
    for (int c = 0; c < ncoh; ++c) {
      for (int64_t y = iyr1; y <= iyr2; ++y) slots(c, y).zero();
    }
  }
};

}  // namespace standsim
