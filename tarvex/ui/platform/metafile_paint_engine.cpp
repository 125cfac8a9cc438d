#include "tarvex/ui/platform/metafile_paint_engine.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QTextItem>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/metafile_records.h"

namespace tarvex {
namespace {

// Coordinates are written in sixteenths of a device pixel, so that lines run
// through the points where the painter put them rather than through the
// nearest whole pixels; the world transform written first scales them back
// to pixels. Sixteen is a power of two, so a reader's pixels are exact.
constexpr int kUnitsPerPixel = 16;

std::int32_t Coordinate(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<std::int32_t>(
      std::lround(std::clamp(v, double{INT_MIN / 2}, double{INT_MAX / 2})));
}

// A length or coordinate in device pixels, in the metafile's units.
std::int32_t Units(double pixels) { return Coordinate(pixels * kUnitsPerPixel); }

QPoint Logical(QPointF p) { return QPoint(Units(p.x()), Units(p.y())); }

QPolygon Logical(const QPolygonF& polygon) {
  QPolygon logical;
  logical.reserve(polygon.size());
  for (QPointF p : polygon) logical << Logical(p);
  return logical;
}

// The smallest rectangle of whole metafile units that holds PIXELS.
QRect Logical(const QRectF& pixels) {
  return QRectF(pixels.topLeft() * kUnitsPerPixel, pixels.size() * kUnitsPerPixel).toAlignedRect();
}

std::vector<U_POINTL> Points(const QPolygon& logical) {
  std::vector<U_POINTL> points;
  points.reserve(static_cast<std::size_t>(logical.size()));
  for (QPoint p : logical) points.push_back(U_POINTL{p.x(), p.y()});
  return points;
}

U_RECTL Rectangle(const QRect& r) { return U_RECTL{r.left(), r.top(), r.right(), r.bottom()}; }

// The bounds a drawing record holds: the device pixels that LOGICAL, an
// inclusive rectangle of metafile units, touches, widened by MARGIN pixels.
U_RECTL DeviceBounds(const QRect& logical, int margin) {
  const auto below = [](int units) {
    return static_cast<std::int32_t>(std::floor(static_cast<double>(units) / kUnitsPerPixel));
  };
  const auto above = [](int units) {
    return static_cast<std::int32_t>(std::ceil(static_cast<double>(units) / kUnitsPerPixel));
  };
  return U_RECTL{below(logical.left()) - margin, below(logical.top()) - margin,
                 above(logical.right()) + margin, above(logical.bottom()) + margin};
}

U_COLORREF ColorRef(const QColor& color) {
  const QColor rgb = color.toRgb();
  return colorref3_set(static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()),
                       static_cast<uint8_t>(rgb.blue()));
}

// The colour a brush paints with: its own, or a gradient's first stop.
QColor BrushColor(const QBrush& brush) {
  const QGradient* gradient = brush.gradient();
  if (gradient != nullptr && !gradient->stops().isEmpty()) return gradient->stops().front().second;
  return brush.color();
}

bool Paints(const QPen& pen) { return pen.style() != Qt::NoPen && pen.color().alpha() != 0; }
bool Paints(const QBrush& brush) {
  return brush.style() != Qt::NoBrush && BrushColor(brush).alpha() != 0;
}

std::uint32_t PenCap(Qt::PenCapStyle cap) {
  switch (cap) {
    case Qt::FlatCap:
      return U_PS_ENDCAP_FLAT;
    case Qt::RoundCap:
      return U_PS_ENDCAP_ROUND;
    default:
      return U_PS_ENDCAP_SQUARE;
  }
}

std::uint32_t PenJoin(Qt::PenJoinStyle join) {
  switch (join) {
    case Qt::RoundJoin:
      return U_PS_JOIN_ROUND;
    case Qt::BevelJoin:
      return U_PS_JOIN_BEVEL;
    default:
      return U_PS_JOIN_MITER;
  }
}

std::uint32_t PenStyle(Qt::PenStyle style) {
  switch (style) {
    case Qt::NoPen:
      return U_PS_NULL;
    case Qt::DashLine:
      return U_PS_DASH;
    case Qt::DotLine:
      return U_PS_DOT;
    case Qt::DashDotLine:
      return U_PS_DASHDOT;
    case Qt::DashDotDotLine:
      return U_PS_DASHDOTDOT;
    default:
      return U_PS_SOLID;
  }
}

// How much TRANSFORM enlarges lengths.
double Scale(const QTransform& transform) { return std::sqrt(std::abs(transform.determinant())); }

// A metafile pen of the painter's pen: its width in metafile units, at least
// a device pixel, its caps and joins.
struct GeometricPen {
  std::uint32_t style;
  std::uint32_t width;
  U_COLORREF color;
  QString Key() const {
    return QString("%1 %2 %3 %4 %5")
        .arg(style)
        .arg(width)
        .arg(color.Red)
        .arg(color.Green)
        .arg(color.Blue);
  }
};

GeometricPen GeometricPenOf(const QPen& pen, const QTransform& transform) {
  const double width = pen.isCosmetic() ? pen.widthF() : pen.widthF() * Scale(transform);
  const std::uint32_t line = Paints(pen) ? PenStyle(pen.style()) : U_PS_NULL;
  return {U_PS_GEOMETRIC | line | PenCap(pen.capStyle()) | PenJoin(pen.joinStyle()),
          static_cast<std::uint32_t>(std::max(kUnitsPerPixel, Units(width))),
          ColorRef(pen.color())};
}

// Whether P is the outline of an axis-aligned rectangle, closed or not.
bool IsRectangle(const QPolygon& p) {
  qsizetype n = p.size();
  if (n == 5 && p[4] == p[0]) n = 4;
  if (n != 4) return false;
  const bool horizontalFirst =
      p[0].y() == p[1].y() && p[1].x() == p[2].x() && p[2].y() == p[3].y() && p[3].x() == p[0].x();
  const bool verticalFirst =
      p[0].x() == p[1].x() && p[1].y() == p[2].y() && p[2].x() == p[3].x() && p[3].y() == p[0].y();
  return horizontalFirst || verticalFirst;
}

// Whether every edge of the closed outline P runs across or down.
bool IsRectilinear(const QPolygon& p) {
  for (qsizetype i = 0; i < p.size(); ++i) {
    const QPoint a = p[i];
    const QPoint b = p[(i + 1) % p.size()];
    if (a.x() != b.x() && a.y() != b.y()) return false;
  }
  return true;
}

// The rectangles that make up the area of the rectilinear outline P, in
// columns, so that bars standing side by side come out one rectangle each.
// Each rectangle holds its right and bottom edges, as a rectangle record
// drawn without a pen fills them.
QList<QRect> Columns(const QPolygon& p, Qt::FillRule rule) {
  const QTransform swap(0, 1, 1, 0, 0, 0);
  QList<QRect> columns;
  for (const QRect& r : QRegion(swap.map(p), rule)) columns << swap.mapRect(r).adjusted(0, 0, 1, 1);
  return columns;
}

}  // namespace

