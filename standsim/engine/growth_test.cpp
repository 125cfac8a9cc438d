// The frame of GROWTH: what it writes, what it leaves alone, its messages,
// and the input it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

const std::string kSuccess = padded("");

// A two-cohort even-aged site, both planted in year 2.
Site planted_site() {
  Site site;
  site.ncoh = 2;
  site.add_action(0, 2, ACT_PLANTING);
  site.add_action(1, 2, ACT_PLANTING);
  site.add_action(1, 6, ACT_THINNING, 25.0);
  return site;
}

bool results_untouched(const Site& site) {
  for (const BIOVEC& b : site.biom) {
    for (double v : b.v)
      if (v != kUntouched) return false;
  }
  for (const NUTVEC& n : site.upt) {
    for (double v : n.v)
      if (v != kUntouched) return false;
  }
  for (const NUTVEC& n : site.soilin) {
    for (double v : n.v)
      if (v != kUntouched) return false;
  }
  for (const BIOVEC& b : site.litf) {
    for (double v : b.v)
      if (v != kUntouched) return false;
  }
  return true;
}

bool records_untouched(const Site& site, const Site& before) {
  return std::memcmp(site.cpar.data(), before.cpar.data(), site.cpar.size() * sizeof(COHPAR)) == 0;
}

template <typename T>
bool bytes_equal(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

bool results_as_before(const Site& site, const Site& before) {
  return bytes_equal(site.biom, before.biom) && bytes_equal(site.litf, before.litf) &&
         bytes_equal(site.upt, before.upt) && bytes_equal(site.soilin, before.soilin);
}

// Turns the site into a natural stand whose cohorts start with stems.
void make_natural(Site& site) {
  site.mantype = 2;
  for (int c = 0; c < site.ncmax; ++c) site.biom[site.year(c, site.iyr1 - 1)].v[ST] = 500.0;
}

TEST(Growth, SuccessReturns127BlanksAndAZeroByte) {
  Site site = planted_site();
  site.run();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(site.errmsg.data()), 127), kSuccess);
  EXPECT_EQ(site.errmsg[127], 0);
  EXPECT_EQ(site.errmsg[128], '#');  // nothing written beyond the 128 bytes
}

TEST(Growth, WritesOnlyThePeriodOfTheSimulatedCohorts) {
  Site site = planted_site();
  site.iyr1 = 4;
  site.iyr2 = 8;
  ASSERT_EQ(site.run(), kSuccess);
  for (int c = 0; c < site.ncmax; ++c) {
    for (int32_t y = site.ib; y <= site.ie; ++y) {
      const bool written = c < site.ncoh && y >= 4 && y <= 8;
      EXPECT_EQ(site.bio(c, y).v[ST] != kUntouched, written)
          << "cohort " << c + 1 << ", year " << y;
      EXPECT_EQ(site.soil(c, y).v[NUT_CA] != kUntouched, written);
    }
  }
  // Written slots of uptake and soil inputs that carry nothing hold zero.
  EXPECT_EQ(site.uptake(0, 4).v[NUT_C], 0.0);
  EXPECT_EQ(site.soil(0, 4).v[NUT_K], 0.0);
}

TEST(Growth, NoCohortsWriteNothing) {
  for (int32_t mantype : {1, 2}) {
    Site site;
    site.mantype = mantype;
    site.ncoh = 0;
    EXPECT_EQ(site.run(), kSuccess) << "type " << mantype;
    EXPECT_TRUE(results_untouched(site));
  }
}

TEST(Growth, UnknownManagementTypeReturnsZerosForThePeriod) {
  Site site = planted_site();
  site.mantype = 3;
  site.cpar[0].WoodDensityKg = -1.0;  // no model reads it
  const Site before = site;
  EXPECT_EQ(site.run(), padded("E: unknown management type"));
  for (int c = 0; c < 2; ++c) {
    for (int32_t y = site.ib; y <= site.ie; ++y) {
      const double want = y >= 1 && y <= 10 ? 0.0 : kUntouched;
      for (double v : site.bio(c, y).v) EXPECT_EQ(v, want);
      for (double v : site.uptake(c, y).v) EXPECT_EQ(v, want);
    }
  }
  EXPECT_TRUE(records_untouched(site, before));
}

