// The scenario's site: its cohorts, the deposition period and series, the
// site's text settings and the per-year sums of all cohorts' results.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "standsim/engine/growth_records.h"
#include "tarvex/data/biomass_record.h"
#include "tarvex/data/cohort.h"

namespace tarvex {

inline constexpr int kMaxCohorts = 20;

// The region of a site for which none was chosen.
inline constexpr const char* kUnknownRegion = "Unknown";

// How the site's stand grows: a uniform-age stand, planted and managed, or
// natural rejuvenation.
enum class ForestKind { EvenAged, NaturalRejuvenation };

// The region chosen for a scenario that names only a country; given the
// country, it returns the region name.
using CountryToRegion = std::function<std::string(const std::string& country)>;

class CSite {
 public:
  // Region "Unknown", an even-aged stand, no QSM file, no cohorts, period
  // 0..0, deposition and sums zero. About 1.1 MB: create it on the heap.
  CSite();

  int NrCohorts() const { return static_cast<int>(cohorts_.size()); }

  // The cohort of the 0-based index K; TarvexError when K is not in use.
  CCohort& Cohort(int k);
  const CCohort& Cohort(int k) const;

  // Appends a new, empty cohort; a 21st cohort raises TarvexError.
  CCohort& AddCohort();

  // Deletes cohort K and moves the later ones one place down; TarvexError
  // when K is not in use.
  void DeleteCohort(int k);

  // Clears the results of every cohort.
  void ClearResults();

  // Sets every year of Ndep to zero.
  void ClearNdep();

  // The earliest planting year over all cohorts (9999 without cohorts).
  // Raises "Not all cohorts have planting years!" for a cohort without a
  // planting and "No planting year for cohort N" for one planted in 9999.
  int FirstPlantingYear() const;

  // Sums the cohorts' results into the four sum arrays for the years
  // FirstYear..LastYear (within 0..4999). On an even-aged site a cohort
  // counts from its planting year, on a natural site from year 0.
  void SumCohorts();

  // Saves the scenario as a Tarvex file (see scenario_file.h).
  void WriteToFile(const std::string& fileName) const;

  // Reads a Tarvex file into a new site, returned only when the whole file
  // was read (see scenario_file.h).
  static std::unique_ptr<CSite> ReadFromFile(const std::string& fileName,
                                             const CountryToRegion& chooseRegion,
                                             const SpeciesRegionTable* defaults);

  // Writes the site totals as a results file (see results_file.h) and
  // returns the text written.
  std::string WriteResults(const std::string& fileName, int n,
                           std::span<const std::string_view> names, bool all) const;

  int FirstYear;  // deposition period, bounds every run
  int LastYear;
  std::string RegionName;   // a region of the built-in table, or "Unknown"
  std::string CountryName;  // the country of a scenario file that names no region
  ForestKind ForestType;
  std::string QSMpInFile;          // the QSM input file with the N deposition
  std::array<float, kYears> Ndep;  // eq/m2/yr by calendar year
  std::array<standsim::BIOVEC, kYears> SumBiomass;
  std::array<standsim::BIOVEC, kYears> SumLitterfall;
  std::array<standsim::NUTVEC, kYears> SumUptake;      // slots N, Ca, Mg, K
  std::array<standsim::NUTVEC, kYears> SumSoilInputs;  // slots C and N
  // The region was chosen for a country while the scenario was read, so the
  // scenario differs from its file.
  bool RegionFromCountry;

 private:
  std::vector<std::unique_ptr<CCohort>> cohorts_;
};

}  // namespace tarvex
