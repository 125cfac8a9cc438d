// The tables built into the workbench: the 26 tree species with their
// evergreen flag, rotation length, leaf nitrogen parameters and nutrient
// contents, the 7 biogeographical regions, the 43 countries with their numeric
// codes, and the two default rows of turnover rates.
#pragma once

#include <array>
#include <string_view>

namespace tarvex {

inline constexpr int kSpeciesCount = 26;
inline constexpr int kRegionCount = 7;
inline constexpr int kCountryCount = 43;

// Nutrient contents of the five compartments (branches, coarse roots, fine
// roots, leaves, stems), percent of dry mass.
using CompartmentValues = std::array<double, 5>;

struct SpeciesRow {
  int Nr;                   // 1..26, the row number
  unsigned char Evergreen;  // 1 evergreen, 0 deciduous
  std::string_view Name;
  int Rotation;         // rotation length, years
  double Nlfmin;        // minimum N content of leaves, percent
  double Nlfmax;        // maximum N content of leaves, percent
  double expNlf;        // exponent of the leaf N response to N deposition
  double SpeciesValue;  // a per-species value carried into every record; no run uses it
  CompartmentValues ctCa;
  CompartmentValues ctMg;
  CompartmentValues ctK;
  CompartmentValues ctN;
};

struct RegionRow {
  int Nr;
  std::string_view Name;
};

struct CountryRow {
  int Nr;
  int Code;  // numeric country code
  std::string_view Name;
};

class Defs {
 public:
  Defs();

  // Nr - 1 of the first species whose name equals NAME exactly (case
  // sensitive, whole text); -1 when none does.
  int SpeciesIndex(std::string_view name) const;

  // Nr - 1 of the first region whose name equals NAME exactly; -1 when none.
  int RegionIndex(std::string_view name) const;

  std::array<SpeciesRow, kSpeciesCount> Species;
  std::array<CountryRow, kCountryCount> Countries;
  std::array<RegionRow, kRegionCount> Regions;
  // Default turnover rates {deciduous, evergreen}, 1/yr, compartment order.
  std::array<CompartmentValues, 2> TurnOverRows;
};

}  // namespace tarvex