TEST(Growth, AFirstActionThatIsNoPlantingIsRefused) {
  // The planting follows in storage, though its year is earlier.
  Site site;
  site.ncoh = 2;
  site.add_action(0, 2, ACT_PLANTING);
  site.add_action(1, 5, ACT_THINNING, 10.0);
  site.add_action(1, 3, ACT_PLANTING);
  const Site before = site;
  EXPECT_EQ(site.run(), padded("E:first management action should be planting"));
  EXPECT_TRUE(results_untouched(site));
  EXPECT_TRUE(records_untouched(site, before));
}

TEST(Growth, YearsAtTheTopOfTheIndexRangeEndTheirLoops) {
  // IE at the largest 32-bit index: the last year of the period is that
  // index, and no year counter may step past it.
  constexpr int32_t kTop = std::numeric_limits<int32_t>::max();
  for (int32_t mantype : {1, 2}) {
    Site site(0, 10);
    site.mantype = mantype;
    site.ib = kTop - 10;
    site.ie = kTop;
    site.iyr1 = kTop - 3;
    site.iyr2 = kTop;
    site.add_action(0, kTop - 5, ACT_PLANTING);
    site.biom[site.year(0, kTop - 4)].v[ST] = 800.0;
    // The deposition of year y is element y - 1 from the address passed;
    // only the years of the period are read, from elements 7..10 here.
    const double* ndep = site.ndep.data() - (kTop - 11);
    GROWTH(&site.mantype, &site.ib, &site.ie, &site.ncmax, &site.ncoh, &site.iyr1, &site.iyr2,
           &site.npmax, site.cpar.data(), site.caip.data(), site.bafage.data(), site.bafval.data(),
           site.mact.data(), site.nmact.data(), site.nbaf.data(), site.ncaip.data(), ndep,
           site.biom.data(), site.litf.data(), site.upt.data(), site.soilin.data(),
           site.errmsg.data());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(site.errmsg.data()), 127), kSuccess)
        << "type " << mantype;
    EXPECT_GT(site.bio(0, kTop).v[ST], site.bio(0, kTop - 3).v[ST]) << "type " << mantype;
  }
}

// Whether the result arrays of SITE hold zeros in the years IYR1..IYR2 of
// every cohort and elsewhere what they held BEFORE.
bool period_zero_else_as_before(const Site& site, const Site& before) {
  Site want = before;
  for (int c = 0; c < want.ncoh; ++c) {
    for (int32_t y = want.iyr1; y <= want.iyr2; ++y) {
      const std::size_t at = want.year(c, y);
      want.biom[at] = want.litf[at] = BIOVEC{};
      want.upt[at] = want.soilin[at] = NUTVEC{};
    }
  }
  return results_as_before(site, want);
}

struct Refusal {
  const char* name;
  std::function<void(Site&)> change;
  std::string message;
  // What the result arrays hold afterwards: what they held before, or with
  // PERIOD_ZERO zeros in the years IYR1..IYR2 of every cohort.
  bool period_zero = false;
};

// Runs each case on the planted site: the message, the result arrays, and
// no record written.
void expect_refused(const std::vector<Refusal>& cases) {
  for (const Refusal& c : cases) {
    Site site = planted_site();
    c.change(site);
    const Site before = site;
    EXPECT_EQ(site.run(), padded(c.message)) << c.name;
    if (c.period_zero) {
      EXPECT_TRUE(period_zero_else_as_before(site, before)) << c.name;
    } else {
      EXPECT_TRUE(results_as_before(site, before)) << c.name;
    }
    EXPECT_TRUE(records_untouched(site, before)) << c.name;
  }
}