MetafilePaintEngine::MetafilePaintEngine(QSize pixels, int dotsPerInch)
    : QPaintEngine(AllFeatures & ~(PerspectiveTransform | PorterDuff | BlendModes | RasterOpModes)),
      pixels_(pixels),
      dotsPerInch_(dotsPerInch) {}

MetafilePaintEngine::~MetafilePaintEngine() = default;

bool MetafilePaintEngine::begin(QPaintDevice*) {
  bytes_.clear();
  failed_ = false;
  try {
    records_ = std::make_unique<MetafileRecords>(pixels_.width(), pixels_.height(), dotsPerInch_);
  } catch (const TarvexError&) {
    failed_ = true;
    return false;
  }
  penSelected_ = brushSelected_ = fontSelected_ = {};
  textColor_ = QColor();
  fillMode_ = 0;
  clipChanged_ = false;
  clip_ = writtenClip_ = std::nullopt;
  polyline_.clear();
  // A page unit is a device pixel; the world transform makes the units of
  // the records sixteenths of one.
  Emit(U_EMRSETMAPMODE_set(U_MM_TEXT));
  constexpr U_FLOAT kPixelsPerUnit = 1.0F / kUnitsPerPixel;
  Emit(U_EMRSETWORLDTRANSFORM_set(U_XFORM{kPixelsPerUnit, 0.0F, 0.0F, kPixelsPerUnit, 0.0F, 0.0F}));
  // Text stands on its baseline and is drawn without a background box.
  Emit(U_EMRSETBKMODE_set(U_TRANSPARENT));
  Emit(U_EMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT | U_TA_NOUPDATECP));
  // The state without a clip, restored whenever the clip changes.
  Emit(U_EMRSAVEDC_set());
  return true;
}

