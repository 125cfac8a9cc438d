// GROWTH with even-aged cohorts, against values worked out by hand from the
// model's formulas on the small site of testing/growth_fixture.h.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_curve_interpolation.h"
#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

// Stem increment (g/m2/yr) at age index k: k m3/ha/yr times 500 kg/m3 x 0.1.
double increment(int k) { return k * (500.0 * kTenth); }

constexpr BIOVEC kFactors{{0.25, 0.125, 0.0625, 0.0625, 1.0}};

BIOVEC scaled(double stems) {
  BIOVEC b;
  for (int i = 0; i < kCompartments; ++i) b.v[i] = stems * kFactors.v[i];
  return b;
}

void expect_biovec_eq(const BIOVEC& got, const BIOVEC& want, const char* what) {
  for (int i = 0; i < kCompartments; ++i)
    EXPECT_DOUBLE_EQ(got.v[i], want.v[i]) << what << " [" << i << "]";
}

const std::string kSuccess = padded("");

TEST(EvenAged, PlantingAloneGrowsAlongTheCurveFromAgeIndexTwo) {
  Site site;
  site.add_action(0, 3, ACT_PLANTING);
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 1; y <= 2; ++y) expect_biovec_eq(site.bio(0, y), BIOVEC{}, "before the planting");
  // Planting year: index 2; then 3, 4, ...
  double stems = increment(2);
  for (int y = 3; y <= 10; ++y) {
    expect_biovec_eq(site.bio(0, y), scaled(stems), "biomass");
    stems += increment(y);
  }
  // The planting removes nothing, so litterfall is the turnover.
  const BIOVEC planted = scaled(increment(2));
  const COHPAR& p = site.cpar[0];
  BIOVEC turnover;
  for (int i = 0; i < kCompartments; ++i) turnover.v[i] = planted.v[i] * p.TurnOver.v[i];
  expect_biovec_eq(site.litter(0, 3), turnover, "litterfall");

  const double leaf_n = 1.0 + (1.0 - std::exp(-0.7 * site.ndep[2])) * (2.0 - 1.0);
  const std::array<double, 5> ctn{0.5, 0.3, 0.6, leaf_n, 0.1};
  double n = 0, ca = 0, carbon = 0, soil_n = 0;
  for (int i = 0; i < kCompartments; ++i) {
    n += (planted.v[i] + turnover.v[i]) * ctn[i];
    ca += planted.v[i] * p.ctCa.v[i];
    carbon += turnover.v[i] * 50.0;
    soil_n += turnover.v[i] * ctn[i];
  }
  EXPECT_DOUBLE_EQ(site.uptake(0, 3).v[NUT_N], n * double{0.000714f});
  EXPECT_DOUBLE_EQ(site.uptake(0, 3).v[NUT_CA], ca * double{0.0005f});
  EXPECT_EQ(site.uptake(0, 3).v[NUT_C], 0.0);
  EXPECT_EQ(site.uptake(0, 3).v[NUT_SIXTH], 0.0);
  EXPECT_DOUBLE_EQ(site.soil(0, 3).v[NUT_C], carbon * double{0.01f});
  EXPECT_DOUBLE_EQ(site.soil(0, 3).v[NUT_N], soil_n * double{0.01f});
  EXPECT_EQ(site.soil(0, 3).v[NUT_CA], 0.0);
  // The record keeps the leaf N content of the last simulated year.
  EXPECT_EQ(site.cpar[0].ctN.v[LV], 1.0 + (1.0 - std::exp(-0.7 * site.ndep[9])) * (2.0 - 1.0));
}