TEST(Growth, InputOutsideTheArraysIsRefusedAndNothingIsTouched) {
  const std::vector<Refusal> cases = {
      {"negative count of cohorts", [](Site& s) { s.ncoh = -1; },
       "E: number of cohorts -1 outside 0..3"},
      {"more cohorts than the capacity", [](Site& s) { s.ncoh = 4; },
       "E: number of cohorts 4 outside 0..3"},
      {"last year index below the first", [](Site& s) { s.ie = -1; },
       "E: last year index -1 below the first 0"},
      {"result years beyond the arrays", [](Site& s) { s.iyr2 = 60; },
       "E: years 1..60 outside 0..59"},
      {"result years before the arrays", [](Site& s) { s.iyr1 = -1; },
       "E: years -1..10 outside 0..59"},
      {"no capacity for points", [](Site& s) { s.npmax = 0; },
       "E: capacity of points and actions 0 below 1"},
      {"more actions than the capacity", [](Site& s) { s.nmact[1] = 9; },
       "E: cohort 2: 9 actions exceed the capacity of 8"},
      {"action year beyond the arrays", [](Site& s) { s.add_action(1, 60, ACT_THINNING); },
       "E: cohort 2: action 3 in year 60 outside 0..59"},
      {"action year before the arrays", [](Site& s) { s.add_action(0, -3, ACT_THINNING); },
       "E: cohort 1: action 2 in year -3 outside 0..59"},
      {"planting without a year before it", [](Site& s) { s.action(0, 0).YEAR = 0; },
       "E: cohort 1: first action in year 0, the year before it lies below 0"},
      {"no growth point", [](Site& s) { s.ncaip[1] = 0; }, "E: cohort 2: no growth-curve point"},
      {"one expansion-factor point", [](Site& s) { s.nbaf[0] = 1; },
       "E: cohort 1: fewer than two expansion-factor points"},
      {"more growth points than the capacity", [](Site& s) { s.ncaip[0] = 9; },
       "E: cohort 1: 9 growth points exceed the capacity of 8"},
      {"more expansion-factor points than the capacity", [](Site& s) { s.nbaf[1] = 9; },
       "E: cohort 2: 9 expansion-factor points exceed the capacity of 8"},
      {"equal expansion-factor ages",
       [](Site& s) {
         s.nbaf[1] = 3;
         s.baf_age(1, 2) = 1025;
       },
       "E: bad xa input in splint: cohort 2, expansion-factor points 2 and 3 both at age 1025"},
      {"even-aged years without deposition",
       [](Site& s) {
         s = Site(-10, 49);
         s.add_action(0, -3, ACT_PLANTING);
         s.iyr1 = -5;
         s.iyr2 = 5;
       },
       "E: cohort 1: no deposition for year -3 (years start at 1)"},
      {"even-aged deposition of a first year beyond the arrays",
       [](Site& s) {
         s.iyr1 = 100;
         s.iyr2 = 5;
       },
       "E: cohort 1: no deposition for year 100 (years end at 59)"},
      {"natural stand without an initial year",
       [](Site& s) {
         s.mantype = 2;
         s.iyr1 = 0;
       },
       "E: initial year -1 of the natural stand outside 0..59"},
      {"natural years without deposition",
       [](Site& s) {
         s = Site(-10, 49);
         s.mantype = 2;
         s.iyr1 = 0;
       },
       "E: no deposition for year 0 (years start at 1)"},
      {"natural cohort without wood density",
       [](Site& s) {
         make_natural(s);
         s.cpar[1].WoodDensityKg = 0.0;
       },
       "E: cohort 2: wood density is zero"},
  };
  expect_refused(cases);
}

