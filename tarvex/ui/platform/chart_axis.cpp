#include "tarvex/ui/platform/chart_axis.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvex {
namespace {

// Values beyond this size are cut, so that the span of a range stays finite.
constexpr double kLargest = 1e300;
// The narrowest span, absolute and relative to the size of its values: the
// ticks of a narrower one would not differ from each other in a double.
constexpr double kNarrowestSpan = 1e-200;
constexpr double kNarrowestRelativeSpan = 1e-9;

double Bounded(double value, double fallback) {
  return std::isfinite(value) ? std::clamp(value, -kLargest, kLargest) : fallback;
}

// A step of 1, 2 or 5 times a power of ten, at least SMALLEST, giving at
// most ROOM ticks over SPAN.
double TickStep(double span, double room, double smallest) {
  const double rough = std::max(span / room, smallest);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10.0 * power;
}

}  // namespace

AxisScale ScaleAxis(const ChartAxis& limits, double dataMin, double dataMax, double room,
                    double smallestStep, const EdgeRoom& edges) {
  double low = Bounded(limits.AutomaticMinimum ? dataMin : limits.Minimum, 0.0);
  double high = Bounded(limits.AutomaticMaximum ? dataMax : limits.Maximum, 1.0);
  if (high < low) std::swap(low, high);
  if (high == low) {
    // A constant series is drawn across the middle of the plot; equal limits
    // set by hand open upwards.
    const bool fromData = limits.Automatic();
    low -= fromData ? 0.5 : 0.0;
    high += fromData ? 0.5 : 1.0;
  }
  // Widening the range shrinks what a pixel is worth, so the room at the
  // edges is found in a few steps.
  if (edges.pixels > 2.0 * (edges.below + edges.above)) {
    for (int step = 0; step < 3; ++step) {
      const double unit = (high - low) / edges.pixels;
      if (edges.below > 0.0 && dataMin >= low) {
        low = std::max(std::min(low, dataMin - edges.below * unit), -kLargest);
      }
      if (edges.above > 0.0 && dataMax <= high) {
        high = std::min(std::max(high, dataMax + edges.above * unit), kLargest);
      }
    }
  }
  const double narrowest =
      std::max(kNarrowestSpan, kNarrowestRelativeSpan * std::max(std::abs(low), std::abs(high)));
  if (high - low < narrowest) {
    const double middle = low / 2.0 + high / 2.0;
    low = middle - narrowest / 2.0;
    high = middle + narrowest / 2.0;
  }
  AxisScale scale;
  scale.Minimum = low;
  scale.Maximum = high;
  scale.TickStep = TickStep(high - low, room, smallestStep);
  scale.TickAnchor = std::ceil(low / scale.TickStep) * scale.TickStep;
  return scale;
}

}  // namespace tarvex
