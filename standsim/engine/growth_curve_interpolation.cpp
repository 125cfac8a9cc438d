#include "standsim/engine/growth_curve_interpolation.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace standsim {
namespace {

// An end slope above this (0.99e30 in single precision) asks for a natural end.
constexpr double kNaturalSlope = 0.99e30f;

// Forward elimination of the spline's tridiagonal system over the inner
// points; y2[0] and u[0] hold the start condition on entry.
void eliminate(std::span<const double> x, std::span<const double> y, std::span<double> y2,
               std::span<double> u) {
  const std::size_t n = x.size();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
    const double p = sig * y2[i - 1] + 2.0;
    y2[i] = (sig - 1.0) / p;
    u[i] = (6.0 * ((y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1])) /
                (x[i + 1] - x[i - 1]) -
            sig * u[i - 1]) /
           p;
  }
}

// Back substitution once y2 of the last point is set.
void back_substitute(std::span<double> y2, std::span<const double> u) {
  for (std::size_t k = y2.size() - 1; k-- > 0;) y2[k] = y2[k] * y2[k + 1] + u[k];
}

// The value at X of the cubic of the bracket KLO..KHI (see splint).
inline double spline_value(std::span<const double> xa, std::span<const double> ya,
                           std::span<const double> y2, std::size_t klo, std::size_t khi, double x,
                           bool& badxa) {
  const double h = xa[khi] - xa[klo];
  if (h == 0.0) badxa = true;  // the evaluation goes on and divides by zero
  const double a = (xa[khi] - x) / h;
  const double b = (x - xa[klo]) / h;
  return a * ya[klo] + b * ya[khi] +
         ((a * a * a - a) * y2[klo] + (b * b * b - b) * y2[khi]) * (h * h) / 6.0;
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
    const int64_t segment_end = std::min<int64_t>(XA[i], inner_end);
    const double width = static_cast<double>(static_cast<int64_t>(XA[i]) - XA[i - 1]);
    for (; j <= segment_end; ++j) {
      const double t = static_cast<double>(j - XA[i - 1]) / width;
      Y[static_cast<std::size_t>(j - 1)] = (1.0 - t) * YA[i - 1] + t * YA[i];
    }
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
  eliminate(XA, YA, Y2, u);
  double qn = 0.0;
  double un = 0.0;
  if (!(YPN > kNaturalSlope)) {
    qn = 0.5;
    un =
        (3.0 / (XA[n - 1] - XA[n - 2])) * (YPN - (YA[n - 1] - YA[n - 2]) / (XA[n - 1] - XA[n - 2]));
  }
  Y2[n - 1] = (un - qn * u[n - 2]) / (qn * Y2[n - 2] + 1.0);
  back_substitute(Y2.first(n), u);
}

void splint(std::span<const double> XA, std::span<const double> YA, std::span<const double> Y2,
            const double& X, double& Y, bool& BADXA) {
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
  Y = spline_value(XA, YA, Y2, klo, khi, X, BADXA);
}

void SPLINEGRID(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y,
                bool& BADXA) {
  const std::size_t n = XA.size();
  // The abscissae as reals, the second derivatives and the elimination's
  // right-hand sides, in one block.
  std::vector<double> work(3 * n);
  const std::span<double> x = std::span(work).first(n);
  const std::span<double> y2 = std::span(work).subspan(n, n);
  const std::span<double> u = std::span(work).subspan(2 * n, n);
  std::copy(XA.begin(), XA.end(), x.begin());
  // Natural start and end: no curvature at either end point.
  y2[0] = 0.0;
  u[0] = 0.0;
  eliminate(x, YA, y2, u);
  y2[n - 1] = 0.0;
  back_substitute(y2, u);
  const bool increasing =
      n >= 2 && std::adjacent_find(XA.begin(), XA.end(), std::greater_equal<>()) == XA.end();
  if (!increasing) {
    for (std::size_t j = 0; j < Y.size(); ++j) {
      splint(x, YA, y2, static_cast<double>(j + 1), Y[j], BADXA);
    }
    return;
  }
  // Ages in increasing order: the bracket that splint's search finds for
  // the abscissa j + 1 is the interval below the first age above it (the
  // first or last interval beyond the ends), so the grid is walked interval
  // by interval.
  const auto grid = static_cast<int64_t>(Y.size());
  int64_t j = 0;  // element j, abscissa j + 1
  for (std::size_t klo = 0; klo + 1 < n; ++klo) {
    const int64_t end = klo + 2 < n ? std::clamp<int64_t>(int64_t{XA[klo + 1]} - 1, j, grid) : grid;
    for (; j < end; ++j) {
      Y[static_cast<std::size_t>(j)] =
          spline_value(x, YA, y2, klo, klo + 1, static_cast<double>(j + 1), BADXA);
    }
  }
}

}  // namespace standsim
