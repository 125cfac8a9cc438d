#pragma once
// The flat arrays of one GROWTH call for a whole site: every cohort packed
// into its slot of the per-cohort arrays (cohort index fastest), the
// deposition by calendar year, the four result arrays (one block of 5000
// years per cohort), and the copy of the results back into the cohorts with
// the one-year shift of even-aged stands.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "standsim/engine/growth_records.h"
#include "standsim/engine/standsim_api.h"
#include "tarvex/data/site.h"

namespace tarvex {

inline constexpr int kGrowthPointCapacity = 99;  // NPMAX
inline constexpr int kYearLo = 0;
inline constexpr int kYearHi = kLastYear;

class GrowthArguments {
 public:
  // Buffers of every cohort slot, the results cleared to zero so that years
  // GROWTH does not write read back as zero.
  explicit GrowthArguments(bool naturalForest);

  // Packs cohort C (0-based) of the site. For a natural stand the stems of
  // year FIRSTYEAR - 1 are preset to the initial biomass, which GROWTH reads.
  void PackCohort(int c, const CCohort& cohort, int firstYear);

  // The site's deposition of the years FIRST..LAST, widened to 8 bytes.
  void SetDeposition(const CSite& site, int first, int last);

  // Calls GROWTH for cohorts 0..NCOH-1 over FIRST..LAST; returns its message
  // text when it reports one, an empty text on success.
  std::string Call(standsim::GrowthEntry growth, int ncoh, int first, int last);

  // Copies each cohort's results of the years from its start to LAST into the
  // site's cohorts: an even-aged cohort starts at the year of its first stored
  // action and its year y takes GROWTH's year y - 1; a natural cohort starts
  // at FIRST and takes year y itself. Years outside 1..4999 are skipped.
  void CopyResults(CSite& site, int first, int last) const;

  const standsim::COHPAR& Parameters(int c) const { return cpar_[static_cast<std::size_t>(c)]; }
  const standsim::BIOVEC& Biomass(int c, int year) const { return biom_[ResultIndex(c, year)]; }

 private:
  static std::size_t ResultIndex(int c, int year) {
    return static_cast<std::size_t>(c) * kYears + static_cast<std::size_t>(year - kYearLo);
  }
  static std::size_t PointIndex(int c, int k) {
    return static_cast<std::size_t>(k) * kMaxCohorts + static_cast<std::size_t>(c);
  }

  bool natural_;
  std::vector<standsim::COHPAR> cpar_;
  std::vector<standsim::CAIPT> caip_;
  std::vector<int32_t> bafage_;
  std::vector<standsim::BIOVEC> bafval_;
  std::vector<standsim::MANACT> mact_;
  std::vector<int32_t> nmact_, nbaf_, ncaip_;
  std::vector<double> ndep_;  // by calendar year
  std::vector<standsim::BIOVEC> biom_, litf_;
  std::vector<standsim::NUTVEC> upt_, soilin_;
};

}  // namespace tarvex
