// The Tarvex file: a scenario (the site, its cohorts, their growth curves,
// management and biomass parameters) as lines of a key padded to 17
// characters and its values. Integers are written as "%d", reals as "%lf"
// (six decimals), lists as values each followed by one blank.
//
// Site keys: "RegionName", "NrCohorts", "QSMpInFile", "ForestType" (and, read
// only, "CountryName"). Then one block per cohort, opened by ">>CohortNr_N":
// "SpeciesName", "MaxGrowth", "Kgr", "InitBiom", "CarbonContent",
// "WoodDensity", "TurnOver" (5), "Nlfmax", "Nlfmin", "expNlf", "ctCa", "ctMg",
// "ctK", "ctN" (5 each), "BAFbr", "BAFcr", "BAFfr", "BAFlv", "BAFst" (15 each:
// ages 10..140 and 1000; files with the first 14 are read too), "NrDataGrowth",
// "GrowthYears", "Increment", "NrForManData", "ForManYears", "Actions",
// "PercAmount" and "RemovedOrLeft" (per action four digits for stems,
// branches, roots and leaves, right-aligned in 5 characters).
//
// Text values are the rest of the line after the key, without surrounding
// blanks; a save writes them without the blanks and TABs at either end too.
// A region or species that is absent or empty is read and written as the
// window shows it: "Unknown"; a file without a region, or with an empty one,
// that names a country asks for the region of the country. The forest type
// is "NatJuvenation" for a natural stand and "EvenAged" for an even-aged one;
// any other text, and none, reads as "EvenAged". Keys may stand in any order
// within the site part and within a block.
#pragma once

#include <memory>
#include <string>

#include "tarvex/data/biomass_record.h"
#include "tarvex/data/keyed_lines.h"
#include "tarvex/data/site.h"

namespace tarvex {

// The text of the Tarvex file of SITE, as a save writes it. Raises "Cannot
// write Tarvex file FILENAME: REASON" for a text holding a line end; the
// values are checked by CSite::WriteToFile, which refuses a value outside its
// range (cohort_values.h) or a stems expansion factor that six decimals write
// as 0, so that a file never holds what it cannot read back.
std::string ScenarioText(const CSite& site, const std::string& fileName);

// Reads a scenario into a new site. Raises TarvexError naming the file, the
// line, the key and the cohort when a count, a list or a value is not
// acceptable (see cohort_values.h for the ranges of the values). When a block gives 14
// expansion-factor columns, the age-1000 column comes from DEFAULTS for the cohort's species and
// the site's region, or repeats the age-140 column when DEFAULTS is null or they do not resolve.
// CHOOSEREGION is asked for the region when the file names only a country.
std::unique_ptr<CSite> ReadScenario(const KeyedLines& file, const CountryToRegion& chooseRegion,
                                    const SpeciesRegionTable* defaults);

}  // namespace tarvex
