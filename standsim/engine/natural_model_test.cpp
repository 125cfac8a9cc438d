// GROWTH with a naturally regenerating stand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "standsim/engine/growth_fixture.h"

namespace standsim::testing {
namespace {

const std::string kSuccess = Padded("");

// A natural stand of NCOH cohorts whose initial stems (year IYR1 - 1) are given.
Site NaturalSite(std::initializer_list<double> initial_stems) {
  Site site;
  site.mantype = 2;
  site.ncoh = static_cast<int32_t>(initial_stems.size());
  int c = 0;
  for (double b : initial_stems) site.biom[site.year(c++, site.iyr1 - 1)].v[ST] = b;
  return site;
}

TEST(Natural, FirstYearGrowsByTheStandsRate) {
  const double b = 1000.0;
  Site site = NaturalSite({b});
  site.baf(0, 0) = BIOVEC{{1, 1, 1, 1, 1}};
  site.cpar[0].TurnOver = BIOVEC{};
  ASSERT_EQ(site.run(), kSuccess);
  const COHPAR& p = site.cpar[0];
  EXPECT_DOUBLE_EQ(site.bio(0, 1).v[ST],
                   b * (1.0 + p.MaxGrowth / (b / (p.WoodDensityKg * kTenth) + p.Kgr)));
  // The initial year is computed but not returned.
  EXPECT_EQ(site.bio(0, 0).v[ST], b);
  EXPECT_EQ(site.bio(0, 0).v[BR], kUntouched);
}

TEST(Natural, EveryResultFollowsTheWrittenOrderOfOperations) {
  // Two cohorts whose stem volumes enter each other's growth rate, one of
  // them deciduous and thinned; expected values worked out here from the
  // formulas, year by year and compartment by compartment.
  Site site = NaturalSite({812.5, 233.7});
  site.cpar[1].Evergreen = 0;
  site.cpar[1].WoodDensityKg = 391.0;
  site.cpar[1].Kgr = 73.0;
  site.cpar[1].MaxGrowth = 5.3;
  site.cpar[0].TurnOver = BIOVEC{{0.037, 0.011, 0.53, 0.27, 0.013}};
  site.cpar[1].TurnOver = BIOVEC{{0.041, 0.017, 0.47, 0.9, 0.021}};
  site.baf(0, 0) = BIOVEC{{0.31, 0.17, 0.093, 0.071, 1.13}};
  site.baf(1, 0) = BIOVEC{{0.27, 0.19, 0.11, 0.083, 0.97}};
  site.add_action(1, 2, ACT_THINNING, 22.5, {1, 0, 1, 1});
  site.iyr2 = 4;
  const std::array<COHPAR, 2> start{site.cpar[0], site.cpar[1]};
  ASSERT_EQ(site.run(), kSuccess);

  std::array<std::array<double, 5>, 2> prev{};
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < kCompartments; ++i)
      prev[c][i] = (c == 0 ? 812.5 : 233.7) * site.baf(c, 0).v[i];
  }
  const std::array<double, 5> removal_factor{0, 1, 1, 1, 1};
  for (int y = 1; y <= 4; ++y) {
    double s = 0.0;
    for (int c = 0; c < 2; ++c) s += prev[c][ST] / (start[c].WoodDensityKg * kTenth);
    const auto last_year = prev;
    for (int c = 0; c < 2; ++c) {
      const COHPAR& p = start[c];
      const double st = last_year[c][ST];
      const double inc = p.MaxGrowth / (s + p.Kgr) * st;
      const double perc = (c == 1 && y == 2) ? 22.5 : 0.0;
      const double d = site.ndep[y - 1];
      const double leaf_n = p.Nlfmin + (1.0 - std::exp(-d * p.expNlf)) * (p.Nlfmax - p.Nlfmin);
      std::array<double, 5> ctn{p.ctN.v[0], p.ctN.v[1], p.ctN.v[2], leaf_n, p.ctN.v[4]};
      std::array<double, 5> now{}, turnover{};
      double n = 0, ca = 0, carbon = 0;
      std::array<double, 5> litter{};
      for (int i = 0; i < kCompartments; ++i) {
        const double bio = (st + inc) * site.baf(c, 0).v[i];
        const double removed = bio * (perc / 100.0);
        const double exported = removed * (c == 1 ? removal_factor[i] : 1.0);
        const double dead = (bio - removed) * p.TurnOver.v[ST];
        now[i] = (bio - removed) - dead;
        turnover[i] = i == ST ? 0.0 : now[i] * p.TurnOver.v[i];
        litter[i] = ((removed - exported) + dead) + turnover[i];
        n += (bio - last_year[c][i] + turnover[i]) * ctn[i];
        ca += (now[i] - last_year[c][i] + exported) * p.ctCa.v[i];
        carbon += litter[i] * p.CarbonContent.v[i];
      }
      n = n * 0.0007140000234358013;
      if (c == 1) n = n - (turnover[LV] - last_year[c][LV]) * 0.0007140000234358013 * leaf_n;
      for (int i = 0; i < kCompartments; ++i) {
        EXPECT_EQ(site.bio(c, y).v[i], now[i]) << "cohort " << c + 1 << ", year " << y;
        EXPECT_EQ(site.litter(c, y).v[i], litter[i]) << "cohort " << c + 1 << ", year " << y;
      }
      EXPECT_EQ(site.uptake(c, y).v[NUT_N], n) << "cohort " << c + 1 << ", year " << y;
      EXPECT_EQ(site.uptake(c, y).v[NUT_CA], ca * 0.0005000000237487257) << "cohort " << c + 1;
      EXPECT_EQ(site.soil(c, y).v[NUT_C], carbon * 0.009999999776482582) << "cohort " << c + 1;
      prev[c] = now;
    }
  }
  EXPECT_EQ(site.cpar[1].ctN.v[LV], 1.0 + (1.0 - std::exp(-site.ndep[3] * 0.7)) * (2.0 - 1.0));
}

