#include <gtest/gtest.h>

#include <memory>

#include "tarvex/data/cohort.h"
#include "tarvex/data/growth_curve.h"
#include "tarvex/data/management.h"
#include "tarvex/data/tarvex_error.h"

namespace tarvex {
namespace {

using standsim::ACT_CLEARCUT;
using standsim::ACT_PLANTING;
using standsim::ACT_THINNING;

constexpr RemovalFlags kRemoveStems{1, 0, 0, 0};
constexpr RemovalFlags kRemoveAll{1, 1, 1, 1};

TEST(CCai, AddPointKeepsAgesUniqueAndInsertionOrder) {
  CCai cai;
  EXPECT_EQ(cai.MaxAge(), 0);
  EXPECT_TRUE(cai.AddPoint(40, 5.0));
  EXPECT_TRUE(cai.AddPoint(10, 2.0));
  EXPECT_FALSE(cai.AddPoint(40, 9.0));
  ASSERT_EQ(cai.NrDataGrowth, 2);
  EXPECT_EQ(cai.Points[0].AGE, 40);
  EXPECT_EQ(cai.Points[0].INC, 5.0);
  EXPECT_EQ(cai.Points[1].AGE, 10);
  EXPECT_EQ(cai.MaxAge(), 40);

  int ages[2];
  double increments[2];
  cai.GetArrays(ages, increments);
  EXPECT_EQ(ages[1], 10);
  EXPECT_EQ(increments[1], 2.0);

  cai.DeleteLast();
  EXPECT_EQ(cai.NrDataGrowth, 1);
  EXPECT_EQ(cai.Points[1].AGE, 0);
  EXPECT_EQ(cai.Points[1].INC, 0.0);
  cai.DeleteLast();
  cai.DeleteLast();  // on an empty curve: nothing happens
  EXPECT_EQ(cai.NrDataGrowth, 0);
}

TEST(CCai, RefusesAHundredthPoint) {
  CCai cai;
  for (int age = 1; age <= kMaxGrowthPoints; ++age) ASSERT_TRUE(cai.AddPoint(age, 1.0));
  EXPECT_FALSE(cai.AddPoint(50, 1.0));  // a repeated age is still just refused
  EXPECT_THROW(cai.AddPoint(100, 1.0), TarvexError);
  EXPECT_EQ(cai.NrDataGrowth, kMaxGrowthPoints);
  EXPECT_EQ(cai.MaxAge(), 99);
}

TEST(CForMan, SetActionStoresReplacesAndChecksThePercentage) {
  struct Step {
    int year, type;
    double perc;
    bool ok;
    int count, slot;  // count afterwards and slot of the year
    double stored;
  };
  const Step steps[] = {
      {2000, ACT_PLANTING, 100.0, true, 1, 0, 100.0}, {2010, ACT_THINNING, 120.0, false, 2, 1, 0.0},
      {2020, ACT_THINNING, -5.0, false, 3, 2, 0.0},   {2030, ACT_THINNING, 0.0, true, 4, 3, 0.0},
      {2010, ACT_CLEARCUT, 100.0, true, 4, 1, 100.0},  // same year: replaced in place
  };
  CForMan forMan;
  for (const Step& s : steps) {
    EXPECT_EQ(forMan.SetAction(s.year, s.type, s.perc, kRemoveStems), s.ok) << s.year;
    EXPECT_EQ(forMan.NrForManData, s.count);
    const standsim::MANACT& a = forMan.ManActions[s.slot];
    EXPECT_EQ(a.YEAR, s.year);
    EXPECT_EQ(a.ACTTYPE, s.type);
    EXPECT_EQ(a.PERC, s.stored);
  }
  forMan.SetAction(2010, ACT_CLEARCUT, 50.0, kRemoveAll);
  EXPECT_EQ(forMan.ManActions[1].REMFLAG[3], 1);

  int years[4], types[4];
  double percs[4];
  RemovalFlags flags[4];
  forMan.GetArrays(years, types, percs, flags);
  EXPECT_EQ(years[3], 2030);
  EXPECT_EQ(types[1], ACT_CLEARCUT);
  EXPECT_EQ(percs[1], 50.0);
  EXPECT_EQ(flags[1], kRemoveAll);
  EXPECT_EQ(flags[0], kRemoveStems);
}

TEST(CForMan, DeleteLastAndCapacity) {
  CForMan forMan;
  forMan.DeleteLast();  // on an empty list: nothing happens
  EXPECT_EQ(forMan.NrForManData, 0);
  for (int k = 0; k < kMaxManagementActions; ++k) {
    forMan.SetAction(2000 + k, ACT_THINNING, 10.0, kRemoveAll);
  }
  EXPECT_THROW(forMan.SetAction(1990, ACT_PLANTING, 100.0, kRemoveAll), TarvexError);
  EXPECT_TRUE(forMan.SetAction(2000, ACT_PLANTING, 100.0, kRemoveAll));  // a replacement fits
  EXPECT_EQ(forMan.NrForManData, kMaxManagementActions);
  forMan.DeleteLast();
  const standsim::MANACT& dropped = forMan.ManActions[kMaxManagementActions - 1];
  EXPECT_EQ(dropped.YEAR, 0);
  EXPECT_EQ(dropped.ACTTYPE, 0);
  EXPECT_EQ(dropped.PERC, 0.0);
  EXPECT_EQ(dropped.REMFLAG[0], 1);  // the flags stay
}

struct Action {
  int year, type;
};

CForMan Management(std::initializer_list<Action> actions) {
  CForMan forMan;
  for (const Action& a : actions) forMan.SetAction(a.year, a.type, 50.0, kRemoveAll);
  return forMan;
}

TEST(CForMan, PlantingAndClearcutYears) {
  EXPECT_EQ(
      Management({{1990, ACT_THINNING}, {2000, ACT_PLANTING}, {1995, ACT_PLANTING}}).PlantingYear(),
      1995);
  EXPECT_EQ(Management({{9999, ACT_PLANTING}}).PlantingYear(), 9999);
  EXPECT_EQ(Management({{12000, ACT_PLANTING}}).PlantingYear(), 9999);
  try {
    Management({{1990, ACT_THINNING}, {2050, ACT_CLEARCUT}}).PlantingYear();
    ADD_FAILURE() << "no planting taken";
  } catch (const TarvexError& e) {
    EXPECT_STREQ(e.what(), "Not all cohorts have planting years!");
  }
  EXPECT_EQ(Management({{2050, ACT_CLEARCUT}, {2030, ACT_CLEARCUT}}).ClearcutYear(), 2030);
  EXPECT_EQ(Management({{2000, ACT_PLANTING}}).ClearcutYear(), 9999);
  EXPECT_EQ(Management({}).ClearcutYear(), 9999);
}

TEST(CCohort, StartsEmptyAndClearsOnlyTheResultSlots) {
  auto cohort = std::make_unique<CCohort>();
  EXPECT_EQ(cohort->SpeciesName, "Unknown");
  EXPECT_EQ(cohort->MaxGrowth, 0.0);
  EXPECT_EQ(cohort->Kgr, 0.0);
  EXPECT_EQ(cohort->InitBiom, 0.0);
  EXPECT_EQ(cohort->BiomassData.CarbonContent, 0.0);
  EXPECT_EQ(cohort->BiomassData.BAF[4][14], 0.0);
  EXPECT_FALSE(cohort->HasBiomassData);
  EXPECT_EQ(cohort->Cai.NrDataGrowth, 0);
  EXPECT_EQ(cohort->ForMan.NrForManData, 0);

  for (int y : {0, 2000, kLastYear}) {
    for (double& v : cohort->Biomass[y].v) v = 1.0;
    for (double& v : cohort->Litterfall[y].v) v = 2.0;
    for (double& v : cohort->Uptake[y].v) v = 3.0;
    for (double& v : cohort->SoilInputs[y].v) v = 4.0;
  }
  cohort->ClearResults();
  for (int y : {0, 2000, kLastYear}) {
    for (double v : cohort->Biomass[y].v) EXPECT_EQ(v, 0.0);
    for (double v : cohort->Litterfall[y].v) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(cohort->Uptake[y].v[standsim::NUT_C], 3.0);
    EXPECT_EQ(cohort->Uptake[y].v[standsim::NUT_N], 0.0);
    EXPECT_EQ(cohort->Uptake[y].v[standsim::NUT_K], 0.0);
    EXPECT_EQ(cohort->Uptake[y].v[standsim::NUT_SIXTH], 3.0);
    EXPECT_EQ(cohort->SoilInputs[y].v[standsim::NUT_C], 0.0);
    EXPECT_EQ(cohort->SoilInputs[y].v[standsim::NUT_N], 0.0);
    EXPECT_EQ(cohort->SoilInputs[y].v[standsim::NUT_CA], 4.0);
  }
}

}  // namespace
}  // namespace tarvex
