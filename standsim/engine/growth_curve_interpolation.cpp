#include "standsim/engine/growth_curve_interpolation.h"

#include <cstddef>
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

}  // namespace

void LININT(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y) {
  if (Y.empty()) return;
  const std::size_t last = XA.size() - 1;
  std::size_t i = 0;
  for (std::size_t jj = 0; jj < Y.size(); ++jj) {
    const int64_t j = static_cast<int64_t>(jj) + 1;
    if (j <= XA[0]) {
      Y[jj] = YA[0];
    } else if (j >= XA[last]) {
      Y[jj] = YA[last];
    } else {
      // Ends with XA[i - 1] < j <= XA[i]: j lies above XA[0] and below XA[last].
      while (XA[i] < j) ++i;
      const double t = static_cast<double>(j - XA[i - 1]) /
                       static_cast<double>(static_cast<int64_t>(XA[i]) - XA[i - 1]);
      Y[jj] = (1.0 - t) * YA[i - 1] + t * YA[i];
    }
  }
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
  const double h = XA[khi] - XA[klo];
  if (h == 0.0) BADXA = true;  // the evaluation goes on and divides by zero
  const double a = (XA[khi] - X) / h;
  const double b = (X - XA[klo]) / h;
  Y = a * YA[klo] + b * YA[khi] +
      ((a * a * a - a) * Y2[klo] + (b * b * b - b) * Y2[khi]) * (h * h) / 6.0;
}

void SPLINEGRID(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y,
                bool& BADXA) {
  const std::size_t n = XA.size();
  std::vector<double> x(XA.begin(), XA.end());
  std::vector<double> y2(n);
  std::vector<double> u(n);
  // Natural start and end: no curvature at either end point.
  y2[0] = 0.0;
  u[0] = 0.0;
  eliminate(x, YA, y2, u);
  y2[n - 1] = 0.0;
  back_substitute(y2, u);
  for (std::size_t j = 0; j < Y.size(); ++j) {
    splint(x, YA, y2, static_cast<double>(j + 1), Y[j], BADXA);
  }
}

}  // namespace standsim
