#include "standsim/engine/growth_curve_interpolation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "standsim/engine/biovec_ops.h"

namespace standsim {
namespace {

// SPLINEGRID keeps the work of up to this many points on the stack.
constexpr std::size_t kPointsOnStack = 32;

// An end slope above this (0.99e30 in single precision) asks for a natural end.
constexpr double kNaturalSlope = 0.99e30f;

// The values of a spline are computed one curve at a time (double) or for
// the five compartments of a vector of curves at once (BIOVEC), whose
// components get the operations of a double in the same order. The
// abscissae are shared: what depends on them alone is a double, spread
// over the compartments where it meets the values.
template <typename V>
V spread(double s) {
  if constexpr (std::is_same_v<V, double>) {
    return s;
  } else {
    return biovec_of(s);
  }
}

// Forward elimination of the spline's tridiagonal system over the inner
// points; y2[0] and u[0] hold the start condition on entry.
template <typename V>
void eliminate(std::span<const double> x, std::span<const V> y, std::span<V> y2, std::span<V> u) {
  const std::size_t n = x.size();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
    const V p = spread<V>(sig) * y2[i - 1] + spread<V>(2.0);
    y2[i] = spread<V>(sig - 1.0) / p;
    u[i] = (spread<V>(6.0) *
                ((y[i + 1] - y[i]) / spread<V>(x[i + 1] - x[i]) -
                 (y[i] - y[i - 1]) / spread<V>(x[i] - x[i - 1])) /
                spread<V>(x[i + 1] - x[i - 1]) -
            spread<V>(sig) * u[i - 1]) /
           p;
  }
}

// Back substitution once y2 of the last point is set.
template <typename V>
void back_substitute(std::span<V> y2, std::span<const V> u) {
  for (std::size_t k = y2.size() - 1; k-- > 0;) y2[k] = y2[k] * y2[k + 1] + u[k];
}

// The cubic of the spline between the points LO and HI (see splint).
template <typename V>
struct SplineInterval {
  double xlo, xhi;
  V ylo, yhi, y2lo, y2hi;

  SplineInterval(std::span<const double> xa, std::span<const V> ya, std::span<const V> y2,
                 std::size_t lo, std::size_t hi)
      : xlo(xa[lo]), xhi(xa[hi]), ylo(ya[lo]), yhi(ya[hi]), y2lo(y2[lo]), y2hi(y2[hi]) {}

  // The value at X; equal abscissae divide by zero.
  V at(double x) const {
    const double h = xhi - xlo;
    const double a = (xhi - x) / h;
    const double b = (x - xlo) / h;
    return spread<V>(a) * ylo + spread<V>(b) * yhi +
           (spread<V>(a * a * a - a) * y2lo + spread<V>(b * b * b - b) * y2hi) * spread<V>(h * h) /
               spread<V>(6.0);
  }
};

// splint of curves of V: the value Y at X, found in the interval that a
// binary search of XA gives.
template <typename V>
void evaluate(std::span<const double> XA, std::span<const V> YA, std::span<const V> Y2, double X,
              V& Y, bool& BADXA) {
  std::size_t klo = 0;
  std::size_t khi = XA.size() - 1;
  while (khi - klo > 1) {
    const std::size_t m = (khi + klo) / 2;
    if (XA[m] > X) {
      khi = m;
    } else {
      klo = m;
    }
  }
  const SplineInterval<V> interval(XA, YA, Y2, klo, khi);
  if (interval.xhi - interval.xlo == 0.0) BADXA = true;  // the evaluation goes on
  Y = interval.at(X);
}

// SPLINEGRID of curves of V.
template <typename V>
void spline_grid(std::span<const int32_t> XA, std::span<const V> YA, std::span<V> Y, bool& BADXA) {
  const std::size_t n = XA.size();
  // The abscissae as reals, the second derivatives and the elimination's
  // right-hand sides: on the stack for the usual few points.
  std::array<double, kPointsOnStack> x_on_stack;
  std::array<V, 2 * kPointsOnStack> work_on_stack;
  std::vector<double> x_on_heap;
  std::vector<V> work_on_heap;
  std::span<double> x = std::span(x_on_stack).first(std::min(n, kPointsOnStack));
  std::span<V> work = work_on_stack;
  if (n > kPointsOnStack) {
    x_on_heap.resize(n);
    work_on_heap.resize(2 * n);
    x = x_on_heap;
    work = work_on_heap;
  }
  const std::span<V> y2 = work.first(n);
  const std::span<V> u = work.subspan(n, n);
  std::copy(XA.begin(), XA.end(), x.begin());
  // Natural start and end: no curvature at either end point.
  y2[0] = spread<V>(0.0);
  u[0] = spread<V>(0.0);
  eliminate<V>(x, YA, y2, u);
  y2[n - 1] = spread<V>(0.0);
  back_substitute<V>(y2, u);
  const bool increasing =
      n >= 2 && std::adjacent_find(XA.begin(), XA.end(), std::greater_equal<>()) == XA.end();
  if (!increasing || Y.size() >= static_cast<std::size_t>(INT32_MAX)) {
    for (std::size_t j = 0; j < Y.size(); ++j) {
      evaluate<V>(x, YA, y2, static_cast<double>(j + 1), Y[j], BADXA);
    }
    return;
  }
  // Ages in increasing order: the bracket that splint's search finds for an
  // abscissa is the interval below the first age above it (the first or
  // last interval beyond the ends), so the grid is walked interval by
  // interval. Its abscissae are int32_t, which the compiler converts to
  // double several at a time.
  const auto grid = static_cast<int32_t>(Y.size());
  int32_t at = 1;  // element at - 1
  for (std::size_t klo = 0; klo + 1 < n; ++klo) {
    const SplineInterval<V> interval(x, YA, y2, klo, klo + 1);
    const auto last =
        klo + 2 < n
            ? static_cast<int32_t>(std::clamp<int64_t>(int64_t{XA[klo + 1]} - 1, at - 1, grid))
            : grid;
    for (; at <= last; ++at)
      Y[static_cast<std::size_t>(at - 1)] = interval.at(static_cast<double>(at));
  }
}

}  // namespace

