#include "tarvex/data/cohort.h"

namespace tarvex {

CCohort::CCohort()
    : SpeciesName(kUnknownSpecies),
      MaxGrowth(0.0),
      InitBiom(0.0),
      Kgr(0.0),
      BiomassData{},
      HasBiomassData(false),
      Biomass{},
      Litterfall{},
      Uptake{},
      SoilInputs{} {}

void CCohort::ClearResults() {
  using namespace standsim;
  for (int y = 0; y < kYears; ++y) {
    Biomass[y] = BIOVEC{};
    Litterfall[y] = BIOVEC{};
    for (int slot : {NUT_N, NUT_CA, NUT_MG, NUT_K}) Uptake[y].v[slot] = 0.0;
    for (int slot : {NUT_C, NUT_N}) SoilInputs[y].v[slot] = 0.0;
  }
}

}  // namespace tarvex
