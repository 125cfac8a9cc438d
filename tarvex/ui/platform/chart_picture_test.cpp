// The chart picture writers: a bitmap that reads back as the rendered chart,
// and an enhanced metafile of vector records, read back through an
// independent converter (emf2svg-conv) as SVG.
#include <QAreaSeries>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "tarvex/data/atomic_file.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/chart_picture.h"
#include "tarvex/ui/platform/metafile_device.h"
#include "testing/test_folder.h"

using namespace tarvex;

namespace {

// What an SVG file holds, as far as the tests look at it, in the pixels of
// the picture: the transforms of the groups around each element applied.
struct Svg {
  struct Text {
    QString text, fill;
    double fontSize;
  };
  struct Path {
    QString stroke;
    QList<QPointF> points;
  };
  struct Rect {
    QString fill;
    QRectF rect;
  };
  QSizeF size;
  QList<Text> texts;
  QList<Path> paths;
  QList<Rect> rects;
  QList<QImage> images;

  QList<Path> PathsIn(const QColor& color) const {
    QList<Path> found;
    for (const Path& p : paths) {
      if (p.stroke.compare(color.name(), Qt::CaseInsensitive) == 0) found << p;
    }
    return found;
  }
  QList<QRectF> RectsIn(const QColor& color) const {
    QList<QRectF> found;
    for (const Rect& r : rects) {
      if (r.fill.compare(color.name(), Qt::CaseInsensitive) == 0) found << r.rect;
    }
    return found;
  }
};

double Number(const QXmlStreamAttributes& attributes, const QString& name) {
  return attributes.value(name).toDouble();
}

QList<double> Numbers(const QString& text) {
  static const QRegularExpression number("-?[0-9.]+");
  QList<double> values;
  for (const auto& m : number.globalMatch(text)) values << m.captured().toDouble();
  return values;
}

// The transform of a group: "matrix(a b c d e f)" or "translate(x, y)".
QTransform GroupTransform(const QString& transform) {
  const QList<double> v = Numbers(transform);
  if (transform.startsWith("matrix") && v.size() == 6) {
    return QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
  }
  if (transform.startsWith("translate") && v.size() == 2) {
    return QTransform::fromTranslate(v[0], v[1]);
  }
  return {};
}

// Converts the metafile EMF with emf2svg-conv and reads the SVG it writes.
Svg ReadThroughConverter(const QString& emf) {
  const QString svgFile = emf + ".svg";
  QProcess converter;
  converter.start("emf2svg-conv", {"-i", emf, "-o", svgFile});
  if (!converter.waitForFinished() || converter.exitCode() != 0) {
    qWarning("emf2svg-conv failed: %s", converter.readAllStandardError().constData());
    return {};
  }
  QFile file(svgFile);
  if (!file.open(QIODevice::ReadOnly)) return {};
  Svg svg;
  QXmlStreamReader xml(&file);
  QList<QTransform> groups{QTransform()};
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement && xml.name() == u"g") groups.pop_back();
    if (token != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = xml.attributes();
    const QTransform& around = groups.back();
    if (xml.name() == u"svg") {
      svg.size = QSizeF(Number(a, "width"), Number(a, "height"));
    } else if (xml.name() == u"g") {
      groups << GroupTransform(a.value("transform").toString()) * around;
    } else if (xml.name() == u"text") {
      const QString fill = a.value("fill").toString();
      const double size = Number(a, "font-size") * std::sqrt(std::abs(around.determinant()));
      svg.texts << Svg::Text{xml.readElementText(), fill, size};
    } else if (xml.name() == u"path") {
      Svg::Path path{a.value("stroke").toString(), {}};
      const QList<double> values = Numbers(a.value("d").toString());
      for (qsizetype i = 0; i + 1 < values.size(); i += 2)
        path.points << around.map(QPointF(values[i], values[i + 1]));
      svg.paths << path;
    } else if (xml.name() == u"rect") {
      svg.rects << Svg::Rect{a.value("fill").toString(),
                             around.mapRect(QRectF(Number(a, "x"), Number(a, "y"),
                                                   Number(a, "width"), Number(a, "height")))};
    } else if (xml.name() == u"image") {
      const QString data = a.value("xlink:href").toString();
      svg.images << QImage::fromData(QByteArray::fromBase64(data.section(',', 1).toLatin1()));
    }
  }
  if (xml.hasError()) {
    qWarning("%s: %s", qPrintable(svgFile), qPrintable(xml.errorString()));
    return {};
  }
  return svg;
}