TEST(Growth, ValuesThatCanOnlyGiveNonsenseAreRefusedAndNothingIsTouched) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::vector<Refusal> cases = {
      {"removal flag other than 0 and 1", [](Site& s) { s.action(1, 1).REMFLAG[REM_BRANCHES] = 2; },
       "E: cohort 2: action 2 in year 6: removal flag of branches 2 is neither 0 nor 1"},
      {"negative removal flag", [](Site& s) { s.action(1, 1).REMFLAG[REM_LEAVES] = -1; },
       "E: cohort 2: action 2 in year 6: removal flag of leaves -1 is neither 0 nor 1"},
      {"percentage above 100", [](Site& s) { s.action(1, 1).PERC = 150.0; },
       "E: cohort 2: action 2 in year 6: percentage 150 outside 0..100"},
      {"negative percentage", [](Site& s) { s.action(1, 1).PERC = -0.5; },
       "E: cohort 2: action 2 in year 6: percentage -0.5 outside 0..100"},
      {"percentage not a number", [](Site& s) { s.action(1, 1).PERC = nan; },
       "E: cohort 2: action 2 in year 6: percentage nan outside 0..100"},
      {"negative growth increment", [](Site& s) { s.point(0, 1).INC = -480.0; },
       "E: cohort 1: growth increment -480 at point 2 (age 1024) is negative or not finite"},
      {"infinite wood density", [](Site& s) { s.cpar[0].WoodDensityKg = inf; },
       "E: cohort 1: wood density inf is negative or not finite"},
      {"carbon content not a number", [](Site& s) { s.cpar[1].CarbonContent.v[ST] = nan; },
       "E: cohort 2: carbon content of stems nan is negative or not finite"},
      {"negative turnover rate", [](Site& s) { s.cpar[0].TurnOver.v[FR] = -0.1; },
       "E: cohort 1: turnover rate of fine roots -0.1 is negative or not finite"},
      {"negative nutrient content", [](Site& s) { s.cpar[0].ctK.v[CR] = -1.0; },
       "E: cohort 1: K content of coarse roots -1 is negative or not finite"},
      {"infinite leaf N content", [](Site& s) { s.cpar[0].Nlfmax = inf; },
       "E: cohort 1: maximum leaf N content inf is negative or not finite"},
      {"negative exponent of the leaf N response", [](Site& s) { s.cpar[0].expNlf = -0.7; },
       "E: cohort 1: exponent of the leaf N response -0.7 is negative or not finite"},
      {"negative expansion factor", [](Site& s) { s.baf(0, 1).v[BR] = -0.25; },
       "E: cohort 1: expansion factor of branches -0.25 at point 2 (age 1025) is negative or not "
       "finite"},
      {"expansion factor of minus infinity", [](Site& s) { s.baf(0, 0).v[ST] = -inf; },
       "E: cohort 1: expansion factor of stems -inf at point 1 (age 1) is negative or not finite"},
      {"the negative number nearest zero as a content",
       [](Site& s) { s.cpar[1].ctMg.v[LV] = -std::numeric_limits<double>::denorm_min(); },
       "E: cohort 2: Mg content of leaves -5e-324 is negative or not finite"},
      {"expansion-factor ages repeated apart",
       [](Site& s) {
         s.nbaf[1] = 3;
         s.baf_age(1, 2) = 1;
       },
       "E: bad xa input in splint: cohort 2, expansion-factor points 1 and 3 both at age 1"},
      {"the missing marker as a deposition", [](Site& s) { s.ndep[4] = -99.0; },
       "E: cohort 1: deposition -99 of year 5 is negative or not finite"},
      {"deposition not a number in the last year", [](Site& s) { s.ndep[9] = nan; },
       "E: cohort 1: deposition nan of year 10 is negative or not finite"},
      {"deposition of a year only the second cohort reads",
       [](Site& s) {
         s.action(0, 0).YEAR = 5;
         s.ndep[2] = -1.0;
       },
       "E: cohort 2: deposition -1 of year 3 is negative or not finite"},
      {"natural growth rate with a negative Kgr",
       [](Site& s) {
         make_natural(s);
         s.cpar[1].Kgr = -100.0;
       },
       "E: cohort 2: Kgr -100 is negative or not finite"},
      {"natural maximum growth not a number",
       [](Site& s) {
         make_natural(s);
         s.cpar[0].MaxGrowth = nan;
       },
       "E: cohort 1: MaxGrowth nan is negative or not finite"},
      {"natural mortality above 1",
       [](Site& s) {
         make_natural(s);
         s.cpar[0].TurnOver.v[ST] = 1.5;
       },
       "E: cohort 1: mortality rate 1.5 above 1"},
      {"natural negative initial stems",
       [](Site& s) {
         make_natural(s);
         s.biom[s.year(1, 0)].v[ST] = -1.0;
       },
       "E: cohort 2: initial stem biomass -1 of year 0 is negative or not finite"},
      {"natural expansion factor not a number",
       [](Site& s) {
         make_natural(s);
         s.baf(0, 0).v[LV] = nan;
       },
       "E: cohort 1: expansion factor of leaves nan at point 1 is negative or not finite"},
      {"natural deposition not a number",
       [](Site& s) {
         make_natural(s);
         s.ndep[0] = nan;
       },
       "E: cohort 1: deposition nan of year 1 is negative or not finite"},
  };
  expect_refused(cases);
}

// Six cohorts: a group of four computed side by side and one of two, whose
// lanes to spare repeat the sixth cohort. Cohort c is planted in year 2 + c.
Site six_cohorts(int32_t mantype) {
  Site site(0, 59, 6, 8);
  site.ncoh = 6;
  for (int c = 0; c < 6; ++c) site.add_action(c, 2 + c, ACT_PLANTING);
  if (mantype == 2) make_natural(site);
  return site;
}

