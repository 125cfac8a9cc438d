// Values of a tabulated curve (a few points of age against value) at every
// whole age 1..N: linear interpolation for stem-growth curves, a natural cubic
// spline for expansion factors, and the general spline pair SPLINE / splint.
//
// Index mapping: point i (1-based) of a curve is element i - 1 of XA and YA;
// grid abscissa j (1..N) is element j - 1 of Y, and N is Y.size(). XA and YA
// hold the same number of points.
#pragma once

#include <cstdint>
#include <span>

#include "standsim/engine/growth_records.h"

namespace standsim {

// Piecewise-linear values on 1..N, constant beyond the end points. The search
// only moves forward, so points out of order still give defined values.
// Needs at least one point when N >= 1.
void LININT(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y);

// Natural cubic spline through the points, evaluated on 1..N; beyond the end
// points the end intervals' cubics go on. BADXA becomes true when some grid
// value met two equal abscissae at its bracket (then that value is infinite
// or not a number) and is left unchanged otherwise.
void SPLINEGRID(std::span<const int32_t> XA, std::span<const double> YA, std::span<double> Y,
                bool& BADXA);

// SPLINEGRID of the five compartments of vectors of values at once: every
// component of Y is SPLINEGRID's value of that compartment's curve.
void spline_grid_compartments(std::span<const int32_t> XA, std::span<const BIOVEC> YA,
                              std::span<BIOVEC> Y, bool& BADXA);

// Second derivatives Y2 (one per point) of the cubic spline through the
// points with end slopes YP1 and YPN; a slope above 0.99e30 makes that end
// natural. Fewer than two points have no curvature: Y2 is set to zero.
void SPLINE(std::span<const double> XA, std::span<const double> YA, const double& YP1,
            const double& YPN, std::span<double> Y2);

// The value Y at X of the spline with second derivatives Y2. BADXA becomes
// true when the bracket of X has equal abscissae (always so with one point);
// Y is then infinite or not a number. Unchanged otherwise.
void splint(std::span<const double> XA, std::span<const double> YA, std::span<const double> Y2,
            const double& X, double& Y, bool& BADXA);

}  // namespace standsim
