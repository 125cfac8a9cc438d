// One cohort of trees: its species, the growth parameters of natural stands,
// its biomass parameters, growth curve and management, and its results by
// calendar year.
#pragma once

#include <array>
#include <string>

#include "standsim/engine/growth_records.h"
#include "tarvex/data/biomass_record.h"
#include "tarvex/data/growth_curve.h"
#include "tarvex/data/management.h"

namespace tarvex {

// Per-year arrays hold one entry per calendar year 0..4999, indexed by the
// year itself.
inline constexpr int kYears = 5000;
inline constexpr int kLastYear = kYears - 1;

// The species of a cohort for which none was chosen.
inline constexpr const char* kUnknownSpecies = "Unknown";

class CCohort {
 public:
  // Species "Unknown", every number zero, an empty curve and management, no
  // biomass data, results zero. About 0.9 MB: create it on the heap.
  CCohort();

  // Sets to zero the five compartments of Biomass and Litterfall, the N, Ca,
  // Mg and K slots of Uptake and the C and N slots of SoilInputs, for every
  // year.
  void ClearResults();

  std::string SpeciesName;
  double MaxGrowth;  // maximum stem growth of a natural stand, m3/ha/yr
  double InitBiom;   // initial stem volume of a natural stand, m3/ha
  double Kgr;        // growth constant of a natural stand, m3/ha
  BiomassRecord BiomassData;
  CCai Cai;
  CForMan ForMan;
  // True when BiomassData came from a scenario file or was confirmed by the
  // user; false after construction and after a species change.
  bool HasBiomassData;
  std::array<standsim::BIOVEC, kYears> Biomass;     // g/m2
  std::array<standsim::BIOVEC, kYears> Litterfall;  // g/m2/yr
  std::array<standsim::NUTVEC, kYears> Uptake;      // eq/m2/yr, slots N, Ca, Mg, K
  std::array<standsim::NUTVEC, kYears> SoilInputs;  // g/m2/yr, slots C and N
};

}  // namespace tarvex
