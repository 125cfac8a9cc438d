#include "tarvex/data/site.h"

#include <algorithm>

#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"

namespace tarvex {

CSite::CSite()
    : FirstYear(0),
      LastYear(0),
      RegionName(kUnknownRegion),
      ForestType(ForestKind::EvenAged),
      Ndep{},
      SumBiomass{},
      SumLitterfall{},
      SumUptake{},
      SumSoilInputs{},
      RegionFromCountry(false) {}

CCohort& CSite::Cohort(int k) {
  return const_cast<CCohort&>(static_cast<const CSite&>(*this).Cohort(k));
}

const CCohort& CSite::Cohort(int k) const {
  if (k < 0 || k >= NrCohorts()) {
    throw TarvexError("No cohort " + FormatInt(k + 1) + " on this site");
  }
  return *cohorts_[static_cast<std::size_t>(k)];
}

CCohort& CSite::AddCohort() {
  if (NrCohorts() >= kMaxCohorts) throw TarvexError("A site holds at most 20 cohorts");
  cohorts_.push_back(std::make_unique<CCohort>());
  return *cohorts_.back();
}

void CSite::DeleteCohort(int k) {
  if (k < 0 || k >= NrCohorts()) {
    throw TarvexError("Cannot delete cohort " + FormatInt(k + 1) + ": no such cohort");
  }
  cohorts_.erase(cohorts_.begin() + k);
}

void CSite::ClearResults() {
  for (auto& cohort : cohorts_) cohort->ClearResults();
}

void CSite::ClearNdep() { Ndep.fill(0.0f); }

int CSite::FirstPlantingYear() const {
  int result = 9999;
  for (int i = 0; i < NrCohorts(); ++i) {
    const int y = cohorts_[static_cast<std::size_t>(i)]->ForMan.PlantingYear();
    if (y == 9999) throw TarvexError("No planting year for cohort " + FormatInt(i + 1));
    result = std::min(result, y);
  }
  return result;
}

void CSite::SumCohorts() {
  using namespace standsim;
  const bool natural = ForestType == ForestKind::NaturalRejuvenation;
  std::vector<int> start;
  for (const auto& cohort : cohorts_) start.push_back(natural ? 0 : cohort->ForMan.PlantingYear());

  for (int y = std::max(FirstYear, 0); y <= std::min(LastYear, kLastYear); ++y) {
    BIOVEC biomass{}, litterfall{};
    NUTVEC uptake{}, soilInputs{};
    for (std::size_t c = 0; c < cohorts_.size(); ++c) {
      if (y < start[c]) continue;
      const CCohort& cohort = *cohorts_[c];
      for (int k = 0; k < kCompartments; ++k) {
        biomass.v[k] += cohort.Biomass[y].v[k];
        litterfall.v[k] += cohort.Litterfall[y].v[k];
      }
      for (int slot : {NUT_N, NUT_CA, NUT_MG, NUT_K}) uptake.v[slot] += cohort.Uptake[y].v[slot];
      for (int slot : {NUT_C, NUT_N}) soilInputs.v[slot] += cohort.SoilInputs[y].v[slot];
    }
    SumBiomass[y] = biomass;
    SumLitterfall[y] = litterfall;
    for (int slot : {NUT_N, NUT_CA, NUT_MG, NUT_K}) SumUptake[y].v[slot] = uptake.v[slot];
    for (int slot : {NUT_C, NUT_N}) SumSoilInputs[y].v[slot] = soilInputs.v[slot];
  }
}

}  // namespace tarvex
