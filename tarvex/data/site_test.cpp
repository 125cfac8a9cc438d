#include "tarvex/data/site.h"

#include <gtest/gtest.h>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

using standsim::ACT_PLANTING;
using standsim::ACT_THINNING;

constexpr RemovalFlags kRemoveAll{1, 1, 1, 1};

// A cohort planted in PLANTED whose results are VALUE + the year's offset in
// every slot, so sums show which cohorts and years went in.
void AddCohortPlanted(CSite& site, int planted, double value) {
  CCohort& cohort = site.AddCohort();
  cohort.ForMan.SetAction(planted, ACT_PLANTING, 100.0, kRemoveAll);
  for (int y = 0; y < kYears; ++y) {
    for (double& v : cohort.Biomass[y].v) v = value;
    for (double& v : cohort.Litterfall[y].v) v = value / 10;
    for (double& v : cohort.Uptake[y].v) v = value / 100;
    for (double& v : cohort.SoilInputs[y].v) v = value / 1000;
  }
  for (int k = 0; k < standsim::kCompartments; ++k) cohort.Biomass[2010].v[k] = value + k;
}

TEST(CSite, StartsEmpty) {
  auto site = std::make_unique<CSite>();
  EXPECT_EQ(site->RegionName, "Unknown");
  EXPECT_EQ(site->ForestType, ForestKind::EvenAged);
  EXPECT_EQ(site->QSMpInFile, "");
  EXPECT_EQ(site->NrCohorts(), 0);
  EXPECT_FALSE(site->RegionFromCountry);
  EXPECT_EQ(site->FirstPlantingYear(), 9999);
  EXPECT_EQ(site->Ndep[1990], 0.0f);
}

TEST(CSite, SumCohortsCountsEachCohortFromItsPlanting) {
  auto site = std::make_unique<CSite>();
  site->FirstYear = 1990;
  site->LastYear = 2100;
  AddCohortPlanted(*site, 1995, 10.0);
  AddCohortPlanted(*site, 2005, 200.0);
  site->SumBiomass[1989].v[0] = -1.0;  // outside the period: kept
  site->SumUptake[2000].v[standsim::NUT_C] = -2.0;
  site->SumCohorts();

  EXPECT_EQ(site->SumBiomass[1989].v[0], -1.0);
  EXPECT_EQ(site->SumBiomass[1994].v[0], 0.0);
  EXPECT_EQ(site->SumBiomass[2000].v[standsim::ST], 10.0);
  EXPECT_EQ(site->SumLitterfall[2000].v[standsim::LV], 1.0);
  EXPECT_EQ(site->SumUptake[2000].v[standsim::NUT_K], 0.1);
  EXPECT_EQ(site->SumUptake[2000].v[standsim::NUT_C], -2.0);  // slot not summed
  EXPECT_EQ(site->SumSoilInputs[2000].v[standsim::NUT_N], 0.01);
  for (int k = 0; k < standsim::kCompartments; ++k) {
    EXPECT_EQ(site->SumBiomass[2010].v[k], 210.0 + 2 * k);
  }
  EXPECT_EQ(site->SumLitterfall[2100].v[standsim::BR], 21.0);

  site->ForestType = ForestKind::NaturalRejuvenation;  // every cohort counts from year 0
  site->SumCohorts();
  EXPECT_EQ(site->SumBiomass[1990].v[standsim::ST], 210.0);
}

TEST(CSite, SumCohortsStaysWithinTheYearArrays) {
  auto site = std::make_unique<CSite>();
  AddCohortPlanted(*site, 0, 1.0);
  site->FirstYear = -50;
  site->LastYear = 7000;
  site->SumCohorts();
  EXPECT_EQ(site->SumBiomass[0].v[0], 1.0);
  EXPECT_EQ(site->SumBiomass[kLastYear].v[0], 1.0);
}

TEST(CSite, SumCohortsNeedsPlantingsOnAnEvenAgedSite) {
  auto site = std::make_unique<CSite>();
  site->FirstYear = 2000;
  site->LastYear = 2001;
  site->AddCohort().ForMan.SetAction(2000, ACT_THINNING, 10.0, kRemoveAll);
  EXPECT_THROW(site->SumCohorts(), TarvexError);
}

TEST(CSite, FirstPlantingYear) {
  auto site = std::make_unique<CSite>();
  AddCohortPlanted(*site, 2005, 1.0);
  AddCohortPlanted(*site, 1995, 1.0);
  AddCohortPlanted(*site, 2001, 1.0);
  EXPECT_EQ(site->FirstPlantingYear(), 1995);

  site->Cohort(1).ForMan.Clear();
  site->Cohort(1).ForMan.SetAction(9999, ACT_PLANTING, 100.0, kRemoveAll);
  try {
    site->FirstPlantingYear();
    ADD_FAILURE();
  } catch (const TarvexError& e) {
    EXPECT_STREQ(e.what(), "No planting year for cohort 2");
  }
  site->Cohort(1).ForMan.Clear();
  EXPECT_THROW(site->FirstPlantingYear(), TarvexError);
}

TEST(CSite, AddAndDeleteCohorts) {
  auto site = std::make_unique<CSite>();
  for (int i = 0; i < 3; ++i) site->AddCohort().Kgr = i;
  site->DeleteCohort(0);
  ASSERT_EQ(site->NrCohorts(), 2);
  EXPECT_EQ(site->Cohort(0).Kgr, 1.0);
  EXPECT_EQ(site->Cohort(1).Kgr, 2.0);
  EXPECT_THROW(site->DeleteCohort(2), TarvexError);
  EXPECT_THROW(site->DeleteCohort(-1), TarvexError);
  EXPECT_THROW(site->Cohort(2), TarvexError);
  EXPECT_EQ(site->NrCohorts(), 2);

  while (site->NrCohorts() < kMaxCohorts) site->AddCohort();
  EXPECT_THROW(site->AddCohort(), TarvexError);
  EXPECT_EQ(site->NrCohorts(), kMaxCohorts);
}

TEST(CSite, ClearResultsAndNdep) {
  auto site = std::make_unique<CSite>();
  site->AddCohort().Biomass[2000].v[0] = 5.0;
  site->Ndep[2000] = 0.5f;
  site->ClearResults();
  site->ClearNdep();
  EXPECT_EQ(site->Cohort(0).Biomass[2000].v[0], 0.0);
  EXPECT_EQ(site->Ndep[2000], 0.0f);
}

}  // namespace
}  // namespace tarvex