bool MetafilePaintEngine::end() {
  if (records_ == nullptr) return false;
  FlushPolyline();
  Emit(U_EMRRESTOREDC_set(-1));
  ReleaseObjects();
  try {
    if (!failed_) bytes_ = records_->Finish();
  } catch (const TarvexError&) {
    failed_ = true;
  }
  records_.reset();
  return !failed_;
}

std::string MetafilePaintEngine::Bytes() const {
  if (failed_ || bytes_.empty()) throw TarvexError("The metafile could not be made");
  return bytes_;
}

void MetafilePaintEngine::Emit(char* record) {
  if (records_ == nullptr || failed_) {
    std::free(record);
    return;
  }
  try {
    records_->Add(record);
  } catch (const TarvexError&) {
    failed_ = true;
  }
}

void MetafilePaintEngine::updateState(const QPaintEngineState& state) {
  const DirtyFlags dirty = state.state();
  if (dirty & DirtyPen) pen_ = state.pen();
  if (dirty & DirtyBrush) brush_ = state.brush();
  if (dirty & DirtyTransform) transform_ = state.transform();
  if (dirty & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) clipChanged_ = true;
}

// The painter's clip, in metafile units, for a drawing that covers BOUNDS:
// none when the drawing lies inside it, edges included.
std::optional<QRect> MetafilePaintEngine::NeededClip(const QRect& bounds) {
  if (clipChanged_) {
    clipChanged_ = false;
    clip_ = std::nullopt;
    const QPainter* p = painter();
    if (p != nullptr && p->hasClipping()) {
      clip_ = Logical(p->combinedTransform().mapRect(p->clipBoundingRect()));
    }
  }
  if (!clip_ || clip_->adjusted(0, 0, 1, 1).contains(bounds)) return std::nullopt;
  return clip_;
}

// Writes the clip that a drawing covering BOUNDS needs, when the file holds
// another: the device goes back to its state without a clip and takes the
// new one.
void MetafilePaintEngine::UseClip(const QRect& bounds) {
  const std::optional<QRect> clip = NeededClip(bounds);
  if (clip == writtenClip_) return;
  writtenClip_ = clip;
  Emit(U_EMRRESTOREDC_set(-1));
  Emit(U_EMRSAVEDC_set());
  // The restore deselected every object; they are selected again when used.
  penSelected_.key.clear();
  brushSelected_.key.clear();
  fontSelected_.key.clear();
  textColor_ = QColor();
  fillMode_ = 0;
  if (clip) Emit(U_EMRINTERSECTCLIPRECT_set(Rectangle(*clip)));
}

template <class Make>
void MetafilePaintEngine::Select(Selected& selected, const QString& key, Make make) {
  if (selected.key == key) return;
  std::uint32_t handle = 0;
  Emit(make(&handle));
  Emit(selectobject_set(handle, records_->Handles()));
  if (selected.handle != 0) {
    Emit(deleteobject_set(&selected.handle, records_->Handles()));
  }
  selected = {handle, key};
}

