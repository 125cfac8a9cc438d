// The checks of a cohort's values against their ranges (value_ranges.h),
// outside which they can only give nonsense (negative biomass or litterfall,
// results of hundreds of digits). The scenario file, the species data file
// and the window refuse such values where they come in, and a save refuses
// them before it writes.
#pragma once

#include <optional>
#include <string>

#include "standsim/engine/growth_records.h"
#include "tarvex/data/biomass_record.h"
#include "tarvex/data/cohort.h"

namespace tarvex {

// A value out of its range: the scenario-file key that holds it and what is
// wrong, such as "the wood density is outside 0..2 g/cm3 (5)".
struct ValueProblem {
  std::string key;
  std::string reason;
};
using MaybeProblem = std::optional<ValueProblem>;

// Maximum growth, Kgr and initial biomass.
MaybeProblem StandValueProblem(double maxGrowth, double kgr, double initBiom);

// Contents, wood density, turnover rates, the leaf N parameters and the
// expansion factors; a stems expansion factor of 0 is refused too.
MaybeProblem BiomassValueProblem(const BiomassRecord& b);

// A growth point's age and its increment.
MaybeProblem AgeProblem(int age);
MaybeProblem IncrementProblem(int age, double increment);

// WHAT, the year of a management action: a calendar year 0..4999.
MaybeProblem YearProblem(const std::string& what, int year);

// Management action NUMBER (1-based): its year, a type 0..3 (0: a row with no
// action chosen), a percentage 0..100 and removal flags 0 or 1.
MaybeProblem ActionProblem(int number, const standsim::MANACT& action);

// All of the above for the values of COHORT that its scenario block holds.
MaybeProblem CohortValueProblem(const CCohort& cohort);

}  // namespace tarvex