bool Near(QPointF a, QPointF b, double pixels = 1.0) {
  return std::abs(a.x() - b.x()) <= pixels && std::abs(a.y() - b.y()) <= pixels;
}

// How far P lies from the straight line through A and B.
double DistanceFromLine(QPointF p, QPointF a, QPointF b) {
  const QPointF along = b - a;
  const QPointF off = p - a;
  return std::abs(along.x() * off.y() - along.y() * off.x()) / std::hypot(along.x(), along.y());
}

QString Describe(const QList<QPointF>& points) {
  QStringList parts;
  for (QPointF p : points) parts << QString("(%1,%2)").arg(p.x()).arg(p.y());
  return parts.join(' ');
}

// A chart of the workbench at a fixed size, laid out and drawn.
class ChartFixture {
 public:
  ChartFixture(Chart::Kind kind, const QString& bottomTitle, const QString& leftTitle)
      : chart(kind, bottomTitle, leftTitle) {
    chart.resize(321, 203);  // odd width: bitmap rows need padding
    chart.SetPenWidth(2);
    if (kind == Chart::Kind::Bar) {
      chart.SetBarWidth(20);
      chart.SetColor(QColor(128, 0, 0));
    }
    chart.show();
  }
  // Lays the chart out at its size and draws the points.
  void Draw() {
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.Refresh();
    QCoreApplication::processEvents();
    chart.Refresh();
  }
  QColor SeriesColor() const {
    if (const auto* bars = qobject_cast<const QAreaSeries*>(Series())) return bars->brush().color();
    return qobject_cast<const QLineSeries*>(Series())->pen().color();
  }
  // Where the chart shows the value POINT, in the view's pixels.
  QPointF Shown(QPointF point) const {
    return chart.viewportTransform().map(chart.chart()->mapToPosition(point, Series()));
  }
  // The labels and titles the chart shows.
  QList<const QGraphicsTextItem*> Texts() const {
    QList<const QGraphicsTextItem*> texts;
    for (const QGraphicsItem* item : chart.scene()->items()) {
      const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
      if (text != nullptr && text->isVisible() && !text->toPlainText().isEmpty()) texts << text;
    }
    return texts;
  }
  Svg Metafile(const QString& path) {
    SaveToMetafileEnh(chart, path.toStdString());
    return ReadThroughConverter(path);
  }
  QImage Rendering() { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  Chart chart;

 private:
  QAbstractSeries* Series() const { return chart.chart()->series().front(); }
};

}  // namespace

class ChartPictureTest : public QObject {
  Q_OBJECT

 private:
  // The path of NAME in the test's scratch folder.
  QString File(const char* name) const { return QString::fromStdString(folder_.file(name)); }

  const TestFolder folder_;