// Finite inputs far beyond any stand whose results overflow: the first
// result that is not finite is named, and the period of every cohort is zero.
TEST(Growth, ResultsThatAreNotFiniteAreRefusedAndThePeriodIsZero) {
  const std::vector<Refusal> cases = {
      {"even-aged increment of 1e307 m3/ha/yr",
       [](Site& s) {
         for (int i = 0; i < 2; ++i) s.point(1, i).INC = 1e307;
       },
       "E: cohort 2: biomass of branches nan of year 2 is not finite", true},
      {"even-aged expansion factor overflowing in its product with the stems",
       [](Site& s) {
         for (int j = 0; j < 2; ++j) s.baf(0, j).v[CR] = 1e307;
       },
       "E: cohort 1: biomass of coarse roots nan of year 2 is not finite", true},
      {"even-aged K content overflowing in the uptake only",
       [](Site& s) { s.cpar[1].ctK.v[ST] = 1e307; },
       "E: cohort 2: uptake of K inf of year 2 is not finite", true},
      {"even-aged carbon content overflowing in the soil input only",
       [](Site& s) { s.cpar[0].CarbonContent.v[FR] = 1e308; },
       "E: cohort 1: soil input of carbon inf of year 2 is not finite", true},
      {"even-aged turnover rate overflowing in the litterfall",
       [](Site& s) { s.cpar[1].TurnOver.v[FR] = 1e308; },
       "E: cohort 2: litterfall of fine roots inf of year 2 is not finite", true},
      {"even-aged fourth cohort of six, the last lane of a full group",
       [](Site& s) {
         s = six_cohorts(1);
         s.cpar[3].ctMg.v[LV] = 1e308;
       },
       "E: cohort 4: uptake of Mg inf of year 5 is not finite", true},
      {"even-aged sixth cohort of six, in a group with lanes to spare",
       [](Site& s) {
         s = six_cohorts(1);
         s.cpar[5].ctMg.v[LV] = 1e308;
       },
       "E: cohort 6: uptake of Mg inf of year 7 is not finite", true},
      {"natural initial biomass of 1e308",
       [](Site& s) {
         make_natural(s);
         s.biom[s.year(1, 0)].v[ST] = 1e308;
       },
       "E: cohort 2: soil input of carbon inf of year 1 is not finite", true},
      {"natural maximum growth of 1e306 m3/ha/yr",
       [](Site& s) {
         make_natural(s);
         s.cpar[0].MaxGrowth = 1e306;
       },
       "E: cohort 1: soil input of carbon inf of year 3 is not finite", true},
      {"natural Kgr so small that the growth rate of a stand without stems overflows",
       [](Site& s) {
         make_natural(s);
         for (int c = 0; c < s.ncmax; ++c) s.biom[s.year(c, 0)].v[ST] = 0.0;
         s.cpar[1].Kgr = 1e-320;
       },
       "E: cohort 2: biomass of branches nan of year 1 is not finite", true},
      {"natural expansion factor overflowing in its product with the stems",
       [](Site& s) {
         make_natural(s);
         s.baf(1, 0).v[LV] = 1e306;
       },
       "E: cohort 2: biomass of leaves nan of year 1 is not finite", true},
      {"natural N content overflowing in the uptake only",
       [](Site& s) {
         make_natural(s);
         s.cpar[0].ctN.v[CR] = 1e308;
       },
       "E: cohort 1: uptake of N inf of year 1 is not finite", true},
      {"natural sixth cohort of six, in a group with lanes to spare",
       [](Site& s) {
         s = six_cohorts(2);
         s.cpar[5].ctN.v[BR] = 1e308;
       },
       "E: cohort 6: uptake of N inf of year 1 is not finite", true},
  };
  expect_refused(cases);
}

// A stems factor far above 1 multiplies the stems every year: the results
// of every year are finite up to year 9 and overflow in year 10 only.
TEST(Growth, ResultsThatOverflowInTheLastYearOnlyAreRefused) {
  for (const int mantype : {1, 2}) {
    Site site = planted_site();
    if (mantype == 2) make_natural(site);
    const double factor = mantype == 1 ? 1e35 : 1e29;
    for (int j = 0; j < 2; ++j) site.baf(1, j).v[ST] = factor;
    Site early = site;
    early.iyr2 = 9;
    EXPECT_EQ(early.run(), kSuccess) << "management type " << mantype;
    const Site before = site;
    EXPECT_EQ(site.run(), padded("E: cohort 2: biomass of stems nan of year 10 is not finite"))
        << "management type " << mantype;
    EXPECT_TRUE(period_zero_else_as_before(site, before)) << "management type " << mantype;
    EXPECT_TRUE(records_untouched(site, before)) << "management type " << mantype;
  }
}

