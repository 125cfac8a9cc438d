#include "standsim/engine/growth_curve_interpolation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <vector>

namespace standsim {
namespace {

struct LinintCase {
  const char* name;
  std::vector<int32_t> ages;
  std::vector<double> values;
  int n;
  // Expected value at grid abscissa j (1-based).
  double (*expected)(int j);
};

TEST(Linint, GridValues) {
  const std::vector<LinintCase> cases = {
      {"one point", {40}, {2.5}, 20, [](int) { return 2.5; }},
      {"ordered",
       {10, 20},
       {1.0, 3.0},
       30,
       [](int j) { return j <= 10   ? 1.0
                          : j >= 20 ? 3.0
                                    : 1.0 + 2.0 * (j - 10) / 10.0; }},
      {"points beyond the grid at both ends",
       {-10, 30},
       {0.0, 4.0},
       20,
       [](int j) { return (j + 10) / 10.0; }},
      // Stored out of order: the forward-only search joins 10 and 100 and
      // holds the first ordinate up to the first stored age.
      {"out of order",
       {50, 10, 100},
       {5.0, 1.0, 10.0},
       120,
       [](int j) { return j <= 50    ? 5.0
                          : j >= 100 ? 10.0
                                     : 1.0 + 9.0 * (j - 10) / 90.0; }},
  };
  for (const LinintCase& c : cases) {
    std::vector<double> y(c.n, -1.0);
    LININT(c.ages, c.values, y);
    for (int j = 1; j <= c.n; ++j) {
      EXPECT_NEAR(y[j - 1], c.expected(j), 1e-14) << c.name << ", j = " << j;
    }
  }
}

TEST(Linint, InterpolatesWithTheWrittenFormula) {
  // (1 - t) x y1 + t x y2 with t = 1/3: not the same bits as y1 + t x (y2 - y1).
  const std::vector<int32_t> ages{0, 3};
  const std::vector<double> values{0.1, 0.7};
  std::vector<double> y(2);
  LININT(ages, values, y);
  const double t = 1.0 / 3.0;
  EXPECT_EQ(y[0], (1.0 - t) * 0.1 + t * 0.7);
}

TEST(Linint, NothingWrittenForAnEmptyGrid) {
  // The empty grid stands at the front of a larger buffer, whose values must
  // stay; without grid values not even a point is needed.
  const std::vector<int32_t> ages{10};
  const std::vector<double> values{1.0};
  std::vector<double> buffer(3, -1.0);
  LININT(ages, values, std::span<double>(buffer.data(), 0));
  LININT({}, {}, std::span<double>(buffer.data(), 0));
  EXPECT_EQ(buffer, std::vector<double>(3, -1.0));
}

// An independent natural cubic spline: the moment equations solved by dense
// Gaussian elimination, evaluated in the textbook form on the interval that
// contains X (the end intervals beyond the ends).
double reference_spline(const std::vector<double>& x, const std::vector<double>& y, double at) {
  const std::size_t n = x.size();
  // The augmented matrix of the moment equations, a row at a time.
  std::vector<std::vector<double>> a;
  for (std::size_t row = 0; row < n; ++row) a.emplace_back(n + 1, 0.0);
  a[0][0] = 1.0;
  a[n - 1][n - 1] = 1.0;
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double h0 = x[i] - x[i - 1], h1 = x[i + 1] - x[i];
    a[i][i - 1] = h0;
    a[i][i] = 2.0 * (h0 + h1);
    a[i][i + 1] = h1;
    a[i][n] = 6.0 * ((y[i + 1] - y[i]) / h1 - (y[i] - y[i - 1]) / h0);
  }
  for (std::size_t col = 0; col < n; ++col) {
    for (std::size_t row = col + 1; row < n; ++row) {
      const double f = a[row][col] / a[col][col];
      for (std::size_t k = col; k <= n; ++k) a[row][k] -= f * a[col][k];
    }
  }
  std::vector<double> m(n);
  for (std::size_t row = n; row-- > 0;) {
    double s = a[row][n];
    for (std::size_t k = row + 1; k < n; ++k) s -= a[row][k] * m[k];
    m[row] = s / a[row][row];
  }
  std::size_t k = 0;
  while (k + 2 < n && at > x[k + 1]) ++k;
  const double h = x[k + 1] - x[k], l = x[k + 1] - at, r = at - x[k];
  return m[k] * l * l * l / (6 * h) + m[k + 1] * r * r * r / (6 * h) +
         (y[k] / h - m[k] * h / 6) * l + (y[k + 1] / h - m[k + 1] * h / 6) * r;
}

struct SplineCase {
  const char* name;
  std::vector<int32_t> ages;
  std::vector<double> values;
  int n;
};

TEST(SplineGrid, AgreesWithAnIndependentNaturalSpline) {
  const std::vector<SplineCase> cases = {
      {"two points", {20, 40}, {1.0, 3.0}, 60},
      {"three points, extrapolated at both ends", {10, 25, 30}, {2.0, 1.2, 1.9}, 45},
      {"expansion-factor ages",
       {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 1000},
       {1.9, 1.6, 1.45, 1.38, 1.33, 1.3, 1.28, 1.26, 1.25, 1.24, 1.235, 1.23, 1.225, 1.22, 1.2},
       1000},
  };
  for (const SplineCase& c : cases) {
    std::vector<double> y(c.n);
    bool bad = false;
    SPLINEGRID(c.ages, c.values, y, bad);
    EXPECT_FALSE(bad) << c.name;
    const std::vector<double> x(c.ages.begin(), c.ages.end());
    for (int j = 1; j <= c.n; ++j) {
      const double want = reference_spline(x, c.values, j);
      EXPECT_NEAR(y[j - 1], want, 1e-9 * (1.0 + std::fabs(want))) << c.name << ", j = " << j;
    }
    // A grid abscissa on a point returns its ordinate exactly.
    for (std::size_t i = 0; i < c.ages.size(); ++i) {
      if (c.ages[i] <= c.n) {
        EXPECT_EQ(y[c.ages[i] - 1], c.values[i]) << c.name;
      }
    }
  }
}

TEST(SplineGrid, TakesMorePointsThanAFixedWorkVectorWould) {
  // 700 points on a line: the natural spline is that line.
  std::vector<int32_t> ages(700);
  std::vector<double> values(700);
  for (int i = 0; i < 700; ++i) {
    ages[i] = 2 * i + 1;
    values[i] = 0.5 * ages[i] + 3.0;
  }
  std::vector<double> y(1500);
  bool bad = false;
  SPLINEGRID(ages, values, y, bad);
  EXPECT_FALSE(bad);
  for (int j = 1; j <= 1500; ++j) EXPECT_NEAR(y[j - 1], 0.5 * j + 3.0, 1e-9) << "j = " << j;
}

TEST(SplineGrid, ReportsEqualAbscissaeAtABracket) {
  // One point: every bracket is degenerate.
  std::vector<double> y(3);
  bool bad = false;
  SPLINEGRID(std::vector<int32_t>{5}, std::vector<double>{1.0}, y, bad);
  EXPECT_TRUE(bad);
  EXPECT_FALSE(std::isfinite(y[0]));
  // Two equal first ages bracket the grid values below them.
  bad = false;
  std::vector<double> z(12);
  SPLINEGRID(std::vector<int32_t>{10, 10, 20}, std::vector<double>{1.0, 2.0, 3.0}, z, bad);
  EXPECT_TRUE(bad);
}

TEST(SplineGrid, CompartmentsAtOnceGiveEachCompartmentsBits) {
  struct Case {
    const char* name;
    std::vector<int32_t> ages;
    int n;
  };
  const std::vector<Case> cases = {
      {"expansion-factor ages",
       {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 1000},
       1000},
      {"unordered", {25, 10, 60, 30, -4}, 80},
      {"more points than the stack holds", std::vector<int32_t>(40), 300},
      {"equal ages", {10, 10, 20}, 30},
      {"one point", {5}, 8},
  };
  for (Case c : cases) {
    if (c.ages.size() == 40) {
      for (int i = 0; i < 40; ++i) c.ages[i] = 7 * i + 1;
    }
    // Values of different sizes and signs in each compartment, and a NaN.
    std::vector<BIOVEC> points(c.ages.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
      const double t = static_cast<double>(i) + 1.0;
      points[i] = BIOVEC{{0.3 / t, 1e5 * t * t, std::sin(t), -t / 7.0, i == 2 ? std::nan("") : t}};
    }
    std::vector<BIOVEC> together(c.n);
    bool bad_together = false;
    spline_grid_compartments(c.ages, points, together, bad_together);
    for (int k = 0; k < kCompartments; ++k) {
      std::vector<double> values(points.size());
      for (std::size_t i = 0; i < points.size(); ++i) values[i] = points[i].v[k];
      std::vector<double> alone(c.n);
      bool bad_alone = false;
      SPLINEGRID(c.ages, values, alone, bad_alone);
      EXPECT_EQ(bad_together, bad_alone) << c.name;
      for (int j = 0; j < c.n; ++j) {
        // The same bits, but for the sign of a NaN, which the arithmetic
        // leaves to the order of the operands the compiler picks.
        const double a = together[j].v[k];
        const double b = alone[j];
        const bool same = std::isnan(a) ? std::isnan(b)
                                        : std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
        EXPECT_TRUE(same) << c.name << ", compartment " << k << ", age " << j + 1 << ": " << a
                          << " and " << b;
      }
    }
  }
}

TEST(Spline, NaturalEndsMatchSplineGrid) {
  // SPLINEGRID walks ordered ages interval by interval and searches like
  // splint for others; both must give splint's bits.
  const std::vector<std::vector<int32_t>> stored_ages = {
      {10, 25, 30, 60}, {-5, 0, 3, 90}, {25, 10, 60, 30}, {10, 25, 60, 30}};
  const std::vector<double> values{2.0, 1.2, 1.9, 1.5};
  for (const std::vector<int32_t>& ages : stored_ages) {
    const std::vector<double> x(ages.begin(), ages.end());
    std::vector<double> y2(4);
    SPLINE(x, values, 1e31, 1e31, y2);
    std::vector<double> grid(70);
    bool bad = false;
    SPLINEGRID(ages, values, grid, bad);
    for (int j = 1; j <= 70; ++j) {
      double y = 0.0;
      splint(x, values, y2, static_cast<double>(j), y, bad);
      EXPECT_EQ(y, grid[j - 1]) << "ages from " << ages[0] << ", j = " << j;
    }
    EXPECT_FALSE(bad);
  }
}

TEST(Spline, GivenEndSlopesHold) {
  const std::vector<double> x{0.0, 1.0, 2.5, 4.0};
  const std::vector<double> y{1.0, 2.0, 0.5, 3.0};
  const double yp1 = -2.0, ypn = 0.75;
  std::vector<double> y2(4);
  SPLINE(x, y, yp1, ypn, y2);
  const double h0 = x[1] - x[0], hn = x[3] - x[2];
  EXPECT_NEAR((y[1] - y[0]) / h0 - h0 / 3 * y2[0] - h0 / 6 * y2[1], yp1, 1e-12);
  EXPECT_NEAR((y[3] - y[2]) / hn + hn / 6 * y2[2] + hn / 3 * y2[3], ypn, 1e-12);
}

TEST(Spline, NaturalEndThresholdIsTheSinglePrecisionValue) {
  const std::vector<double> x{0.0, 1.0, 2.0};
  const std::vector<double> y{0.0, 1.0, 0.0};
  std::vector<double> natural(3), slope(3);
  SPLINE(x, y, 9.900000073412053e29, 9.900000073412053e29, natural);
  EXPECT_EQ(natural[0], 0.0);
  EXPECT_EQ(natural[2], 0.0);
  // The double 0.99e30 lies below the threshold and is taken as a slope.
  SPLINE(x, y, 0.99e30, 0.99e30, slope);
  EXPECT_NE(slope[0], 0.0);
}

TEST(Splint, LeavesTheReportAloneOnGoodInput) {
  const std::vector<double> x{0.0, 1.0};
  const std::vector<double> y{0.0, 2.0};
  const std::vector<double> y2{0.0, 0.0};
  double v = 0.0;
  bool bad = false;
  splint(x, y, y2, 3.0, v, bad);
  EXPECT_FALSE(bad);
  EXPECT_EQ(v, 6.0);  // the end interval's line goes on
  splint(std::span(x).first(1), y, y2, 3.0, v, bad);
  EXPECT_TRUE(bad);
}

}  // namespace
}  // namespace standsim
