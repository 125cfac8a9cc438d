// The charts' axes: the range and round ticks of every data range, and a
// shown chart that never passes through a state with more ticks than its
// axis has room for.
#include <QValueAxis>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/testing/widget_painting.h"

using namespace tarvex;

namespace {

// The ticks an axis lays out in its present state.
int TickCount(const QValueAxis& axis) {
  if (axis.tickType() == QValueAxis::TicksFixed) return axis.tickCount();
  const double span = axis.max() - axis.min();
  if (!(axis.tickInterval() > 0.0)) return 0;
  const double ticks = std::floor(span / axis.tickInterval()) + 1.0;
  return ticks > 1e6 ? 1000000 : static_cast<int>(ticks);
}

bool IsRoundStep(double step) {
  const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (std::abs(mantissa - m) < 1e-9) return true;
  }
  return false;
}

ChartAxis Manual(double minimum, double maximum) {
  ChartAxis axis;
  axis.SetAutomatic(false);
  axis.Minimum = minimum;
  axis.Maximum = maximum;
  return axis;
}

}  // namespace

class ChartTest : public QObject {
  Q_OBJECT

 private slots:
  void everyRangeGetsAFewRoundTicks_data() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("smallest");
    QTest::newRow("tiny values") << true << 0.0 << 1e-6 << 0.0;
    QTest::newRow("huge values") << true << 0.0 << 1e9 << 0.0;
    QTest::newRow("constant zero") << true << 0.0 << 0.0 << 0.0;
    QTest::newRow("constant far from zero") << true << 1e20 << 1e20 << 0.0;
    QTest::newRow("narrow far from zero") << true << 1e12 << 1e12 + 1e-3 << 0.0;
    QTest::newRow("negative") << true << -350.0 << -2.5 << 0.0;
    QTest::newRow("across zero") << true << -1e300 << 1e300 << 0.0;
    QTest::newRow("beyond a double's span") << true << -1e308 << 1e308 << 0.0;
    QTest::newRow("not finite") << true << nan << inf << 0.0;
    QTest::newRow("whole years") << true << 1001.0 << 2000.0 << 1.0;
    QTest::newRow("one year") << true << 2000.0 << 2000.0 << 1.0;
    QTest::newRow("limits set by hand, reversed") << false << 5000.0 << 0.0 << 1.0;
    QTest::newRow("equal limits set by hand") << false << 7.0 << 7.0 << 0.0;
  }
  void everyRangeGetsAFewRoundTicks() {
    QFETCH(bool, automatic);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, smallest);
    const double room = 8.0;
    const ChartAxis limits = automatic ? ChartAxis() : Manual(low, high);
    const AxisScale scale = ScaleAxis(limits, low, high, room, smallest);
    QVERIFY(std::isfinite(scale.Minimum) && std::isfinite(scale.Maximum));
    QVERIFY(scale.Minimum < scale.Maximum);
    if (std::isfinite(low) && std::isfinite(high) &&
        std::max(std::abs(low), std::abs(high)) <= 1e300) {
      QVERIFY(scale.Minimum <= std::min(low, high) && std::max(low, high) <= scale.Maximum);
    }
    QVERIFY2(IsRoundStep(scale.TickStep), qPrintable(QString::number(scale.TickStep)));
    QVERIFY(scale.TickStep >= smallest);
    QVERIFY((scale.Maximum - scale.Minimum) / scale.TickStep <= room);
    // The first tick lies within one step of the minimum and differs from the
    // next one in a double.
    QVERIFY(scale.TickAnchor >= scale.Minimum && scale.TickAnchor < scale.Minimum + scale.TickStep);
    QVERIFY(scale.TickAnchor + scale.TickStep > scale.TickAnchor);
  }

  void aConstantSeriesIsDrawnAcrossTheMiddle() {
    const AxisScale fromData = ScaleAxis(ChartAxis(), 3.0, 3.0, 8.0, 0.0);
    QCOMPARE(fromData.Minimum, 2.5);
    QCOMPARE(fromData.Maximum, 3.5);
    const AxisScale byHand = ScaleAxis(Manual(3.0, 3.0), 0.0, 0.0, 8.0, 0.0);
    QCOMPARE(byHand.Minimum, 3.0);
    QCOMPARE(byHand.Maximum, 4.0);
  }

  // A shown chart lays out the ticks of every state its axes pass through:
  // from the empty chart to a large range, and back from a large to a small
  // one, no state may hold more than a few dozen.
  void aShownChartNeverHoldsManyTicks() {
    Chart chart(Chart::Kind::Line, "year", "value");
    chart.resize(600, 400);
    testing::Paint(chart);
    int most = 0;
    for (QAbstractAxis* a : chart.chart()->axes()) {
      auto* axis = qobject_cast<QValueAxis*>(a);
      const auto count = [&most, axis] { most = std::max(most, TickCount(*axis)); };
      connect(axis, &QValueAxis::rangeChanged, this, count);
      connect(axis, &QValueAxis::tickIntervalChanged, this, count);
      connect(axis, &QValueAxis::tickAnchorChanged, this, count);
      connect(axis, &QValueAxis::tickTypeChanged, this, count);
    }
    const struct {
      double first, last, value;
    } series[] = {{1001, 2000, 1e9},  {1990, 1995, 1e-6}, {0, 4999, 1e6},
                  {2000, 2000, -3.0}, {1990, 2100, -1e7}, {1, 3, 0.5}};
    for (const auto& s : series) {
      chart.Clear();
      for (double year = s.first; year <= s.last; ++year) chart.AddPoint(year, s.value * year);
      testing::Paint(chart);
      QVERIFY2(most <= 20, qPrintable(QString("%1 ticks at %2").arg(most).arg(s.value)));
    }
    chart.Clear();
    testing::Paint(chart);
    QVERIFY(most <= 20);
  }

  // Bars of neighbouring years overlap on a long axis; each is drawn whole,
  // not cut out of the other.
  void overlappingBarsAreFilledWhole() {
    Chart chart(Chart::Kind::Bar, "year", "percentage");
    chart.resize(400, 300);
    chart.SetColor(Qt::darkRed);
    for (const auto& [year, value] : {std::pair{1990, 100}, {2075, 100}, {2076, 100}, {2100, 0}}) {
      chart.AddPoint(year, value);
    }
    const QImage picture = testing::Paint(chart);
    QAbstractSeries* bars = chart.chart()->series().front();
    for (double year : {2075.0, 2075.5, 2076.0}) {
      const QPoint at = chart.mapFromScene(chart.chart()->mapToPosition({year, 50.0}, bars));
      QCOMPARE(picture.pixelColor(at), QColor(Qt::darkRed));
    }
  }
};

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
