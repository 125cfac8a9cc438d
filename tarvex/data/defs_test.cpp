#include "tarvex/data/defs.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(Defs, LooksNamesUpExactly) {
  const Defs defs;
  struct Case {
    const char* name;
    int species, region;
  };
  const Case cases[] = {
      {"Picea abies", 12, -1},
      {"Picea", 11, -1},
      {"picea", -1, -1},
      {"Unknown", -1, -1},
      {"Picea ", -1, -1},
      {"Artic", -1, 2},
      {"All", -1, 0},
      {"Mediterranean", -1, 6},
      {"boreal", -1, -1},
      {"Abies", 0, -1},
      {"Soft broadleaves", 25, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(defs.SpeciesIndex(c.name), c.species) << c.name;
    EXPECT_EQ(defs.RegionIndex(c.name), c.region) << c.name;
  }
}

TEST(Defs, RowsAreNumberedInTableOrder) {
  const Defs defs;
  for (int i = 0; i < kSpeciesCount; ++i) EXPECT_EQ(defs.Species[i].Nr, i + 1);
  for (int i = 0; i < kRegionCount; ++i) EXPECT_EQ(defs.Regions[i].Nr, i + 1);
  for (int i = 0; i < kCountryCount; ++i) EXPECT_EQ(defs.Countries[i].Nr, i + 1);
  EXPECT_EQ(defs.Countries[35].Name, "Spain");
  EXPECT_EQ(defs.Countries[35].Code, 724);
  EXPECT_EQ(defs.Countries[42].Code, 999);
}

// One species of each leaf nitrogen group and content group.
TEST(Defs, SpeciesCarryTheirGroups) {
  const Defs defs;
  const SpeciesRow& pinusNigra = defs.Species[16];
  EXPECT_EQ(pinusNigra.Name, "Pinus nigra");
  EXPECT_EQ(pinusNigra.Evergreen, 1);
  EXPECT_EQ(pinusNigra.Rotation, 80);
  EXPECT_EQ(pinusNigra.Nlfmin, 1.01);
  EXPECT_EQ(pinusNigra.Nlfmax, 2.13);
  EXPECT_EQ(pinusNigra.expNlf, 7.4);
  EXPECT_EQ(pinusNigra.ctK[0], 0.07164);  // content group F
  EXPECT_EQ(pinusNigra.ctMg[3], 0.52588);

  const SpeciesRow& fagus = defs.Species[5];
  EXPECT_EQ(fagus.Evergreen, 0);
  EXPECT_EQ(fagus.SpeciesValue, 0.13);
  EXPECT_EQ(fagus.Nlfmax, 2.9);
  EXPECT_EQ(fagus.ctCa[4], 0.13817);  // content group D
  EXPECT_EQ(fagus.ctN[3], 2.61206);

  const SpeciesRow& larix = defs.Species[8];
  EXPECT_EQ(larix.Evergreen, 0);
  EXPECT_EQ(larix.expNlf, 10.8);
  EXPECT_EQ(defs.Species[24].Evergreen, 1);  // Quercus pyrenaica
  EXPECT_EQ(defs.Species[25].Rotation, 60);
  EXPECT_EQ(defs.TurnOverRows[1][4], 0.0087);
}

}  // namespace
}  // namespace tarvex
