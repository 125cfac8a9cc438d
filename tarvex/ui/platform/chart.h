#pragma once
// A chart of one series of points over a bottom and a left axis, drawn with
// Qt Charts. The series is a line or a set of bars standing on zero, each bar
// with its label. Each axis keeps its own limits: an automatic limit follows
// the data, a manual one stays where it was set. The drawing follows the
// points and limits when control returns to the event loop.

#include <QChartView>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include "tarvex/ui/platform/chart_axis.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace tarvex {

class Chart : public QChartView {
  Q_OBJECT

 public:
  enum class Kind { Line, Bar };

  Chart(Kind kind, const QString& bottomTitle, const QString& leftTitle, QWidget* parent = nullptr);

  ChartAxis& Bottom() { return bottom_; }
  ChartAxis& Left() { return left_; }
  const ChartAxis& Bottom() const { return bottom_; }
  const ChartAxis& Left() const { return left_; }

  void AddPoint(double x, double y, const QString& label = {});
  void Clear();
  int Count() const { return static_cast<int>(points_.size()); }
  QPointF Point(int i) const { return points_[i]; }
  QString Label(int i) const { return labels_[i]; }

  void SetColor(const QColor& color);
  void SetPenWidth(int width);
  void SetBarWidth(int pixels) { barWidth_ = pixels; }

  // Draws the points and limits now (otherwise done on return to the event loop).
  void Refresh();

 private:
  void ScheduleRefresh() { refresh_.start(); }

  Kind kind_;
  ChartAxis bottom_, left_;
  QVector<QPointF> points_;
  QStringList labels_;
  QValueAxis* bottomAxis_;
  QValueAxis* leftAxis_;
  QLineSeries* line_;
  QAreaSeries* bars_ = nullptr;
  int barWidth_ = 6;
  QTimer refresh_;
};

}  // namespace tarvex