 private slots:
  void bitmapReadsBackAsTheChart() {
    ChartFixture fixture(Chart::Kind::Line, "year", "N uptake (eq/m2)");
    for (int year = 2000; year <= 2010; ++year)
      fixture.chart.AddPoint(year, (year - 2000) * (year - 2000));
    fixture.Draw();
    const QString path = File("graph.bmp");
    SaveToBitmapFile(fixture.chart, path.toStdString());
    QImage read(path, "BMP");
    QVERIFY(!read.isNull());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), fixture.Rendering());
  }

  // Every title and tick label as text in its font size and colour, and the
  // series as one polyline through the plotted values.
  void resultChartReadsBackAsTextAndAPolyline() {
    ChartFixture fixture(Chart::Kind::Line, "year", "N uptake (eq/m2)");
    QList<QPointF> values;
    for (int year = 2000; year <= 2010; ++year)
      values << QPointF(year, 0.25 * (year - 2000) * (year - 2000));
    for (QPointF v : values) fixture.chart.AddPoint(v.x(), v.y());
    fixture.Draw();
    const Svg svg = fixture.Metafile(File("results.emf"));

    const QList<const QGraphicsTextItem*> shown = fixture.Texts();
    QVERIFY(shown.size() >= 6);  // two titles and at least two labels per axis
    for (const QGraphicsTextItem* item : shown) {
      const QString text = item->toPlainText();
      const auto written = std::find_if(svg.texts.begin(), svg.texts.end(),
                                        [&](const Svg::Text& t) { return t.text == text; });
      QVERIFY2(written != svg.texts.end(), qPrintable(text));
      const QFont font = item->font();
      const double pixels = font.pixelSize() > 0
                                ? font.pixelSize()
                                : font.pointSizeF() * fixture.chart.logicalDpiY() / 72.0;
      QVERIFY2(std::abs(written->fontSize - pixels) <= 0.5, qPrintable(text));
      QCOMPARE(written->fill.toLower(), item->defaultTextColor().name());
    }

    const QList<Svg::Path> series = svg.PathsIn(fixture.SeriesColor());
    QCOMPARE(series.size(), 1);
    const QList<QPointF>& points = series.front().points;
    QVERIFY2(points.size() == values.size(), qPrintable(Describe(points)));
    for (qsizetype i = 0; i < values.size(); ++i) {
      QVERIFY2(Near(points[i], fixture.Shown(values[i])), qPrintable(Describe(points)));
    }
  }

  // A straight series is written between the whole pixels: its points lie
  // on one line, where the chart shows them, and the picture keeps the
  // size of the view (the converter measures the inclusive bounds).
  void straightSeriesStaysStraight() {
    ChartFixture fixture(Chart::Kind::Line, "year", "Carbon input (g/m2)");
    QList<QPointF> values;
    for (int year = 2000; year <= 2030; ++year) values << QPointF(year, 0.7 * (year - 2000));
    for (QPointF v : values) fixture.chart.AddPoint(v.x(), v.y());
    fixture.Draw();
    const Svg svg = fixture.Metafile(File("straight.emf"));

    const QSize shown = fixture.chart.viewport()->size();
    QVERIFY(std::abs(svg.size.width() - shown.width()) <= 1);
    QVERIFY(std::abs(svg.size.height() - shown.height()) <= 1);
    const QList<Svg::Path> series = svg.PathsIn(fixture.SeriesColor());
    QCOMPARE(series.size(), 1);
    const QList<QPointF>& points = series.front().points;
    QVERIFY2(points.size() == values.size(), qPrintable(Describe(points)));
    for (qsizetype i = 0; i < values.size(); ++i) {
      const QString at = QString("point %1 of %2").arg(i).arg(Describe(points));
      QVERIFY2(DistanceFromLine(points[i], points.front(), points.back()) <= 0.1, qPrintable(at));
      QVERIFY2(Near(points[i], fixture.Shown(values[i]), 0.1), qPrintable(at));
    }
  }

  // The management bars as rectangles from zero to their values.
  void managementChartReadsBackAsRectangles() {
    ChartFixture fixture(Chart::Kind::Bar, "Year", "percentage");
    const QList<QPointF> actions{{2000, 100}, {2020, 30}, {2040, 50}};
    for (QPointF a : actions) fixture.chart.AddPoint(a.x(), a.y());
    fixture.Draw();
    const Svg svg = fixture.Metafile(File("management.emf"));
    const QList<QRectF> bars = svg.RectsIn(QColor(128, 0, 0));
    QCOMPARE(bars.size(), actions.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const QPointF top = fixture.Shown(actions[i]);
      const QPointF foot = fixture.Shown(QPointF(actions[i].x(), 0));
      QVERIFY(Near(QPointF(bars[i].center().x(), bars[i].top()), top));
      QVERIFY(Near(QPointF(bars[i].center().x(), bars[i].bottom()), foot));
      QVERIFY(std::abs(bars[i].width() - 20) <= 1);
    }
    for (const QString title : {"Year", "percentage"}) {
      QVERIFY(std::any_of(svg.texts.begin(), svg.texts.end(),
                          [&](const Svg::Text& t) { return t.text == title; }));
    }
  }

  // Without points or with one, the axes are written and the series draws
  // what the screen shows: nothing, or a single bar.
  void chartsWithoutPointsOrWithOne_data() {
    QTest::addColumn<bool>("bars");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("shapes");
    QTest::newRow("line, no point") << false << 0 << 0;
    QTest::newRow("line, one point") << false << 1 << 0;
    QTest::newRow("bars, no point") << true << 0 << 0;
    QTest::newRow("bars, one point") << true << 1 << 1;
  }
  void chartsWithoutPointsOrWithOne() {
    QFETCH(bool, bars);
    QFETCH(int, points);
    QFETCH(int, shapes);
    ChartFixture fixture(bars ? Chart::Kind::Bar : Chart::Kind::Line, "year",
                         "Carbon input (g/m2)");
    if (points == 1) fixture.chart.AddPoint(2005, 3.5);
    fixture.Draw();
    const Svg svg = fixture.Metafile(File("sparse.emf"));
    const qsizetype drawn = bars ? svg.RectsIn(fixture.SeriesColor()).size()
                                 : svg.PathsIn(fixture.SeriesColor()).size();
    QCOMPARE(drawn, qsizetype(shapes));
    for (const QGraphicsTextItem* item : fixture.Texts()) {
      const QString text = item->toPlainText();
      QVERIFY2(std::any_of(svg.texts.begin(), svg.texts.end(),
                           [&](const Svg::Text& t) { return t.text == text; }),
               qPrintable(text));
    }
  }

  // A picture drawn on the device becomes a bitmap record, upright and in
  // its colours.
  void imagesBecomeBitmapRecords() {
    MetafileDevice device(QSize(40, 30), 96);
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    for (int x = 0; x < 8; ++x) image.setPixelColor(x, 0, QColor(10, 40, 200));
    QPainter painter(&device);
    painter.drawImage(QRect(5, 5, 16, 12), image);
    QVERIFY(painter.end());
    const QString path = File("image.emf");
    SaveFileAtomically(path.toStdString(), device.Bytes());
    const QList<QImage> images = ReadThroughConverter(path).images;
    QCOMPARE(images.size(), 1);
    const QImage& read = images.front();
    QVERIFY(!read.isNull());
    QCOMPARE(read.pixelColor(read.width() / 2, 0).rgb(), QColor(10, 40, 200).rgb());
    QCOMPARE(read.pixelColor(read.width() / 2, read.height() - 1).rgb(), QColor(200, 40, 10).rgb());
  }

  void failedSaveNamesTheFileAndKeepsTheOldOne() {
    ChartFixture fixture(Chart::Kind::Line, "year", "N uptake (eq/m2)");
    fixture.Draw();
    const QString path = File("missing folder/graph.emf");
    try {
      SaveToMetafileEnh(fixture.chart, path.toStdString());
      QFAIL("saved into a folder that does not exist");
    } catch (const TarvexError& error) {
      QVERIFY(QString(error.what()).contains(path));
    }
    // A folder in the place of the target is refused and stays.
    QVERIFY(QDir().mkdir(File("taken.bmp")));
    QVERIFY_THROWS_EXCEPTION(TarvexError,
                             SaveToBitmapFile(fixture.chart, File("taken.bmp").toStdString()));
    QVERIFY(QFileInfo(File("taken.bmp")).isDir());
  }
};

QTEST_MAIN(ChartPictureTest)
#include "chart_picture_test.moc"
