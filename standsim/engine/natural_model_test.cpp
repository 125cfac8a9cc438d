// GROWTH with a naturally regenerating stand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

const std::string kSuccess = padded("");

// A natural stand of NCOH cohorts whose initial stems (year IYR1 - 1) are given.
Site natural_site(std::initializer_list<double> initial_stems) {
  Site site;
  site.mantype = 2;
  site.ncoh = static_cast<int32_t>(initial_stems.size());
  int c = 0;
  for (double b : initial_stems) site.biom[site.year(c++, site.iyr1 - 1)].v[ST] = b;
  return site;
}

TEST(Natural, FirstYearGrowsByTheStandsRate) {
  const double b = 1000.0;
  Site site = natural_site({b});
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

// The results of a cohort-year.
struct YearResults {
  BIOVEC bio{}, litter{};
  NUTVEC uptake{}, soil{};
};

// The results of every cohort of the natural SITE in the years IYR1..IYR2
// (element [c][y - IYR1]), worked out from the formulas year by year and
// compartment by compartment, with the leaf N content of each cohort's last
// year in LEAF_N.
std::vector<std::vector<YearResults>> worked_out(const Site& site, std::vector<double>& leaf_n_of) {
  const int n = site.ncoh;
  std::vector<std::array<double, 5>> prev(n);
  for (int c = 0; c < n; ++c) {
    for (int i = 0; i < kCompartments; ++i)
      prev[c][i] = site.bio(c, site.iyr1 - 1).v[ST] * site.bafval[site.at(c, 0)].v[i];
  }
  // The action of a cohort-year: the last stored; a planting harvests nothing.
  const auto action_of = [&](int c, int y) -> const MANACT* {
    const MANACT* found = nullptr;
    for (int a = 0; a < site.nmact[c]; ++a) {
      const MANACT& m = site.mact[site.at(c, a)];
      if (m.YEAR == y) found = &m;
    }
    return found;
  };
  std::vector<std::vector<YearResults>> results(n);
  leaf_n_of.assign(n, 0.0);
  for (int y = site.iyr1; y <= site.iyr2; ++y) {
    double s = 0.0;
    for (int c = 0; c < n; ++c) s += prev[c][ST] / (site.cpar[c].WoodDensityKg * kTenth);
    const auto last_year = prev;
    for (int c = 0; c < n; ++c) {
      const COHPAR& p = site.cpar[c];
      const double st = last_year[c][ST];
      const double inc = p.MaxGrowth / (s + p.Kgr) * st;
      const MANACT* action = action_of(c, y);
      const double perc = action && action->ACTTYPE != ACT_PLANTING ? action->PERC : 0.0;
      std::array<double, 5> rem{};
      if (action) {
        const auto& f = action->REMFLAG;
        rem = {double(f[REM_BRANCHES]), double(f[REM_ROOTS]), double(f[REM_ROOTS]),
               double(f[REM_LEAVES]), double(f[REM_STEMS])};
      }
      const double d = site.ndep[y - 1];
      const double leaf_n = p.Nlfmin + (1.0 - std::exp(-d * p.expNlf)) * (p.Nlfmax - p.Nlfmin);
      leaf_n_of[c] = leaf_n;
      std::array<double, 5> ctn{p.ctN.v[0], p.ctN.v[1], p.ctN.v[2], leaf_n, p.ctN.v[4]};
      std::array<double, 5> now{}, turnover{};
      double un = 0, ca = 0, mg = 0, k = 0, carbon = 0, organic_n = 0;
      YearResults r;
      for (int i = 0; i < kCompartments; ++i) {
        const double bio = (st + inc) * site.bafval[site.at(c, 0)].v[i];
        const double removed = bio * (perc / 100.0);
        const double exported = removed * rem[i];
        const double dead = (bio - removed) * p.TurnOver.v[ST];
        now[i] = (bio - removed) - dead;
        turnover[i] = i == ST ? 0.0 : now[i] * p.TurnOver.v[i];
        r.litter.v[i] = ((removed - exported) + dead) + turnover[i];
        un += (bio - last_year[c][i] + turnover[i]) * ctn[i];
        const double gain = now[i] - last_year[c][i] + exported;
        ca += gain * p.ctCa.v[i];
        mg += gain * p.ctMg.v[i];
        k += gain * p.ctK.v[i];
        carbon += r.litter.v[i] * p.CarbonContent.v[i];
        organic_n += r.litter.v[i] * ctn[i];
        r.bio.v[i] = now[i];
      }
      un = un * double{0.000714f};
      if ((p.Evergreen & 1) == 0)
        un = un - (turnover[LV] - last_year[c][LV]) * double{0.000714f} * leaf_n;
      r.uptake.v[NUT_N] = un;
      r.uptake.v[NUT_CA] = ca * double{0.0005f};
      r.uptake.v[NUT_MG] = mg * double{0.000823f};
      r.uptake.v[NUT_K] = k * double{0.000256f};
      r.soil.v[NUT_C] = carbon * double{0.01f};
      r.soil.v[NUT_N] = organic_n * double{0.01f};
      results[c].push_back(r);
      prev[c] = now;
    }
  }
  return results;
}

// Every result of SITE, run, is the one worked out from the formulas.
void expect_worked_out(Site& site) {
  Site start = site;
  std::vector<double> leaf_n;
  const auto expected = worked_out(start, leaf_n);
  ASSERT_EQ(site.run(), kSuccess);
  for (int c = 0; c < site.ncoh; ++c) {
    for (int y = site.iyr1; y <= site.iyr2; ++y) {
      const YearResults& want = expected[c][y - site.iyr1];
      for (int i = 0; i < kCompartments; ++i) {
        EXPECT_EQ(site.bio(c, y).v[i], want.bio.v[i]) << "cohort " << c + 1 << ", year " << y;
        EXPECT_EQ(site.litter(c, y).v[i], want.litter.v[i]) << "cohort " << c + 1 << ", year " << y;
      }
      for (int i = 0; i < kNutrientSlots; ++i) {
        EXPECT_EQ(site.uptake(c, y).v[i], want.uptake.v[i]) << "cohort " << c + 1 << ", year " << y;
        EXPECT_EQ(site.soil(c, y).v[i], want.soil.v[i]) << "cohort " << c + 1 << ", year " << y;
      }
    }
    EXPECT_EQ(site.cpar[c].ctN.v[LV], leaf_n[c]) << "cohort " << c + 1;
  }
}

TEST(Natural, EveryResultFollowsTheWrittenOrderOfOperations) {
  // Two cohorts whose stem volumes enter each other's growth rate, one of
  // them deciduous and thinned.
  Site site = natural_site({812.5, 233.7});
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
  expect_worked_out(site);
  EXPECT_EQ(site.cpar[1].ctN.v[LV], 1.0 + (1.0 - std::exp(-site.ndep[3] * 0.7)) * (2.0 - 1.0));
}

TEST(Natural, SixCohortsSideBySideFollowTheWrittenOrderOfOperations) {
  // Cohorts are computed in groups side by side: six fill a group and half
  // of the next, whose other half repeats the last cohort. Each has its own
  // parameters and actions, the last one most of all.
  Site site(0, 30, 6, 8);
  site.mantype = 2;
  site.ncoh = 6;
  site.iyr2 = 25;
  for (int c = 0; c < 6; ++c) {
    COHPAR& p = site.cpar[c];
    site.biom[site.year(c, 0)].v[ST] = 300.0 + 97.0 * c;
    p.Evergreen = c % 2;
    p.WoodDensityKg = 380.0 + 21.0 * c;
    p.Kgr = 60.0 + 9.0 * c;
    p.MaxGrowth = 4.0 + 0.7 * c;
    p.expNlf = 0.3 + 0.13 * c;
    p.TurnOver = BIOVEC{{0.03 + 0.002 * c, 0.01, 0.45 + 0.01 * c, 0.2 + 0.1 * (c % 3), 0.01 * c}};
    site.baf(c, 0) = BIOVEC{{0.2 + 0.02 * c, 0.15, 0.09, 0.07 + 0.005 * c, 1.0 + 0.03 * c}};
  }
  site.add_action(0, 3, ACT_THINNING, 20.0);
  site.add_action(4, 6, ACT_THINNING, 35.0, {0, 1, 0, 1});
  site.add_action(5, 2, ACT_THINNING, 15.0, {1, 1, 0, 0});
  site.add_action(5, 9, ACT_THINNING, 40.0, {1, 0, 1, 0});
  site.add_action(5, 9, ACT_THINNING, 10.0, {0, 1, 1, 1});  // the later of one year counts
  site.add_action(5, 17, ACT_CLEARCUT, 100.0, {1, 1, 1, 0});
  expect_worked_out(site);
}

TEST(Natural, ACohortWithoutStemsStaysEmpty) {
  Site site = natural_site({0.0, 500.0});
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 1; y <= 10; ++y) {
    for (double v : site.bio(0, y).v) EXPECT_EQ(v, 0.0);
    for (double v : site.uptake(0, y).v) EXPECT_EQ(v, 0.0);
    EXPECT_GT(site.bio(1, y).v[ST], 0.0);
  }
}

TEST(Natural, AFullClearcutLeavesNothingToGrow) {
  Site site = natural_site({800.0});
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
  Site plain = natural_site({800.0, 300.0});
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
  Site first = natural_site({0.0, 0.0});
  first.cpar[1].Kgr = 0.0;
  Site part_way = natural_site({800.0, 300.0});
  part_way.cpar[1].Kgr = 0.0;
  part_way.add_action(0, 4, ACT_CLEARCUT, 100.0);
  part_way.add_action(1, 4, ACT_CLEARCUT, 100.0);
  const std::pair<Site*, const char*> cases[] = {
      {&first, "E: cohort 2, year 1: stem volume of the stand plus Kgr is zero"},
      {&part_way, "E: cohort 2, year 5: stem volume of the stand plus Kgr is zero"},
  };
  for (auto [site, message] : cases) {
    const Site before = *site;
    EXPECT_EQ(site->run(), padded(message));
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
