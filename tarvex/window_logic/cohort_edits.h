#pragma once
// The parts of a cohort that the forest inputs edit: its species, the three
// values of a natural stand, its growth curve and its management. The inputs
// shown are taken as such a record, put into a cohort and taken back out of
// it whole, so that every use names the same fields.

#include <string>

#include "tarvex/data/cohort.h"

namespace tarvex {

struct CohortEdits {
  std::string SpeciesName;
  double MaxGrowth = 0;
  double InitBiom = 0;
  double Kgr = 0;
  CCai Cai;
  CForMan ForMan;

  // The edited parts of COHORT.
  static CohortEdits Of(const CCohort& cohort) {
    return {cohort.SpeciesName, cohort.MaxGrowth, cohort.InitBiom,
            cohort.Kgr,         cohort.Cai,       cohort.ForMan};
  }
  // Puts these parts into COHORT; its other fields stay.
  void PutInto(CCohort& cohort) const {
    cohort.SpeciesName = SpeciesName;
    cohort.MaxGrowth = MaxGrowth;
    cohort.InitBiom = InitBiom;
    cohort.Kgr = Kgr;
    cohort.Cai = Cai;
    cohort.ForMan = ForMan;
  }
};

}  // namespace tarvex
