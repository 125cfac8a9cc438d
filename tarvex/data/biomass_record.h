// The biomass parameters of one species in one region: 113 slots of 8 bytes,
// copied whole between a cohort, the species-by-region defaults and the
// biomass parameter dialog.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "tarvex/data/defs.h"
#include "tarvex/data/number_text.h"

namespace tarvex {

inline constexpr int kBafRows = 5;      // branches, coarse roots, fine roots, leaves, stems
inline constexpr int kBafColumns = 15;  // stand ages of BafAges
inline constexpr int kBafStemsRow = 4;

// The stand ages of the expansion-factor columns.
inline constexpr std::array<int, kBafColumns> BafAges{10, 20,  30,  40,  50,  60,  70,  80,
                                                      90, 100, 110, 120, 130, 140, 1000};

struct BiomassRecord {
  // Slots 0-74: biomass expansion factors, row-major: row 0 branches, 1 coarse
  // roots, 2 fine roots, 3 leaves, 4 stems; column k at stand age BafAges[k].
  double BAF[kBafRows][kBafColumns];
  double CarbonContent;     // 75: percent
  double unused76[5];       // 76-80: carry no parameter
  double WoodDensity;       // 81: g/cm3
  unsigned char Evergreen;  // 82: 1 evergreen, 0 deciduous, in the slot's first byte
  unsigned char unused82[7];
  double TurnOver[5];   // 83-87: 1/yr, compartment order
  double Nlfmin;        // 88: minimum N content of leaves, percent
  double Nlfmax;        // 89: maximum N content of leaves, percent
  double expNlf;        // 90: exponent of the leaf N response, m2 yr/eq
  double unused91;      // 91: carries no parameter
  double SpeciesValue;  // 92: the species table's per-species value; no run uses it
  double ctCa[5];       // 93-97: percent, compartment order
  double ctK[5];        // 98-102
  double ctMg[5];       // 103-107
  double ctN[5];        // 108-112
};

inline constexpr std::size_t kBiomassSlots = 113;
static_assert(sizeof(BiomassRecord) == kBiomassSlots * 8);
static_assert(offsetof(BiomassRecord, CarbonContent) == 75 * 8);
static_assert(offsetof(BiomassRecord, WoodDensity) == 81 * 8);
static_assert(offsetof(BiomassRecord, Evergreen) == 82 * 8);
static_assert(offsetof(BiomassRecord, TurnOver) == 83 * 8);
static_assert(offsetof(BiomassRecord, Nlfmin) == 88 * 8);
static_assert(offsetof(BiomassRecord, Nlfmax) == 89 * 8);
static_assert(offsetof(BiomassRecord, expNlf) == 90 * 8);
static_assert(offsetof(BiomassRecord, SpeciesValue) == 92 * 8);
static_assert(offsetof(BiomassRecord, ctCa) == 93 * 8);
static_assert(offsetof(BiomassRecord, ctK) == 98 * 8);
static_assert(offsetof(BiomassRecord, ctMg) == 103 * 8);
static_assert(offsetof(BiomassRecord, ctN) == 108 * 8);

// Divides each column of the expansion factors by its stems value, which so
// becomes 1: the factors relative to stems, as the species data file, a
// Tarvex file and the biomass parameter dialog give them to a cohort. Every
// stems value must be above 0 (StemsFactorProblem).
inline void MakeRelativeToStems(BiomassRecord& b) {
  for (int k = 0; k < kBafColumns; ++k) {
    const double stems = b.BAF[kBafStemsRow][k];
    for (int row = 0; row < kBafRows; ++row) b.BAF[row][k] /= stems;
  }
}

// Why MakeRelativeToStems cannot divide B: "the stems expansion factor at age
// 30 is not positive" for the first stems value that is not above 0; none
// when every one is.
inline std::optional<std::string> StemsFactorProblem(const BiomassRecord& b) {
  for (int k = 0; k < kBafColumns; ++k) {
    if (!(b.BAF[kBafStemsRow][k] > 0.0)) {
      return "the stems expansion factor at age " + FormatInt(BafAges[k]) + " is not positive";
    }
  }
  return std::nullopt;
}

// The species-by-region defaults: entry [s][r] for species number s+1 and
// region number r+1. About 160 KB; create it on the heap.
using SpeciesRegionTable = std::array<std::array<BiomassRecord, kRegionCount>, kSpeciesCount>;

}  // namespace tarvex