TEST(EvenAged, EveryResultFollowsTheWrittenOrderOfOperations) {
  // A deciduous stand with rough parameters, thinned in its third year:
  // uptake terms nearly cancel, so any reordering of a formula shows in the
  // last bits. The expected values are worked out here, compartment by
  // compartment, from the tables the interpolation routines give.
  Site site;
  COHPAR& p = site.cpar[0];
  p.Evergreen = 0;
  p.TurnOver = BIOVEC{{0.037, 0.011, 0.53, 0.27, 0.0}};
  p.WoodDensityKg = 437.0;
  site.point(0, 0) = CAIPT{5, 0, 3.1};
  site.point(0, 1) = CAIPT{40, 0, 11.7};
  const BIOVEC factors{{0.31, 0.17, 0.093, 0.071, 1.13}};
  site.baf(0, 0) = factors;
  site.baf(0, 1) = BIOVEC{{0.21, 0.15, 0.05, 0.043, 1.07}};
  site.add_action(0, 1, ACT_PLANTING);
  site.add_action(0, 3, ACT_THINNING, 37.5, {1, 0, 1, 0});
  site.iyr2 = 4;
  const COHPAR start = p;
  ASSERT_EQ(site.run(), kSuccess);

  std::vector<double> cai(kTableAges);
  std::array<std::vector<double>, kCompartments> baf;
  const std::vector<int32_t> growth_ages{5, 40};
  LININT(growth_ages, std::vector<double>{3.1 * (437.0 * kTenth), 11.7 * (437.0 * kTenth)}, cai);
  for (int i = 0; i < kCompartments; ++i) {
    baf[i].resize(kTableAges);
    bool bad = false;
    SPLINEGRID(std::vector<int32_t>{1, 1025},
               std::vector<double>{site.baf(0, 0).v[i], site.baf(0, 1).v[i]}, baf[i], bad);
  }
  // Branches, coarse roots, fine roots, leaves, stems.
  const std::array<double, 5> removal_factor{0, 1, 1, 0, 1};
  std::array<double, 5> prev{};
  for (int y = 1; y <= 4; ++y) {
    const int k = y + 1;
    const double perc = y == 3 ? 37.5 : 0.0;
    const double s = prev[ST] + cai[k - 1];
    const double leaf_n = start.Nlfmin + (1.0 - std::exp(-start.expNlf * site.ndep[y - 1])) *
                                             (start.Nlfmax - start.Nlfmin);
    std::array<double, 5> ctn{start.ctN.v[0], start.ctN.v[1], start.ctN.v[2], leaf_n,
                              start.ctN.v[4]};
    std::array<double, 5> now{}, exported{}, turnover{}, litter{};
    double n = 0, ca = 0, mg = 0, kk = 0, carbon = 0, soil_n = 0;
    for (int i = 0; i < kCompartments; ++i) {
      const double bio = s * baf[i][k - 1];
      const double removed = bio * (perc / 100.0);
      now[i] = bio - removed;
      exported[i] = removed * removal_factor[i];
      turnover[i] = now[i] * start.TurnOver.v[i];
      litter[i] = (removed - exported[i]) + turnover[i];
      n += (bio - prev[i] + turnover[i]) * ctn[i];
      const double gain = now[i] - prev[i] + exported[i];
      ca += gain * start.ctCa.v[i];
      mg += gain * start.ctMg.v[i];
      kk += gain * start.ctK.v[i];
      carbon += litter[i] * start.CarbonContent.v[i];
      soil_n += litter[i] * ctn[i];
    }
    n = n * double{0.000714f} - leaf_n * double{0.000714f} * (turnover[LV] - prev[LV]);
    for (int i = 0; i < kCompartments; ++i) {
      EXPECT_EQ(site.bio(0, y).v[i], now[i]) << "year " << y;
      EXPECT_EQ(site.litter(0, y).v[i], litter[i]) << "year " << y;
    }
    EXPECT_EQ(site.uptake(0, y).v[NUT_N], n) << "year " << y;
    EXPECT_EQ(site.uptake(0, y).v[NUT_CA], ca * double{0.0005f}) << "year " << y;
    EXPECT_EQ(site.uptake(0, y).v[NUT_MG], mg * double{0.000823f}) << "year " << y;
    EXPECT_EQ(site.uptake(0, y).v[NUT_K], kk * double{0.000256f}) << "year " << y;
    EXPECT_EQ(site.soil(0, y).v[NUT_C], carbon * double{0.01f}) << "year " << y;
    EXPECT_EQ(site.soil(0, y).v[NUT_N], soil_n * double{0.01f}) << "year " << y;
    prev = now;
  }
}

TEST(EvenAged, PlantingBeforeThePeriodUsesTheFirstYearsDeposition) {
  Site site;
  site.add_action(0, 2, ACT_PLANTING);
  site.iyr1 = 5;
  site.iyr2 = 7;
  ASSERT_EQ(site.run(), kSuccess);
  EXPECT_EQ(site.bio(0, 4).v[ST], kUntouched);
  expect_biovec_eq(site.bio(0, 5),
                   scaled(increment(2) + increment(3) + increment(4) + increment(5)),
                   "first year of the period");

  // IYR2 < IYR1: nothing returned, yet the years up to IYR2 are simulated
  // with the deposition of IYR1, and their leaf N reaches the record.
  Site early;
  early.add_action(0, 2, ACT_PLANTING);
  early.iyr1 = 5;
  early.iyr2 = 3;
  ASSERT_EQ(early.run(), kSuccess);
  for (double v : early.bio(0, 3).v) EXPECT_EQ(v, kUntouched);
  EXPECT_EQ(early.cpar[0].ctN.v[LV], 1.0 + (1.0 - std::exp(-0.7 * early.ndep[4])) * (2.0 - 1.0));
}

