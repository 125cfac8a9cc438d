#include "tarvex/ui/chart.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

// A whole tick step of 1, 2 or 5 times a power of ten giving at most about
// eight ticks over SPAN.
double WholeTickStep(double span) {
  const double rough = std::max(span / 8.0, 1.0);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10.0 * power;
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
  // Narrow margins leave the plot room for the axis titles in a small chart.
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  // Years and ages are labelled as whole numbers.
  bottomAxis_->setLabelFormat("%.0f");
  bottomAxis_->setTickType(QValueAxis::TicksDynamic);
  chart->addAxis(bottomAxis_, Qt::AlignBottom);
  leftAxis_->setLabelFormat("%g");
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
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &Chart::Refresh);
  // Bars keep their width in pixels when the plot area changes.
  if (kind_ == Kind::Bar) connect(chart, &QChart::plotAreaChanged, this, [this] { ScheduleRefresh(); });
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
  if (high == low) high = low + 1.0;
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
  const double step = WholeTickStep(bottomAxis_->max() - bottomAxis_->min());
  bottomAxis_->setTickAnchor(std::ceil(bottomAxis_->min() / step) * step);
  bottomAxis_->setTickInterval(step);
  ApplyAxis(leftAxis_, left_, yMin, yMax);
  if (kind_ == Kind::Line) {
    line_->replace(points_);
    return;
  }
  // An area over no points would still draw its edge along the left axis.
  bars_->setVisible(!points_.isEmpty());
  // Each bar is a rectangle of the series' width in pixels standing on zero.
  const double span = bottomAxis_->max() - bottomAxis_->min();
  // Before the chart is laid out its plot area has no real width yet.
  const double plotWidth = chart()->plotArea().width();
  const double half = plotWidth > 2.0 * barWidth_ ? span * barWidth_ / plotWidth / 2.0 : span / 100.0;
  QVector<QPointF> outline;
  for (const QPointF& p : points_) {
    outline << QPointF(p.x() - half, 0.0) << QPointF(p.x() - half, p.y())
            << QPointF(p.x() + half, p.y()) << QPointF(p.x() + half, 0.0);
  }
  line_->replace(outline);
}

}  // namespace tarvex
