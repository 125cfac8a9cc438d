#include "tarvex/data/cohort_values.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "tarvex/data/number_text.h"
#include "tarvex/data/value_ranges.h"

namespace tarvex {
namespace {

constexpr std::string_view kCompartmentNames[standsim::kCompartments] = {
    "branches", "coarse roots", "fine roots", "leaves", "stems"};
constexpr std::string_view kBafKeys[kBafRows] = {"BAFbr", "BAFcr", "BAFfr", "BAFlv", "BAFst"};
constexpr std::string_view kFlagNames[4] = {"stems", "branches", "roots", "leaves"};

// The shortest text that reads back as VALUE.
std::string Shown(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// WHAT of KEY, shown as SHOWN, is outside RANGE: "the wood density is
// outside 0..2 g/cm3 (5)".
ValueProblem Outside(std::string_view key, const std::string& what, const std::string& shown,
                     const ValueRange& range) {
  return ValueProblem{std::string(key), what + " is outside " + Shown(range.Low) + ".." +
                                            Shown(range.High) + std::string(range.Unit) + " (" +
                                            shown + ")"};
}

// WHAT of KEY lies in RANGE.
MaybeProblem Range(std::string_view key, const std::string& what, double value,
                   const ValueRange& range) {
  if (!std::isfinite(value))
    return ValueProblem{std::string(key), what + " is not a finite number"};
  if (range.Holds(value)) return std::nullopt;
  return Outside(key, what, Shown(value), range);
}

// A whole number, an age or a year, is shown as one: 1000000, not 1e+06.
MaybeProblem Range(std::string_view key, const std::string& what, int value,
                   const ValueRange& range) {
  if (range.Holds(value)) return std::nullopt;
  return Outside(key, what, FormatInt(value), range);
}

// WHAT of each compartment lies in RANGE, that of stems in STEMS.
MaybeProblem FiveInRange(std::string_view key, const std::string& what, const double (&values)[5],
                         const ValueRange& range, const ValueRange& stems) {
  for (int k = 0; k < standsim::kCompartments; ++k) {
    const std::string name = what + " of " + std::string(kCompartmentNames[k]);
    if (auto problem = Range(key, name, values[k], k == standsim::ST ? stems : range)) {
      return problem;
    }
  }
  return std::nullopt;
}

MaybeProblem FiveInRange(std::string_view key, const std::string& what, const double (&values)[5],
                         const ValueRange& range) {
  return FiveInRange(key, what, values, range, range);
}

}  // namespace

MaybeProblem StandValueProblem(double maxGrowth, double kgr, double initBiom) {
  if (auto p = Range("MaxGrowth", "the maximum growth", maxGrowth, kStemIncrementRange)) return p;
  if (auto p = Range("Kgr", "the Kgr value", kgr, kStemVolumeRange)) return p;
  return Range("InitBiom", "the initial biomass", initBiom, kStemVolumeRange);
}

MaybeProblem BiomassValueProblem(const BiomassRecord& b) {
  if (auto p = Range("CarbonContent", "the carbon content", b.CarbonContent, kContentRange)) {
    return p;
  }
  if (auto p = Range("WoodDensity", "the wood density", b.WoodDensity, kWoodDensityRange)) return p;
  if (auto p = FiveInRange("TurnOver", "the turnover rate", b.TurnOver, kTurnoverRange,
                           kStemsTurnoverRange)) {
    return p;
  }
  if (auto p = Range("Nlfmax", "the maximum leaf N content", b.Nlfmax, kContentRange)) return p;
  if (auto p = Range("Nlfmin", "the minimum leaf N content", b.Nlfmin, kContentRange)) return p;
  if (auto p =
          Range("expNlf", "the exponent of the leaf N response", b.expNlf, kLeafNExponentRange)) {
    return p;
  }
  if (auto p = FiveInRange("ctCa", "the Ca content", b.ctCa, kContentRange)) return p;
  if (auto p = FiveInRange("ctMg", "the Mg content", b.ctMg, kContentRange)) return p;
  if (auto p = FiveInRange("ctK", "the K content", b.ctK, kContentRange)) return p;
  if (auto p = FiveInRange("ctN", "the N content", b.ctN, kContentRange)) return p;
  for (int row = 0; row < kBafRows; ++row) {
    for (int k = 0; k < kBafColumns; ++k) {
      const std::string what = "the expansion factor of " + std::string(kCompartmentNames[row]) +
                               " at age " + FormatInt(BafAges[k]);
      if (auto p = Range(kBafKeys[row], what, b.BAF[row][k], kExpansionFactorRange)) return p;
      if (row == kBafStemsRow && b.BAF[row][k] == 0.0) {
        return ValueProblem{std::string(kBafKeys[row]), what + " is 0"};
      }
    }
  }
  return std::nullopt;
}

MaybeProblem AgeProblem(int age) {
  return Range("GrowthYears", "the age of a growth point", age, kStandAgeRange);
}

MaybeProblem IncrementProblem(int age, double increment) {
  return Range("Increment", "the increment at age " + FormatInt(age), increment,
               kStemIncrementRange);
}

MaybeProblem YearProblem(const std::string& what, int year) {
  return Range("ForManYears", what, year, kYearRange);
}

MaybeProblem ActionProblem(int number, const standsim::MANACT& action) {
  const std::string of = " of action " + FormatInt(number);
  if (auto p = YearProblem("the year" + of, action.YEAR)) return p;
  if (action.ACTTYPE < standsim::ACT_NONE || action.ACTTYPE > standsim::ACT_PLANTING) {
    return ValueProblem{"Actions", "the type" + of + " is none of 0, 1, 2 and 3 (" +
                                       FormatInt(action.ACTTYPE) + ")"};
  }
  if (!kPercentageRange.Holds(action.PERC)) {
    return ValueProblem{"PercAmount",
                        "the percentage" + of + " is outside 0..100 (" + Shown(action.PERC) + ")"};
  }
  for (int j = 0; j < 4; ++j) {
    if (action.REMFLAG[j] != 0 && action.REMFLAG[j] != 1) {
      return ValueProblem{"RemovedOrLeft", "the removal flag of " + std::string(kFlagNames[j]) +
                                               of + " is neither 1 (removed) nor 0 (left) (" +
                                               FormatInt(action.REMFLAG[j]) + ")"};
    }
  }
  return std::nullopt;
}

MaybeProblem CohortValueProblem(const CCohort& cohort) {
  if (auto p = StandValueProblem(cohort.MaxGrowth, cohort.Kgr, cohort.InitBiom)) return p;
  if (auto p = BiomassValueProblem(cohort.BiomassData)) return p;
  for (int k = 0; k < cohort.Cai.NrDataGrowth; ++k) {
    const standsim::CAIPT& point = cohort.Cai.Points[static_cast<std::size_t>(k)];
    if (auto p = AgeProblem(point.AGE)) return p;
    if (auto p = IncrementProblem(point.AGE, point.INC)) return p;
  }
  for (int k = 0; k < cohort.ForMan.NrForManData; ++k) {
    if (auto p = ActionProblem(k + 1, cohort.ForMan.ManActions[static_cast<std::size_t>(k)])) {
      return p;
    }
  }
  return std::nullopt;
}

}  // namespace tarvex
