// The chart picture writers: a bitmap that reads back as the rendered chart,
// and an enhanced metafile whose records are parsed back here from their
// published layout.
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdint>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/chart_picture.h"
#include "tarvex/ui/enhanced_metafile.h"

using namespace tarvex;

namespace {

// Little-endian fields of a byte block, read with bounds checks.
class Reader {
 public:
  explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
  std::uint32_t U32(qsizetype at) const { return Field(at, 4); }
  std::int32_t I32(qsizetype at) const { return static_cast<std::int32_t>(Field(at, 4)); }
  std::uint16_t U16(qsizetype at) const { return static_cast<std::uint16_t>(Field(at, 2)); }
  unsigned char Byte(qsizetype at) const { return static_cast<unsigned char>(Field(at, 1)); }

 private:
  std::uint32_t Field(qsizetype at, int n) const {
    if (at < 0 || at + n > bytes_.size()) qFatal("field at %lld lies outside the file", static_cast<long long>(at));
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= std::uint32_t{static_cast<unsigned char>(bytes_[at + i])} << (8 * i);
    return v;
  }
  const QByteArray& bytes_;
};

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// A small result chart of a fixed size.
class ChartFixture {
 public:
  ChartFixture() {
    auto* series = new QLineSeries;
    for (int year = 2000; year <= 2010; ++year) series->append(year, (year - 2000) * (year - 2000));
    view.chart()->addSeries(series);
    view.chart()->createDefaultAxes();
    view.chart()->legend()->hide();
    view.resize(321, 203);  // odd width: bitmap rows need padding
  }
  QImage Rendering() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QChartView view;
};

}  // namespace

class ChartPictureTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

 private slots:
  void bitmapReadsBackAsTheChart() {
    ChartFixture chart;
    const QString path = folder_.filePath("graph.bmp");
    SaveToBitmapFile(chart.view, path.toStdString());
    QImage read(path, "BMP");
    QVERIFY(!read.isNull());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), chart.Rendering());
  }

  void metafileHoldsTheChartAsOneBitmapRecord() {
    ChartFixture chart;
    const QImage image = chart.Rendering();
    const int w = image.width();
    const int h = image.height();
    const QString path = folder_.filePath("graph.emf");
    SaveToMetafileEnh(chart.view, path.toStdString());
    const QByteArray bytes = FileBytes(path);
    const Reader emf(bytes);

    // Header record.
    QCOMPARE(emf.U32(0), 1u);
    const std::uint32_t headerSize = emf.U32(4);
    QVERIFY(headerSize >= 88 && headerSize % 4 == 0);
    QCOMPARE(emf.I32(8), 0);  // bounds
    QCOMPARE(emf.I32(16), w - 1);
    QCOMPARE(emf.I32(20), h - 1);
    QVERIFY(emf.I32(32) > 0 && emf.I32(36) > 0);  // frame
    QCOMPARE(emf.U32(40), 0x464D4520u);           // " EMF"
    QCOMPARE(emf.U32(44), 0x00010000u);
    QCOMPARE(qsizetype(emf.U32(48)), bytes.size());
    QCOMPARE(emf.U32(52), 3u);
    QVERIFY(emf.U16(56) >= 1);
    const std::uint32_t descriptionLength = emf.U32(60);
    const std::uint32_t descriptionOffset = emf.U32(64);
    QVERIFY(descriptionOffset + 2 * descriptionLength <= headerSize);
    QString description;
    for (std::uint32_t i = 0; i < descriptionLength; ++i) description += QChar(emf.U16(descriptionOffset + 2 * i));
    QVERIFY(description.startsWith(QString("Tarvex") + QChar(0)));
    QVERIFY(emf.I32(72) > 0 && emf.I32(80) > 0);  // reference device, pixels and mm

    // The bitmap record.
    const qsizetype record = headerSize;
    QCOMPARE(emf.U32(record), 81u);
    const std::uint32_t recordSize = emf.U32(record + 4);
    QCOMPARE(emf.I32(record + 24), 0);  // xDest, yDest
    QCOMPARE(emf.I32(record + 28), 0);
    QCOMPARE(emf.I32(record + 40), w);  // cxSrc, cySrc
    QCOMPARE(emf.I32(record + 44), h);
    const std::uint32_t bmiOffset = emf.U32(record + 48);
    const std::uint32_t bitsOffset = emf.U32(record + 56);
    const std::uint32_t bitsSize = emf.U32(record + 60);
    QCOMPARE(emf.U32(record + 64), 0u);           // DIB_RGB_COLORS
    QCOMPARE(emf.U32(record + 68), 0x00CC0020u);  // SRCCOPY
    QCOMPARE(emf.I32(record + 72), w);            // cxDest, cyDest
    QCOMPARE(emf.I32(record + 76), h);
    QVERIFY(bitsOffset + bitsSize <= recordSize);
    const qsizetype bmi = record + bmiOffset;
    QCOMPARE(emf.U32(bmi), 40u);
    QCOMPARE(emf.I32(bmi + 4), w);
    QCOMPARE(emf.I32(bmi + 8), h);  // positive: rows bottom-up
    QCOMPARE(emf.U16(bmi + 14), std::uint16_t{24});
    QCOMPARE(emf.U32(bmi + 16), 0u);  // uncompressed
    const std::uint32_t rowBytes = (3 * w + 3) / 4 * 4;
    QCOMPARE(bitsSize, rowBytes * h);
    const qsizetype bits = record + bitsOffset;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const qsizetype at = bits + qsizetype(h - 1 - y) * rowBytes + 3 * x;
        const QRgb rendered = image.pixel(x, y);
        if (emf.Byte(at) != qBlue(rendered) || emf.Byte(at + 1) != qGreen(rendered) ||
            emf.Byte(at + 2) != qRed(rendered)) {
          QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
        }
      }
    }

    // End of file, the last record.
    const qsizetype eof = record + recordSize;
    QCOMPARE(emf.U32(eof), 14u);
    QCOMPARE(emf.U32(eof + 4), 20u);
    QCOMPARE(emf.U32(eof + 8), 0u);
    QCOMPARE(emf.U32(eof + 16), 20u);
    QCOMPARE(eof + 20, bytes.size());
  }

  void failedSaveNamesTheFileAndKeepsTheOldOne() {
    ChartFixture chart;
    const QString path = folder_.filePath("missing folder/graph.emf");
    try {
      SaveToMetafileEnh(chart.view, path.toStdString());
      QFAIL("saved into a folder that does not exist");
    } catch (const TarvexError& error) {
      QVERIFY(QString(error.what()).contains(path));
    }
    // A folder in the place of the target is refused and stays.
    QVERIFY(QDir(folder_.path()).mkdir("taken.bmp"));
    QVERIFY_THROWS_EXCEPTION(TarvexError,
                             SaveToBitmapFile(chart.view, folder_.filePath("taken.bmp").toStdString()));
    QVERIFY(QFileInfo(folder_.filePath("taken.bmp")).isDir());
  }

  void emptyPictureIsRefused() {
    QVERIFY_THROWS_EXCEPTION(TarvexError, EnhancedMetafile(QImage()));
  }
};

QTEST_MAIN(ChartPictureTest)
#include "chart_picture_test.moc"