struct HarvestCase {
  const char* name;
  int32_t type;
  double perc;
  bool stand_ends;
};

TEST(EvenAged, HarvestsEndTheStandOnlyByClearcutOrAFullThinning) {
  const HarvestCase cases[] = {
      {"thinning 99.999", ACT_THINNING, 99.999, false},
      {"thinning 100", ACT_THINNING, 100.0, true},
      {"clearcut 40", ACT_CLEARCUT, 40.0, true},
      {"unknown type 7 at 100", 7, 100.0, false},
  };
  for (const HarvestCase& c : cases) {
    Site site;
    site.add_action(0, 1, ACT_PLANTING);
    site.add_action(0, 3, c.type, c.perc);
    ASSERT_EQ(site.run(), kSuccess) << c.name;
    const double bio3 = increment(2) + increment(3) + increment(4);
    const double left = bio3 - bio3 * (c.perc / 100.0);
    expect_biovec_eq(site.bio(0, 3), scaled(left), c.name);
    if (c.stand_ends) {
      for (int y = 4; y <= 10; ++y) expect_biovec_eq(site.bio(0, y), BIOVEC{}, c.name);
    } else {
      expect_biovec_eq(site.bio(0, 4), scaled(left + increment(5)), c.name);
    }
  }
}

TEST(EvenAged, ReplantingResetsTheAgeAndKeepsWhatStands) {
  struct Case {
    const char* name;
    int32_t first_harvest_type;  // in year 3, 40 percent
    double year4_stems;
  };
  const double bio3 = increment(2) + increment(3) + increment(4);
  const Case cases[] = {
      // A clearcut below 100 leaves its rest, which a planting next year grows on.
      {"replanted after a clearcut", ACT_CLEARCUT, 0.6 * bio3 + increment(2)},
      {"replanted after a thinning", ACT_THINNING, 0.6 * bio3 + increment(2)},
  };
  for (const Case& c : cases) {
    Site site;
    site.add_action(0, 1, ACT_PLANTING);
    site.add_action(0, 3, c.first_harvest_type, 40.0);
    site.add_action(0, 4, ACT_PLANTING);
    ASSERT_EQ(site.run(), kSuccess) << c.name;
    expect_biovec_eq(site.bio(0, 4), scaled(c.year4_stems), c.name);
    expect_biovec_eq(site.bio(0, 5), scaled(c.year4_stems + increment(3)), c.name);
  }
  // A planting while the stand exists sets the age index back to 2.
  Site site;
  site.add_action(0, 1, ACT_PLANTING);
  site.add_action(0, 3, ACT_PLANTING);
  ASSERT_EQ(site.run(), kSuccess);
  expect_biovec_eq(site.bio(0, 3), scaled(increment(2) + increment(3) + increment(2)), "replanted");
}

TEST(EvenAged, RemovalFlagsScaleTheExportedPart) {
  for (int32_t flag : {0, 1}) {
    Site site;
    site.add_action(0, 1, ACT_PLANTING);
    site.add_action(0, 2, ACT_THINNING, 50.0, {flag, flag, flag, flag});
    ASSERT_EQ(site.run(), kSuccess) << "flag " << flag;
    const BIOVEC bio = scaled(increment(2) + increment(3));
    const COHPAR& p = site.cpar[0];
    BIOVEC litter;
    double ca = 0.0;
    const BIOVEC prev = scaled(increment(2));
    for (int i = 0; i < kCompartments; ++i) {
      const double removed = bio.v[i] * 0.5, now = bio.v[i] - removed;
      litter.v[i] = (removed - removed * flag) + now * p.TurnOver.v[i];
      ca += (now - prev.v[i] + removed * flag) * p.ctCa.v[i];
    }
    expect_biovec_eq(site.litter(0, 2), litter, "litterfall");
    EXPECT_DOUBLE_EQ(site.uptake(0, 2).v[NUT_CA], ca * double{0.0005f}) << "flag " << flag;
  }
}

