// The paint engine of MetafileDevice (metafile_device.h): turns each drawing
// call of a QPainter into enhanced-metafile records. The painter's transform
// is applied here, so the records hold device pixels, in sixteenths of a pixel
// that the metafile's world transform scales back. Pens, brushes and fonts
// become metafile objects, made when the painter's one changes. Line pieces
// that continue each other with the same pen are written as one polyline. A
// clip is written, as its bounding rectangle, only for drawings that reach
// beyond it.
#pragma once

#include <QBrush>
#include <QPaintEngine>
#include <QPen>
#include <QPolygon>
#include <QSize>
#include <QTransform>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarvex {

class MetafileRecords;

class MetafilePaintEngine : public QPaintEngine {
 public:
  MetafilePaintEngine(QSize pixels, int dotsPerInch);
  ~MetafilePaintEngine() override;

  bool begin(QPaintDevice* device) override;
  bool end() override;
  void updateState(const QPaintEngineState& state) override;
  void drawPath(const QPainterPath& path) override;
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
  void drawRects(const QRectF* rects, int count) override;
  void drawLines(const QLineF* lines, int count) override;
  void drawTextItem(const QPointF& origin, const QTextItem& item) override;
  void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
  void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override;
  Type type() const override { return QPaintEngine::User; }

  // The metafile of the last painting that ended; TarvexError when it could
  // not be made.
  std::string Bytes() const;

 private:
  // A metafile object selected into the device and the key it was made for.
  struct Selected {
    std::uint32_t handle = 0;
    QString key;
  };

  // Points and rectangles are in metafile units, sixteenths of a device pixel.
  void Stroke(const QPolygon& points);
  void FlushPolyline();
  void Fill(const QList<QPolygon>& polygons);
  void UsePen();
  void UseBrush(const QBrush& brush);
  void UseFont(const QFont& font, int height, int escapement);
  void UseTextColor(const QColor& color);
  void UseFillRule(Qt::FillRule rule);
  template <class Make>
  void Select(Selected& selected, const QString& key, Make make);
  void ReleaseObjects();
  std::optional<QRect> NeededClip(const QRect& bounds);
  void UseClip(const QRect& bounds);
  void Emit(char* record);

  QSize pixels_;
  int dotsPerInch_;
  std::unique_ptr<MetafileRecords> records_;
  std::string bytes_;
  bool failed_ = false;

  QPen pen_;
  QBrush brush_;
  QTransform transform_;
  Qt::FillRule fillRule_ = Qt::OddEvenFill;
  bool clipChanged_ = false;
  std::optional<QRect> clip_, writtenClip_;
  QPolygon polyline_;

  Selected penSelected_, brushSelected_, fontSelected_;
  QColor textColor_;
  int fillMode_ = 0;
};

}  // namespace tarvex