void MetafilePaintEngine::ReleaseObjects() {
  for (Selected* selected : {&penSelected_, &brushSelected_, &fontSelected_}) {
    if (selected->handle != 0) Emit(deleteobject_set(&selected->handle, records_->Handles()));
    *selected = {};
  }
}

void MetafilePaintEngine::UsePen() {
  const GeometricPen pen = GeometricPenOf(pen_, transform_);
  Select(penSelected_, pen.Key(), [&](std::uint32_t* handle) {
    PU_EXTLOGPEN logpen = extlogpen_set(pen.style, pen.width, U_BS_SOLID, pen.color, 0, 0, nullptr);
    char* record = logpen == nullptr
                       ? nullptr
                       : extcreatepen_set(handle, records_->Handles(), nullptr, 0, nullptr, logpen);
    std::free(logpen);
    return record;
  });
}

void MetafilePaintEngine::UseBrush(const QBrush& brush) {
  const bool paints = Paints(brush);
  const QColor color = BrushColor(brush);
  const QString key = paints ? QString::number(color.rgb()) : QString("none");
  Select(brushSelected_, key, [&](std::uint32_t* handle) {
    return createbrushindirect_set(
        handle, records_->Handles(),
        logbrush_set(paints ? U_BS_SOLID : U_BS_NULL, ColorRef(color), 0));
  });
}

void MetafilePaintEngine::UseFont(const QFont& font, int height, int escapement) {
  // The family the text is shown in, not the name asked for ("Sans Serif").
  const QString family = QFontInfo(font).family().left(U_LF_FACESIZE - 1);
  const QString key = QString("%1 %2 %3 %4 %5 %6 %7")
                          .arg(family)
                          .arg(height)
                          .arg(escapement)
                          .arg(font.weight())
                          .arg(font.italic())
                          .arg(font.underline())
                          .arg(font.strikeOut());
  Select(fontSelected_, key, [&](std::uint32_t* handle) {
    std::u16string face(reinterpret_cast<const char16_t*>(family.utf16()),
                        static_cast<std::size_t>(family.size()));
    face.resize(U_LF_FACESIZE, u'\0');
    const U_LOGFONT logfont =
        logfont_set(-height, 0, escapement, escapement, static_cast<int32_t>(font.weight()),
                    font.italic() ? 1 : 0, font.underline() ? 1 : 0, font.strikeOut() ? 1 : 0,
                    U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                    U_DEFAULT_QUALITY, U_DEFAULT_PITCH, reinterpret_cast<uint16_t*>(face.data()));
    return extcreatefontindirectw_set(handle, records_->Handles(),
                                      reinterpret_cast<const char*>(&logfont), nullptr);
  });
}

void MetafilePaintEngine::UseTextColor(const QColor& color) {
  if (color.rgb() == textColor_.rgb() && textColor_.isValid()) return;
  textColor_ = color;
  Emit(U_EMRSETTEXTCOLOR_set(ColorRef(color)));
}

void MetafilePaintEngine::UseFillRule(Qt::FillRule rule) {
  const int mode = rule == Qt::WindingFill ? U_WINDING : U_ALTERNATE;
  if (mode == fillMode_) return;
  fillMode_ = mode;
  Emit(U_EMRSETPOLYFILLMODE_set(static_cast<uint32_t>(mode)));
}

// Continues the polyline being written when POINTS start where it ends and
// nothing else changes; otherwise starts a new one.
void MetafilePaintEngine::Stroke(const QPolygon& points) {
  if (points.size() < 2 || !Paints(pen_)) return;
  // A line along the edge of the clip is not cut: the pen's width is left out.
  const QRect bounds = points.boundingRect();
  if (!polyline_.isEmpty() && polyline_.last() == points.first() &&
      GeometricPenOf(pen_, transform_).Key() == penSelected_.key &&
      NeededClip(bounds) == writtenClip_) {
    polyline_ += points.mid(1);
    return;
  }
  FlushPolyline();
  UseClip(bounds);
  UsePen();
  polyline_ = points;
}

