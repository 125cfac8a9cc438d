// The species data file "IxoTreeData_reg.dat": the biomass parameters that
// depend on species and region. Eight sections, each a header line (skipped)
// and 182 data lines, one per species and region in any order. A data line
// holds blank-separated fields: the species number 1..26, the region code and
// the values of the section:
//   1-5  15 expansion factors of branches, coarse roots, fine roots, leaves
//        and stems at ages 10, 20, ..., 140 and 1000 (-1 or less: missing)
//   6    the carbon content as a fraction of dry mass
//   7    5 turnover rates, 1/yr (branches, coarse roots, fine roots, leaves,
//        stems)
//   8    the wood density, g/cm3
#pragma once

#include <memory>
#include <span>
#include <string>

#include "tarvex/data/biomass_record.h"
#include "tarvex/data/defs.h"

namespace tarvex {

// Fills the missing values (not greater than MISSING) of VALUES[FIRST..END-1]
// in place: values before the first valid one take its value, values between
// two valid ones lie on the line between them, values after the last valid
// one repeat it. STATUS: 0 filled, 1 FIRST below LOWERBOUND or below the
// start of VALUES (nothing done), 2 no valid value in the range (nothing
// changed). END is held within VALUES.
void FillGaps(int lowerBound, int first, int end, float missing, std::span<double> values,
              int& status);

// The region numbers by region code of the species data file: code n gives
// region n for every region of DEFS, codes 0..6 otherwise -1, others 0.
std::array<int, 100> RegionMapOf(const Defs& defs);

// Reads the species data file FILENAME into TABLE: the expansion factors with
// their gaps filled and divided by the stems value of their age (stems become
// 1.0), the carbon content in percent, the turnover rates and the wood
// density. Raises TarvexError naming the file and the line when the file is
// missing or short, when a line has too few or too many fields or a value is
// not a number, when a species number is outside 1..26 or a region code maps
// to no region 1..7, when a species and region pair is missing from a section
// or given twice, and when a value would give a cohort nonsense (a stems
// value not positive, a row without any value, a value that is negative, not
// finite or a carbon fraction above 1); then the message also names the
// species and the region that cannot be used.
void ReadTreeData(const std::string& fileName, std::span<const int> regionMap,
                  SpeciesRegionTable& table);

// The species-by-region defaults: the species data file read with
// ReadTreeData, then overlaid with the built-in species values of DEFS (the
// evergreen flag, the leaf nitrogen parameters, the per-species value and the
// Ca, K, Mg and N contents).
std::unique_ptr<SpeciesRegionTable> BuildSpeciesRegionDefaults(const std::string& fileName,
                                                               const Defs& defs);

}  // namespace tarvex
