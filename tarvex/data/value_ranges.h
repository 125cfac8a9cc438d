// The ranges of the numbers a user enters, each far wider than any real
// stand needs: a value outside its range can only give nonsense (a negative
// biomass, an uptake of hundreds of digits), and the window, the biomass
// dialog, the scenario file and the species data file refuse it where it
// comes in. Each range is defined here once.
#pragma once

#include <string_view>

#include "tarvex/data/cohort.h"

namespace tarvex {

struct ValueRange {
  double Low;
  double High;
  std::string_view Unit;  // as the message names it after the range, "" for none

  bool Holds(double value) const { return value >= Low && value <= High; }
};

// A stand's yearly stem increment, and the maximum growth of a natural
// stand: the fastest plantations grow well below 100 m3/ha/yr.
inline constexpr ValueRange kStemIncrementRange{0.0, 500.0, " m3/ha/yr"};

// A stem volume, the initial biomass and the Kgr value of a natural stand:
// the most massive stands known (coast redwoods) hold about 10,000 m3/ha.
inline constexpr ValueRange kStemVolumeRange{0.0, 20000.0, " m3/ha"};

// The age of a point of a growth curve: no stand is older than the years
// the model computes, nor than the oldest trees, about 5,000 years.
inline constexpr ValueRange kStandAgeRange{0.0, kLastYear, " years"};

// The calendar year of a management action: the years the model computes.
inline constexpr ValueRange kYearRange{0.0, kLastYear, ""};

// The part of the stand a management action takes.
inline constexpr ValueRange kPercentageRange{0.0, 100.0, ""};

// A content of the dry mass (carbon, N, Ca, Mg, K, the leaf N minimum and
// maximum): no part exceeds the whole.
inline constexpr ValueRange kContentRange{0.0, 100.0, " %"};

// The wood density: the densest woods stay below 1.4 g/cm3.
inline constexpr ValueRange kWoodDensityRange{0.0, 2.0, " g/cm3"};

// A turnover rate, the part of a compartment that falls each year: leaves
// of deciduous trees 1, the fastest fine roots renew a few times a year.
inline constexpr ValueRange kTurnoverRange{0.0, 10.0, " /yr"};

// The turnover rate of stems: in a natural stand the part of the stems (and
// of every other compartment with them) that dies in a year, which cannot
// exceed the whole.
inline constexpr ValueRange kStemsTurnoverRange{0.0, 1.0, " /yr"};

// The exponent of the leaf N response: the species use about 10 m2 yr/eq;
// at 1,000 the leaves would reach their maximum at the smallest deposition.
inline constexpr ValueRange kLeafNExponentRange{0.0, 1000.0, " m2 yr/eq"};

// An expansion factor, the biomass of a compartment as a multiple of the
// stem biomass: young stands reach about 1.2, no stand a hundred. A stems
// factor is refused at 0 too; the cohorts keep the factors relative to
// stems (each age's column divided by its stems factor), so theirs is 1.
inline constexpr ValueRange kExpansionFactorRange{0.0, 100.0, ""};

}  // namespace tarvex