TEST(EvenAged, DeciduousCohortsDifferOnlyInNUptake) {
  Site evergreen;
  evergreen.add_action(0, 1, ACT_PLANTING);
  evergreen.add_action(0, 4, ACT_THINNING, 30.0);
  evergreen.cpar[0].TurnOver.v[LV] = 0.2;  // a rate at which a reordering shows in year 7
  Site deciduous = evergreen;
  deciduous.cpar[0].Evergreen = 0;
  ASSERT_EQ(evergreen.run(), kSuccess);
  ASSERT_EQ(deciduous.run(), kSuccess);
  for (int y = 1; y <= 10; ++y) {
    const BIOVEC& prev = evergreen.bio(0, y - 1);
    const double prev_leaves = y == 1 ? 0.0 : prev.v[LV];
    const double turnover_leaves = evergreen.bio(0, y).v[LV] * 0.2;
    const double leaf_n = 1.0 + (1.0 - std::exp(-0.7 * evergreen.ndep[y - 1])) * (2.0 - 1.0);
    EXPECT_EQ(deciduous.uptake(0, y).v[NUT_N],
              evergreen.uptake(0, y).v[NUT_N] -
                  leaf_n * double{0.000714f} * (turnover_leaves - prev_leaves))
        << "year " << y;
    for (int i = 0; i < kCompartments; ++i)
      EXPECT_EQ(deciduous.bio(0, y).v[i], evergreen.bio(0, y).v[i]);
    EXPECT_EQ(deciduous.uptake(0, y).v[NUT_K], evergreen.uptake(0, y).v[NUT_K]);
    EXPECT_EQ(deciduous.soil(0, y).v[NUT_N], evergreen.soil(0, y).v[NUT_N]);
  }
}

TEST(EvenAged, ActionsOfOneYearLaterInStorageWin) {
  // A thinning stored after the planting of its year replaces it: the
  // stand starts only with the next planting.
  Site site;
  site.add_action(0, 2, ACT_PLANTING);
  site.add_action(0, 2, ACT_THINNING, 20.0);
  site.add_action(0, 5, ACT_PLANTING);
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 2; y <= 4; ++y) expect_biovec_eq(site.bio(0, y), BIOVEC{}, "planting lost");
  expect_biovec_eq(site.bio(0, 5), scaled(increment(2)), "next planting");

  // With no counted action nothing is ever planted.
  Site uncounted;
  uncounted.add_action(0, 2, ACT_PLANTING);
  uncounted.nmact[0] = 0;
  ASSERT_EQ(uncounted.run(), kSuccess);
  for (int y = 1; y <= 10; ++y) expect_biovec_eq(uncounted.bio(0, y), BIOVEC{}, "no planting");
}

TEST(EvenAged, AStandOlderThanTheTablesKeepsTheirLastAge) {
  Site site(0, 1200);
  site.add_action(0, 1, ACT_PLANTING);
  site.iyr2 = 1200;
  ASSERT_EQ(site.run(), kSuccess);
  // Year y uses age index y + 1: from year 999 on, index 1000 is held.
  EXPECT_DOUBLE_EQ(site.bio(0, 998).v[ST] - site.bio(0, 997).v[ST], increment(999));
  EXPECT_DOUBLE_EQ(site.bio(0, 1200).v[ST] - site.bio(0, 1199).v[ST], increment(1000));
}

TEST(EvenAged, EachCohortGetsTablesOfItsOwnPointsAsFarAsItReaches) {
  // Cohort 1 reaches few ages; cohort 2 has its points and reaches further;
  // cohort 3 has other expansion factors. Each must grow as it would alone.
  Site site;
  site.ncoh = 3;
  site.add_action(0, 8, ACT_PLANTING);
  site.add_action(1, 1, ACT_PLANTING);
  site.add_action(2, 1, ACT_PLANTING);
  for (int j = 0; j < 2; ++j) site.baf(2, j) = BIOVEC{{0.5, 0.25, 0.125, 0.2, 1.5}};
  ASSERT_EQ(site.run(), kSuccess);
  for (int c = 0; c < 3; ++c) {
    Site alone;
    alone.add_action(0, site.action(c, 0).YEAR, ACT_PLANTING);
    for (int j = 0; j < 2; ++j) alone.baf(0, j) = site.baf(c, j);
    ASSERT_EQ(alone.run(), kSuccess);
    for (int y = 1; y <= 10; ++y) {
      for (int i = 0; i < kCompartments; ++i) {
        EXPECT_EQ(site.bio(c, y).v[i], alone.bio(0, y).v[i])
            << "cohort " << c + 1 << ", year " << y;
      }
    }
  }
}