void MetafilePaintEngine::FlushPolyline() {
  if (polyline_.isEmpty()) return;
  const std::vector<U_POINTL> points = Points(polyline_);
  Emit(U_EMRPOLYLINE_set(DeviceBounds(polyline_.boundingRect(), 1),
                         static_cast<uint32_t>(points.size()), points.data()));
  polyline_.clear();
}

// Fills POLYGONS with the brush and outlines them with the pen: a single
// axis-aligned rectangle as a rectangle record, several as one polygon set.
void MetafilePaintEngine::Fill(const QList<QPolygon>& polygons) {
  QPolygon all;
  std::vector<uint32_t> counts;
  for (const QPolygon& polygon : polygons) {
    if (polygon.size() < 3) continue;
    all += polygon;
    counts.push_back(static_cast<uint32_t>(polygon.size()));
  }
  if (counts.empty() || (!Paints(pen_) && !Paints(brush_))) return;
  FlushPolyline();
  UseClip(all.boundingRect());
  UseBrush(brush_);
  if (counts.size() == 1 && !IsRectangle(all) && Paints(brush_) && IsRectilinear(all)) {
    // Bars and other shapes made of rectangles: the rectangles filled, then
    // the outline drawn as the painter draws it.
    const QPen pen = pen_;
    pen_ = QPen(Qt::NoPen);
    UsePen();
    for (const QRect& column : Columns(all, fillRule_)) Emit(U_EMRRECTANGLE_set(Rectangle(column)));
    pen_ = pen;
    Stroke(all << all.first());
    return;
  }
  UsePen();
  if (counts.size() == 1 && IsRectangle(all)) {
    Emit(U_EMRRECTANGLE_set(Rectangle(all.boundingRect())));
    return;
  }
  UseFillRule(fillRule_);
  const U_RECTL bounds = DeviceBounds(all.boundingRect(), 1);
  const std::vector<U_POINTL> points = Points(all);
  if (counts.size() == 1) {
    Emit(U_EMRPOLYGON_set(bounds, counts[0], points.data()));
  } else {
    Emit(U_EMRPOLYPOLYGON_set(bounds, static_cast<uint32_t>(counts.size()), counts.data(),
                              static_cast<uint32_t>(points.size()), points.data()));
  }
}

void MetafilePaintEngine::drawPath(const QPainterPath& path) {
  const QList<QPolygonF> subpaths = path.toSubpathPolygons(transform_);
  if (Paints(brush_)) {
    // Closed figures are filled and outlined at once; open ones are filled
    // without the pen and stroked as they are.
    fillRule_ = path.fillRule();
    QList<QPolygon> polygons;
    bool allClosed = true;
    for (const QPolygonF& subpath : subpaths) {
      polygons.push_back(Logical(subpath));
      allClosed = allClosed && subpath.isClosed();
    }
    if (allClosed) {
      Fill(polygons);
      return;
    }
    const QPen pen = pen_;
    pen_ = QPen(Qt::NoPen);
    Fill(polygons);
    pen_ = pen;
  }
  for (const QPolygonF& subpath : subpaths) Stroke(Logical(subpath));
}

void MetafilePaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
  QPolygonF polygon;
  for (int i = 0; i < count; ++i) polygon << transform_.map(points[i]);
  if (mode == PolylineMode) {
    Stroke(Logical(polygon));
    return;
  }
  fillRule_ = mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill;
  Fill({Logical(polygon)});
}

void MetafilePaintEngine::drawRects(const QRectF* rects, int count) {
  for (int i = 0; i < count; ++i) {
    fillRule_ = Qt::OddEvenFill;
    Fill({Logical(transform_.map(QPolygonF(rects[i])))});
  }
}

void MetafilePaintEngine::drawLines(const QLineF* lines, int count) {
  for (int i = 0; i < count; ++i) {
    Stroke(
        QPolygon{Logical(transform_.map(lines[i].p1())), Logical(transform_.map(lines[i].p2()))});
  }
}