TEST(Natural, ACohortWithoutStemsStaysEmpty) {
  Site site = NaturalSite({0.0, 500.0});
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 1; y <= 10; ++y) {
    for (double v : site.bio(0, y).v) EXPECT_EQ(v, 0.0);
    for (double v : site.uptake(0, y).v) EXPECT_EQ(v, 0.0);
    EXPECT_GT(site.bio(1, y).v[ST], 0.0);
  }
}

TEST(Natural, AFullClearcutLeavesNothingToGrow) {
  Site site = NaturalSite({800.0});
  site.add_action(0, 3, ACT_CLEARCUT, 100.0, {0, 0, 0, 0});
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 3; y <= 10; ++y) {
    for (double v : site.bio(0, y).v) EXPECT_EQ(v, 0.0) << "year " << y;
  }
  // Nothing exported: the whole harvest is litterfall.
  const double s = site.bio(0, 2).v[ST] / (500.0 * kTenth);
  const double st = site.bio(0, 2).v[ST];
  const double bio_stems = (st + 8.0 / (s + 100.0) * st) * 1.0;
  EXPECT_DOUBLE_EQ(site.litter(0, 3).v[ST], bio_stems);
}

TEST(Natural, APlantingChangesNothing) {
  Site plain = NaturalSite({800.0, 300.0});
  Site planted = plain;
  planted.add_action(1, 4, ACT_PLANTING, 60.0);
  ASSERT_EQ(plain.run(), kSuccess);
  ASSERT_EQ(planted.run(), kSuccess);
  for (int c = 0; c < 2; ++c) {
    for (int y = 1; y <= 10; ++y) {
      for (int i = 0; i < kCompartments; ++i)
        EXPECT_EQ(planted.bio(c, y).v[i], plain.bio(c, y).v[i]);
    }
  }
}

TEST(Natural, ADivisionByZeroIsRefusedBeforeAnythingIsWritten) {
  // No stems anywhere and Kgr zero: the growth rate has no denominator, in
  // the first year, or part-way once both cohorts are clear-cut in year 4.
  Site first = NaturalSite({0.0, 0.0});
  first.cpar[1].Kgr = 0.0;
  Site part_way = NaturalSite({800.0, 300.0});
  part_way.cpar[1].Kgr = 0.0;
  part_way.add_action(0, 4, ACT_CLEARCUT, 100.0);
  part_way.add_action(1, 4, ACT_CLEARCUT, 100.0);
  const std::pair<Site*, const char*> cases[] = {
      {&first, "E: cohort 2, year 1: stem volume of the stand plus Kgr is zero"},
      {&part_way, "E: cohort 2, year 5: stem volume of the stand plus Kgr is zero"},
  };
  for (auto [site, message] : cases) {
    const Site before = *site;
    EXPECT_EQ(site->run(), Padded(message));
    for (int c = 0; c < 2; ++c) {
      for (int y = 1; y <= 10; ++y) {
        EXPECT_EQ(site->bio(c, y).v[ST], kUntouched) << message << ", year " << y;
        EXPECT_EQ(site->soil(c, y).v[NUT_C], kUntouched) << message << ", year " << y;
      }
      EXPECT_EQ(site->cpar[c].ctN.v[LV], before.cpar[c].ctN.v[LV]) << message;
    }
  }
}

}  // namespace
}  // namespace standsim::testing
