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

// The scale of an axis with LIMITS over data from DATAMIN to DATAMAX (an
// automatic limit follows the data), with room for about ROOM ticks and a
// step of at least SMALLESTSTEP. Whatever the limits and the data, the range
// holds at most ROOM + 1 ticks.
AxisScale ScaleAxis(const ChartAxis& limits, double dataMin, double dataMax, double room,
                    double smallestStep);

}  // namespace tarvex
