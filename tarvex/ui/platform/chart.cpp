#include "tarvex/ui/platform/chart.h"

#include <QAreaSeries>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tarvex {
namespace {

// Puts SCALE on AXIS. A shown axis lays out every tick of each state it
// passes through, and a new range under the old step (or the old range under
// the new step) can hold millions of them; a fixed handful of ticks stands in
// while the range and step change.
void SetScale(QValueAxis* axis, const AxisScale& scale) {
  axis->setTickType(QValueAxis::TicksFixed);
  axis->setRange(scale.Minimum, scale.Maximum);
  axis->setTickAnchor(scale.TickAnchor);
  axis->setTickInterval(scale.TickStep);
  axis->setTickType(QValueAxis::TicksDynamic);
}

// The outline of bars of half-width HALF standing on zero at POINTS. Where
// bars overlap (neighbouring years on a long axis) the outline takes the
// taller one, so that no bar cuts a hole into another when the area is
// filled.
QVector<QPointF> BarsOutline(const QVector<QPointF>& points, double half) {
  std::vector<double> edges;
  for (const QPointF& p : points) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
    edges.push_back(p.x() - half);
    edges.push_back(p.x() + half);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  QVector<QPointF> outline;
  if (edges.empty()) return outline;
  outline << QPointF(edges.front(), 0.0);
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const double from = edges[i], to = edges[i + 1];
    std::optional<double> height;
    for (const QPointF& p : points) {
      if (p.x() - half <= from && p.x() + half >= to && std::isfinite(p.y())) {
        height = height ? std::max(*height, p.y()) : p.y();
      }
    }
    outline << QPointF(from, height.value_or(0.0)) << QPointF(to, height.value_or(0.0));
  }
  outline << QPointF(edges.back(), 0.0);
  return outline;
}

}  // namespace

Chart::Chart(Kind kind, const QString& bottomTitle, const QString& leftTitle, QWidget* parent)
    // The view owns the chart it is built with; a chart set later would leave
    // the view's first chart to its caller.
    : QChartView(new QChart, parent),
      kind_(kind),
      bottomAxis_(new QValueAxis(this)),
      leftAxis_(new QValueAxis(this)),
      line_(new QLineSeries(this)) {
  bottom_.Title = bottomTitle;
  left_.Title = leftTitle;
  QChart* chart = this->chart();
  chart->legend()->hide();
  // The plot takes the whole view, so that small charts keep their titles.
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setMargins(QMargins(6, 6, 12, 6));
  chart->setBackgroundRoundness(0);
  // Years and ages are labelled as whole numbers.
  bottomAxis_->setLabelFormat("%.0f");
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

void Chart::Refresh() {
  refresh_.stop();
  double xMin = 0.0, xMax = 1.0, yMin = 0.0, yMax = 1.0;
  bool any = false;
  for (const QPointF& p : points_) {
    // A value that is not finite has no place on an axis.
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
    xMin = any ? std::min(xMin, p.x()) : p.x();
    xMax = any ? std::max(xMax, p.x()) : p.x();
    yMin = any ? std::min(yMin, p.y()) : p.y();
    yMax = any ? std::max(yMax, p.y()) : p.y();
    any = true;
  }
  if (kind_ == Kind::Bar) yMin = std::min(yMin, 0.0);
  // Whole years and ages at round steps, as many as have room for their
  // labels; round values up the left axis.
  const QRectF plot = chart()->plotArea();
  const double columns = plot.width() > 0 ? std::clamp(plot.width() / 60.0, 2.0, 8.0) : 8.0;
  const double rows = plot.height() > 0 ? std::clamp(plot.height() / 30.0, 2.0, 8.0) : 5.0;
  // Bars at either end of the years are drawn whole, and the highest point
  // lies below the top edge, where it would lose half its pen.
  const double barRoom = kind_ == Kind::Bar && any ? barWidth_ / 2.0 + 2.0 : 0.0;
  const double topRoom = any ? 4.0 : 0.0;
  SetScale(bottomAxis_,
           ScaleAxis(bottom_, xMin, xMax, columns, 1.0, {barRoom, barRoom, plot.width()}));
  SetScale(leftAxis_, ScaleAxis(left_, yMin, yMax, rows, 0.0, {0.0, topRoom, plot.height()}));
  bottomAxis_->setTitleText(bottom_.Title);
  leftAxis_->setTitleText(left_.Title);
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
  const double half =
      plotWidth > 2.0 * barWidth_ ? span * barWidth_ / plotWidth / 2.0 : span / 100.0;
  line_->replace(BarsOutline(points_, half));
}

}  // namespace tarvex