TEST(Growth, OfSeveralFaultsTheFirstCheckedIsReported) {
  // Cohort by cohort: the actions' years, then their harvests, then the
  // parameters, then the points; the faults sit in the opposite order of storage.
  const std::vector<Refusal> cases = {
      {"an action's year before an earlier action's percentage",
       [](Site& s) {
         s.action(1, 1).PERC = 150.0;
         s.add_action(1, 60, ACT_THINNING);
       },
       "E: cohort 2: action 3 in year 60 outside 0..59"},
      {"an action's percentage before its flags and a later one's",
       [](Site& s) {
         s.add_action(1, 8, ACT_THINNING, 20.0, {1, 3, 1, 1});
         s.action(1, 1).REMFLAG[REM_ROOTS] = 2;
         s.action(1, 1).PERC = -1.0;
       },
       "E: cohort 2: action 2 in year 6: percentage -1 outside 0..100"},
      {"a harvest before the parameters",
       [](Site& s) {
         s.cpar[1].WoodDensityKg = -1.0;
         s.action(1, 1).REMFLAG[REM_STEMS] = 5;
       },
       "E: cohort 2: action 2 in year 6: removal flag of stems 5 is neither 0 nor 1"},
      {"the first cohort's points before the second cohort's actions",
       [](Site& s) {
         s.action(1, 1).PERC = 101.0;
         s.point(0, 0).INC = -1.0;
       },
       "E: cohort 1: growth increment -1 at point 1 (age 0) is negative or not finite"},
      {"repeated expansion-factor ages before an unusable factor",
       [](Site& s) {
         s.baf(0, 0).v[ST] = -2.0;
         s.nbaf[0] = 3;
         s.baf_age(0, 2) = 1;
       },
       "E: bad xa input in splint: cohort 1, expansion-factor points 1 and 3 both at age 1"},
  };
  expect_refused(cases);
}

TEST(Growth, ValuesTheModelsDoNotReadAreNotRefused) {
  Site sound = planted_site();
  ASSERT_EQ(sound.run(), kSuccess);
  Site site = planted_site();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  // The deposition of the year before the planting and of the year after
  // the period, a planting's percentage and flags, and the leaf N content
  // that the models overwrite.
  site.ndep[0] = nan;
  site.ndep[10] = -99.0;
  site.action(1, 0).PERC = 150.0;
  site.action(1, 0).REMFLAG[REM_STEMS] = 2;
  site.cpar[0].ctN.v[LV] = nan;
  ASSERT_EQ(site.run(), kSuccess);
  for (std::size_t k = 0; k < sound.biom.size(); ++k) {
    for (int i = 0; i < kCompartments; ++i) EXPECT_EQ(site.biom[k].v[i], sound.biom[k].v[i]);
  }
  for (std::size_t k = 0; k < sound.upt.size(); ++k) {
    for (int i = 0; i < kNutrientSlots; ++i) EXPECT_EQ(site.upt[k].v[i], sound.upt[k].v[i]);
  }
}

TEST(Growth, ZeroWithItsSignBitSetIsUsable) {
  for (const int mantype : {1, 2}) {
    Site site = planted_site();
    if (mantype == 2) make_natural(site);
    site.cpar[0].TurnOver.v[ST] = -0.0;
    site.cpar[1].ctCa.v[BR] = -0.0;
    site.baf(0, 0).v[LV] = -0.0;
    site.action(1, 1).PERC = -0.0;
    site.ndep[4] = -0.0;
    EXPECT_EQ(site.run(), kSuccess) << "management type " << mantype;
  }
}

TEST(Growth, NaturalStandsHoldNoPointCountsToTheCapacity) {
  // The natural model reads the first expansion-factor point and no growth
  // point, so counts beyond NPMAX address nothing and are not refused; the
  // actions are read by both models and are held to it.
  Site counted = planted_site();
  counted.mantype = 2;
  counted.nbaf.assign(counted.ncmax, 1);
  for (int c = 0; c < counted.ncoh; ++c) counted.biom[counted.year(c, 0)].v[ST] = 500.0;
  Site beyond = counted;
  beyond.nbaf.assign(beyond.ncmax, beyond.npmax + 1);
  beyond.ncaip.assign(beyond.ncmax, beyond.npmax + 1);
  ASSERT_EQ(counted.run(), kSuccess);
  ASSERT_EQ(beyond.run(), kSuccess);
  EXPECT_EQ(
      std::memcmp(beyond.biom.data(), counted.biom.data(), counted.biom.size() * sizeof(BIOVEC)),
      0);

  beyond.nmact[0] = beyond.npmax + 1;
  EXPECT_EQ(beyond.run(), padded("E: cohort 1: 9 actions exceed the capacity of 8"));
}

}  // namespace
}  // namespace standsim::testing