// Text as one text record: the font at the size it is shown, turned with the
// painter's transform, each character placed at its advance.
void MetafilePaintEngine::drawTextItem(const QPointF& origin, const QTextItem& item) {
  const QString text = item.text();
  if (text.isEmpty() || !Paints(pen_)) return;
  const QFont font = item.font();
  const double scale = Scale(transform_);
  const double pixelSize =
      font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dotsPerInch_ / 72.0;
  const int height = std::max(kUnitsPerPixel, Units(pixelSize * scale));
  const double degrees = std::atan2(transform_.m12(), transform_.m11()) * 180.0 / std::numbers::pi;
  const int escapement = Coordinate(-degrees * 10.0);
  const QRect bounds = Logical(transform_.mapRect(QRectF(
      origin.x(), origin.y() - item.ascent(), item.width(), item.ascent() + item.descent())));
  FlushPolyline();
  UseClip(bounds);
  UseFont(font, height, escapement);
  UseTextColor(pen_.color());

  const QFontMetricsF metrics(font);
  std::vector<uint32_t> advances;
  double at = 0.0;
  std::int32_t placed = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    // The second half of a surrogate pair takes no room of its own.
    if (text.at(i).isLowSurrogate()) {
      advances.push_back(0);
      continue;
    }
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    at += metrics.horizontalAdvance(text.mid(i, length)) * scale;
    const std::int32_t next = Units(at);
    advances.push_back(static_cast<uint32_t>(std::max(0, next - placed)));
    placed = next;
  }
  const QPoint reference = Logical(transform_.map(origin));
  std::u16string utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                       static_cast<std::size_t>(text.size()));
  char* emrtext =
      emrtext_set(U_POINTL{reference.x(), reference.y()}, static_cast<U_NUM_STR>(utf16.size()), 2,
                  utf16.data(), U_ETO_NONE, U_RECTL{0, 0, -1, -1}, advances.data());
  if (emrtext == nullptr) {
    failed_ = true;
    return;
  }
  Emit(U_EMREXTTEXTOUTW_set(DeviceBounds(bounds, 0), U_GM_COMPATIBLE, 0.0F, 0.0F,
                            reinterpret_cast<PU_EMRTEXT>(emrtext)));
  std::free(emrtext);
}

void MetafilePaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap,
                                     const QRectF& source) {
  drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

// An image as a bitmap record of 32-bit pixels, stretched over TARGET.
void MetafilePaintEngine::drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                                    Qt::ImageConversionFlags) {
  const QImage part = image.copy(source.toAlignedRect()).convertToFormat(QImage::Format_RGBA8888);
  if (part.isNull()) return;
  const QRect box = Logical(transform_.mapRect(target));
  FlushPolyline();
  UseClip(box);
  char* pixels = nullptr;
  uint32_t size = 0;
  PU_RGBQUAD table = nullptr;
  int tableSize = 0;
  if (RGBA_to_DIB(&pixels, &size, &table, &tableSize,
                  reinterpret_cast<const char*>(part.constBits()), part.width(), part.height(),
                  static_cast<int>(part.bytesPerLine()), U_BCBM_COLOR32, 0,
                  U_ROW_ORDER_INVERT) != 0) {
    failed_ = true;
    return;
  }
  const U_BITMAPINFOHEADER header = bitmapinfoheader_set(
      part.width(), part.height(), 1, U_BCBM_COLOR32, U_BI_RGB, size, 0, 0, 0, 0);
  PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
  if (info == nullptr) {
    failed_ = true;
    std::free(pixels);
    return;
  }
  Emit(U_EMRSTRETCHDIBITS_set(DeviceBounds(box, 0), U_POINTL{box.left(), box.top()},
                              U_POINTL{box.width(), box.height()}, U_POINTL{0, 0},
                              U_POINTL{part.width(), part.height()}, U_DIB_RGB_COLORS, U_SRCCOPY,
                              info, size, pixels));
  std::free(info);
  std::free(pixels);
  std::free(table);
}

}  // namespace tarvex
