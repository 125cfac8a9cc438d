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
  // The view lets go of the chart it was made with without deleting it.
  QChart* const initial = QChartView::chart();
  setChart(chart);
  delete initial;
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

void Chart::ApplyAxis(QValueAxis* axis, const ChartAxis& limits, double dataMin, double dataMax) {
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
  ApplyAxis(bottomAxis_, bottom_, xMin, xMax);
  ApplyAxis(leftAxis_, left_, yMin, yMax);
  // Whole years and ages at round steps, as many as have room for their
  // labels; round values up the left axis.
  const QRectF plot = chart()->plotArea();
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
