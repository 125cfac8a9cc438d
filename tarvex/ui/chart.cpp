#include "tarvex/ui/chart.h"

#include <QAreaSeries>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace tarvex {
namespace {

// A tick step of 1, 2 or 5 times a power of ten, at least SMALLEST, giving
// at most about ROOM ticks over SPAN.
double TickStep(double span, double room, double smallest) {
  const double rough = std::max(span / room, smallest);
  // An axis too wide or too narrow for its numbers keeps a plain step.
  if (!std::isfinite(rough) || rough <= 0.0) return 1.0;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10.0 * power;
}

// Ticks at the whole multiples of STEP inside the axis' range; an axis whose
// range gives no usable step keeps its ticks where they were.
void SetTicks(QValueAxis* axis, double step) {
  if (!std::isfinite(step) || step <= 0.0) return;
  axis->setTickAnchor(std::ceil(axis->min() / step) * step);
  axis->setTickInterval(step);
}

}  // namespace

Chart::Chart(Kind kind, const QString& bottomTitle, const QString& leftTitle, QWidget* parent)
    : QChartView(parent),
      kind_(kind),
      bottomAxis_(new QValueAxis(this)),
      leftAxis_(new QValueAxis(this)),
      line_(new QLineSeries(this)) {
  bottom_.Title = bottomTitle;
  left_.Title = leftTitle;
  auto* chart = new QChart;
  chart->legend()->hide();
  // The plot takes the whole view, so that small charts keep their titles.
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setMargins(QMargins(6, 6, 12, 6));
  chart->setBackgroundRoundness(0);
  // Years and ages are labelled as whole numbers.
  bottomAxis_->setLabelFormat("%.0f");
  bottomAxis_->setTickType(QValueAxis::TicksDynamic);
  chart->addAxis(bottomAxis_, Qt::AlignBottom);
  leftAxis_->setLabelFormat("%g");
  leftAxis_->setTickType(QValueAxis::TicksDynamic);
  chart->addAxis(leftAxis_, Qt::AlignLeft);
  if (kind_ == Kind::Bar) {
    bars_ = new QAreaSeries(line_);
    chart->addSeries(bars_);
    bars_->attachAxis(bottomAxis_);
    bars_->attachAxis(leftAxis_);
  } else {
    chart->addSeries(line_);
    line_->attachAxis(bottomAxis_);
    line_->attachAxis(leftAxis_);
  }
  // The view gives up the chart it was made with; nothing else owns it.
  QChart* const made = this->chart();
  setChart(chart);
  delete made;
  setRenderHint(QPainter::Antialiasing);
  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &Chart::Refresh);
  // Bars keep their width in pixels and the ticks their room when the plot
  // area changes.
  connect(chart, &QChart::plotAreaChanged, this, [this] { ScheduleRefresh(); });
  ScheduleRefresh();
}

void Chart::AddPoint(double x, double y, const QString& label) {
  points_.append(QPointF(x, y));
  labels_.append(label);
  ScheduleRefresh();
}

void Chart::Clear() {
  points_.clear();
  labels_.clear();
  ScheduleRefresh();
}

void Chart::SetColor(const QColor& color) {
  QPen pen = line_->pen();
  pen.setColor(color);
  line_->setPen(pen);
  if (bars_ != nullptr) {
    bars_->setBrush(color);
    bars_->setPen(pen);
  }
}

void Chart::SetPenWidth(int width) {
  QPen pen = line_->pen();
  pen.setWidth(width);
  line_->setPen(pen);
}

void Chart::ApplyAxis(QValueAxis* axis, const ChartAxis& limits, double dataMin, double dataMax,
                      const EdgeRoom& room) {
  double low = limits.AutomaticMinimum ? dataMin : limits.Minimum;
  double high = limits.AutomaticMaximum ? dataMax : limits.Maximum;
  if (high < low) std::swap(low, high);
  if (high == low) {
    // A constant series is drawn across the middle of the plot; equal limits
    // set by hand open upwards.
    const bool fromData = limits.Automatic();
    low -= fromData ? 0.5 : 0.0;
    high += fromData ? 0.5 : 1.0;
  }
  // Points at the ends of the range keep their room from the plot's edges.
  // Widening the range shrinks what a pixel is worth, so the room is found
  // in a few steps; the range is set once, at the end.
  if (room.pixels > 2.0 * (room.below + room.above)) {
    for (int step = 0; step < 3; ++step) {
      const double unit = (high - low) / room.pixels;
      if (room.below > 0.0 && dataMin >= low) low = std::min(low, dataMin - room.below * unit);
      if (room.above > 0.0 && dataMax <= high) high = std::max(high, dataMax + room.above * unit);
    }
  }
  axis->setRange(low, high);
  axis->setTitleText(limits.Title);
}

void Chart::Refresh() {
  refresh_.stop();
  double xMin = 0.0, xMax = 1.0, yMin = 0.0, yMax = 1.0;
  if (!points_.isEmpty()) {
    xMin = xMax = points_.front().x();
    yMin = yMax = points_.front().y();
    for (const QPointF& p : points_) {
      xMin = std::min(xMin, p.x());
      xMax = std::max(xMax, p.x());
      yMin = std::min(yMin, p.y());
      yMax = std::max(yMax, p.y());
    }
  }
  if (kind_ == Kind::Bar) yMin = std::min(yMin, 0.0);
  const QRectF plot = chart()->plotArea();
  // Bars at either end of the years are drawn whole, and the highest point
  // lies below the top edge, where it would lose half its pen.
  const bool bars = kind_ == Kind::Bar && !points_.isEmpty();
  const double barRoom = bars ? barWidth_ / 2.0 + 2.0 : 0.0;
  ApplyAxis(bottomAxis_, bottom_, xMin, xMax, {barRoom, barRoom, plot.width()});
  ApplyAxis(leftAxis_, left_, yMin, yMax, {0.0, points_.isEmpty() ? 0.0 : 4.0, plot.height()});
  // Whole years and ages at round steps, as many as have room for their
  // labels; round values up the left axis.
  const double columns = plot.width() > 0 ? std::clamp(plot.width() / 60.0, 2.0, 8.0) : 8.0;
  const double rows = plot.height() > 0 ? std::clamp(plot.height() / 30.0, 2.0, 8.0) : 5.0;
  for (auto [axis, room, smallest] : {std::tuple{bottomAxis_, columns, 1.0},
                                       std::tuple{leftAxis_, rows, 0.0}}) {
    SetTicks(axis, TickStep(axis->max() - axis->min(), room, smallest));
  }
  if (kind_ == Kind::Line) {
    line_->replace(points_);
    return;
  }
  // An empty set of bars draws nothing, not even its outline.
  bars_->setVisible(!points_.isEmpty());
  // Each bar is a rectangle of the series' width in pixels standing on zero.
  const double span = bottomAxis_->max() - bottomAxis_->min();
  // Before the chart is laid out its plot area has no real width yet.
  const double plotWidth = plot.width();
  const double half = plotWidth > 2.0 * barWidth_ ? span * barWidth_ / plotWidth / 2.0 : span / 100.0;
  QVector<QPointF> outline;
  for (const QPointF& p : points_) {
    outline << QPointF(p.x() - half, 0.0) << QPointF(p.x() - half, p.y())
            << QPointF(p.x() + half, p.y()) << QPointF(p.x() + half, 0.0);
  }
  line_->replace(outline);
}

}  // namespace tarvex
