#pragma once
// The limits of one chart axis, and the range and round tick step they give
// for the data shown.

#include <QString>

namespace tarvex {

class ChartAxis {
 public:
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0.0;
  double Maximum = 0.0;
  QString Title;

  bool Automatic() const { return AutomaticMinimum && AutomaticMaximum; }
  void SetAutomatic(bool automatic) { AutomaticMinimum = AutomaticMaximum = automatic; }
};

// What an axis shows: Minimum < Maximum, both finite; ticks at every
// TickStep (1, 2 or 5 times a power of ten) from TickAnchor, the first whole
// multiple of the step at or above Minimum.
struct AxisScale {
  double Minimum = 0.0;
  double Maximum = 1.0;
  double TickStep = 1.0;
  double TickAnchor = 0.0;
};

// Pixels kept free between the data at either end of an axis and the plot's
// edge, over a plot PIXELS long (none where PIXELS is too short for them).
struct EdgeRoom {
  double below = 0.0, above = 0.0, pixels = 0.0;
};

// The scale of an axis with LIMITS over data from DATAMIN to DATAMAX (an
// automatic limit follows the data), with room for about ROOM ticks, a step
// of at least SMALLESTSTEP and EDGES between the data and the plot's edges.
// Whatever the limits and the data, the range holds at most ROOM + 1 ticks.
AxisScale ScaleAxis(const ChartAxis& limits, double dataMin, double dataMax, double room,
                    double smallestStep, const EdgeRoom& edges = {});

}  // namespace tarvex