void LININT(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y) {
  if (Y.empty()) return;
  const std::size_t last = XA.size() - 1;
  const auto n = static_cast<int64_t>(Y.size());
  // Abscissa j (1..n) is element j - 1. Up to the first point: its ordinate.
  const int64_t head_end = std::clamp<int64_t>(XA[0], 0, n);
  std::fill(Y.begin(), Y.begin() + head_end, YA[0]);
  // Above the first point and below the last, interpolated; the search for
  // the point at or above j only moves forward, and each j up to that point
  // shares its segment.
  const int64_t inner_end = std::clamp<int64_t>(int64_t{XA[last]} - 1, head_end, n);
  std::size_t i = 0;
  for (int64_t j = head_end + 1; j <= inner_end;) {
    while (XA[i] < j) ++i;  // ends with XA[i - 1] < j <= XA[i], as XA[0] < j < XA[last]
    const auto segment_end = static_cast<int32_t>(std::min<int64_t>(XA[i], inner_end));
    const double below = XA[i - 1];
    const double width = static_cast<double>(static_cast<int64_t>(XA[i]) - XA[i - 1]);
    // Below XA[last], k fits an int32_t, which the compiler converts to
    // double several at a time; k - XA[i - 1] (below 2^33) is exact as a
    // difference of doubles.
    for (auto k = static_cast<int32_t>(j); k <= segment_end; ++k) {
      const double t = (static_cast<double>(k) - below) / width;
      Y[static_cast<std::size_t>(k - 1)] = (1.0 - t) * YA[i - 1] + t * YA[i];
    }
    j = int64_t{segment_end} + 1;
  }
  // From the last point on: its ordinate.
  std::fill(Y.begin() + inner_end, Y.end(), YA[last]);
}

void SPLINE(std::span<const double> XA, std::span<const double> YA, const double& YP1,
            const double& YPN, std::span<double> Y2) {
  const std::size_t n = XA.size();
  if (n < 2) {
    for (double& v : Y2) v = 0.0;
    return;
  }
  std::vector<double> u(n);
  if (YP1 > kNaturalSlope) {
    Y2[0] = 0.0;
    u[0] = 0.0;
  } else {
    Y2[0] = -0.5;
    u[0] = (3.0 / (XA[1] - XA[0])) * ((YA[1] - YA[0]) / (XA[1] - XA[0]) - YP1);
  }
  eliminate<double>(XA, YA, Y2, u);
  double qn = 0.0;
  double un = 0.0;
  if (!(YPN > kNaturalSlope)) {
    qn = 0.5;
    un =
        (3.0 / (XA[n - 1] - XA[n - 2])) * (YPN - (YA[n - 1] - YA[n - 2]) / (XA[n - 1] - XA[n - 2]));
  }
  Y2[n - 1] = (un - qn * u[n - 2]) / (qn * Y2[n - 2] + 1.0);
  back_substitute<double>(Y2.first(n), u);
}

void splint(std::span<const double> XA, std::span<const double> YA, std::span<const double> Y2,
            const double& X, double& Y, bool& BADXA) {
  evaluate<double>(XA, YA, Y2, X, Y, BADXA);
}

void SPLINEGRID(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y,
                bool& BADXA) {
  spline_grid<double>(XA, YA, Y, BADXA);
}

void spline_grid_compartments(std::span<const int32_t> XA, std::span<const BIOVEC> YA,
                              std::span<BIOVEC> Y, bool& BADXA) {
  spline_grid<BIOVEC>(XA, YA, Y, BADXA);
}

}  // namespace standsim
