#include "standsim/engine/result_bounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_constants.h"
#include "standsim/engine/growth_curve_interpolation.h"

namespace standsim {
namespace {

// Below this every sum and product of the models' values stays finite: the
// bound leaves 2^24 for the rounding of the steps it does not follow.
constexpr double kSafeBound = 0x1p1000;

double largest(const BIOVEC& v) {
  double m = 0.0;
  for (double x : v.v) m = std::max(m, std::abs(x));
  return m;
}

// Every value a stored result is formed of is at most B, a bound of every
// biomass compartment of the cohort with parameters P: the turnover, the
// litterfall and the changes of the biomass are multiples of B, the uptake
// and the soil inputs those times a content. False when the bound is not
// finite (NaN included).
bool bounded(double b, const COHPAR& p) {
  const double turnover = largest(p.TurnOver);
  BIOVEC ct_n = p.ctN;
  ct_n.v[LV] = p.Nlfmin + p.Nlfmax;  // the leaves' content of every year
  const double content = std::max(
      {largest(p.CarbonContent), largest(ct_n), largest(p.ctCa), largest(p.ctMg), largest(p.ctK)});
  return b * (3.0 + turnover) * (1.0 + 6.0 * content) < kSafeBound;
}

// A bound of S(n) = G (R + R^2 + ... + R^n) + R^n S(0) for R >= 1: a
// quantity that each of N years multiplies by at most R and adds G to.
double grown(double start, double g, double r, double n) {
  return std::pow(r, n) * (start + n * g);
}

// The largest value the expansion-factor spline of compartment K of cohort
// C takes at the ages 1..kTableAges: every value is the cubic of two points
// that are neighbours in storage, at an age in or beyond their interval.
double spline_bound(const GrowthCall& call, int c, int k) {
  const auto n = static_cast<std::size_t>(call.nbaf[c]);
  std::vector<double> x(n), y(n), y2(n);
  for (std::size_t j = 0; j < n; ++j) {
    x[j] = call.bafage_at(c, static_cast<int>(j));
    y[j] = call.bafval_at(c, static_cast<int>(j)).v[k];
  }
  constexpr double kNatural = 1e30;
  SPLINE(x, y, kNatural, kNatural, y2);
  double bound = 0.0;
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double h = std::abs(x[j + 1] - x[j]);
    const double a = std::max(std::abs(x[j + 1] - 1.0), std::abs(x[j + 1] - kTableAges)) / h;
    const double b = std::max(std::abs(1.0 - x[j]), std::abs(kTableAges - x[j])) / h;
    const double v =
        a * std::abs(y[j]) + b * std::abs(y[j + 1]) +
        ((a * a * a + a) * std::abs(y2[j]) + (b * b * b + b) * std::abs(y2[j + 1])) * h * h / 6.0;
    bound = std::max(bound, v);
  }
  return 2.0 * bound;
}

// An even-aged cohort grows its stems by at most the largest increment of
// its growth curve a year (the curve is straight between points in
// increasing order and constant beyond them) and carries them on times at
// most its largest stems factor.
bool even_aged_bounded(const GrowthCall& call, int c) {
  const COHPAR& p = call.cpar[c];
  const int64_t y0 = call.mact_at(c, 0).YEAR;
  if (y0 > call.iyr2) return true;  // nothing computed
  double increment = 0.0;
  for (int i = 0; i < call.ncaip[c]; ++i) {
    if (i > 0 && call.caip_at(c, i).AGE <= call.caip_at(c, i - 1).AGE) return false;
    increment =
        std::max(increment, std::abs(call.caip_at(c, i).INC * (p.WoodDensityKg * kVolumeToMass)));
  }
  double factor = 0.0;
  double stems = 0.0;
  for (int k = 0; k < kCompartments; ++k) {
    const double f = spline_bound(call, c, k);
    factor = std::max(factor, f);
    if (k == ST) stems = f;
  }
  const double years = static_cast<double>(call.iyr2 - y0 + 1);
  return bounded(grown(0.0, 2.0 * increment, std::max(1.0, stems), years) * factor, p);
}

// A natural cohort's growth is at most MaxGrowth in stem mass a year, for
// the stand's stem volume S holds the cohort's own: inc = MaxGrowth / (S +
// Kgr) x st <= MaxGrowth x mass per volume. (A Kgr too small to be added to
// a volume that underflows is left to the run.)
bool natural_bounded(const GrowthCall& call, int c) {
  const COHPAR& p = call.cpar[c];
  if (!(p.Kgr >= 0x1p-900)) return false;
  const double g = 2.0 * p.MaxGrowth * (p.WoodDensityKg * kVolumeToMass);
  const BIOVEC& factors = call.bafval_at(c, 0);
  const double start = std::abs(call.biom[call.result(c, int64_t{call.iyr1} - 1)].v[ST]);
  const double years = static_cast<double>(int64_t{call.iyr2} - call.iyr1 + 1);
  const double stems = grown(start, g, std::max(1.0, std::abs(factors.v[ST])), years + 1.0);
  return bounded((stems + g) * largest(factors), p);
}

}  // namespace

bool results_surely_finite(const GrowthCall& call) {
  for (int c = 0; c < call.ncoh; ++c) {
    if (call.mantype == MAN_EVEN_AGED && !even_aged_bounded(call, c)) return false;
    if (call.mantype == MAN_NATURAL && call.iyr2 >= call.iyr1 && !natural_bounded(call, c))
      return false;
  }
  return true;
}

}  // namespace standsim