// Cohorts are computed in groups side by side. Six of them fill a group and
// half of the next, whose other half repeats the last cohort: each must give,
// bit for bit, what it gives alone.
TEST(EvenAged, CohortsSideBySideGiveWhatEachGivesAlone) {
  Site site(-3, 40, 6, 8);
  site.ncoh = 6;
  site.iyr1 = 2;
  site.iyr2 = 30;
  // Plantings before, in and after the period; thinnings, a thinning of
  // all, clear-cuts and replantings in different years per cohort.
  site.add_action(0, 1, ACT_PLANTING);
  site.add_action(0, 12, ACT_THINNING, 30.0, {1, 0, 1, 0});
  site.add_action(1, -1, ACT_PLANTING);
  site.add_action(1, 9, ACT_CLEARCUT, 100.0);
  site.add_action(1, 11, ACT_PLANTING);
  site.add_action(2, 35, ACT_PLANTING);
  site.add_action(3, 5, ACT_PLANTING);
  site.add_action(3, 20, ACT_THINNING, 100.0);
  site.add_action(4, 3, ACT_PLANTING);
  site.add_action(4, 15, ACT_THINNING, 45.0, {0, 1, 1, 1});
  site.add_action(5, 7, ACT_PLANTING);
  site.add_action(5, 18, ACT_THINNING, 25.0, {1, 1, 0, 0});
  site.add_action(5, 24, ACT_CLEARCUT, 100.0, {1, 0, 0, 0});
  site.add_action(5, 26, ACT_PLANTING);
  for (int c = 0; c < 6; ++c) {
    COHPAR& p = site.cpar[c];
    p.Evergreen = c % 2;
    p.expNlf = 0.4 + 0.1 * c;
    p.WoodDensityKg = 420.0 + 15.0 * c;
    p.TurnOver.v[LV] = 0.2 + 0.05 * c;
    for (int j = 0; j < 2; ++j) site.baf(c, j).v[BR] = 0.25 + 0.01 * (c % 3);
  }
  Site together = site;
  ASSERT_EQ(together.run(), kSuccess);
  for (int c = 0; c < 6; ++c) {
    Site alone(-3, 40, 1, 8);
    alone.cpar[0] = site.cpar[c];
    for (int a = 0; a < site.nmact[c]; ++a) alone.action(0, a) = site.action(c, a);
    alone.nmact[0] = site.nmact[c];
    for (int j = 0; j < 2; ++j) {
      alone.baf(0, j) = site.baf(c, j);
      alone.point(0, j) = site.point(c, j);
    }
    alone.iyr1 = site.iyr1;
    alone.iyr2 = site.iyr2;
    ASSERT_EQ(alone.run(), kSuccess);
    EXPECT_EQ(std::memcmp(&together.cpar[c], &alone.cpar[0], sizeof(COHPAR)), 0)
        << "cohort " << c + 1;
    for (int y = -3; y <= 40; ++y) {
      EXPECT_EQ(std::memcmp(&together.bio(c, y), &alone.bio(0, y), sizeof(BIOVEC)), 0)
          << "cohort " << c + 1 << ", year " << y;
      EXPECT_EQ(std::memcmp(&together.litter(c, y), &alone.litter(0, y), sizeof(BIOVEC)), 0)
          << "cohort " << c + 1 << ", year " << y;
      EXPECT_EQ(std::memcmp(&together.uptake(c, y), &alone.uptake(0, y), sizeof(NUTVEC)), 0)
          << "cohort " << c + 1 << ", year " << y;
      EXPECT_EQ(std::memcmp(&together.soil(c, y), &alone.soil(0, y), sizeof(NUTVEC)), 0)
          << "cohort " << c + 1 << ", year " << y;
    }
  }
}

TEST(EvenAged, YearsWithoutAStandAreZeroAfterAStandOfOverflowingBiomass) {
  // Increments beyond the doubles leave a stand that is not finite, and its
  // clear-cut not-a-number: the years after it have no stand all the same.
  // The stand stood before the period only, so the results are finite.
  Site site;
  for (int i = 0; i < 2; ++i) site.point(0, i).INC = 1e308;
  site.add_action(0, 1, ACT_PLANTING);
  site.add_action(0, 4, ACT_CLEARCUT, 100.0);
  Site whole = site;
  ASSERT_EQ(whole.run(), padded("E: cohort 1: biomass of branches nan of year 1 is not finite"));
  site.iyr1 = 5;
  ASSERT_EQ(site.run(), kSuccess);
  for (int y = 5; y <= 10; ++y) {
    expect_biovec_eq(site.bio(0, y), BIOVEC{}, "biomass");
    expect_biovec_eq(site.litter(0, y), BIOVEC{}, "litterfall");
    for (int i = 0; i < kNutrientSlots; ++i) {
      EXPECT_EQ(site.uptake(0, y).v[i], 0.0) << "uptake, year " << y;
      EXPECT_EQ(site.soil(0, y).v[i], 0.0) << "soil input, year " << y;
    }
  }
}

}  // namespace
}  // namespace standsim::testing
