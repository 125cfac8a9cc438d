// One READ4UP call through the model library, as the window makes it.
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/deposition_reading.h"
#include "tarvex/ui/standsim_library.h"

using namespace tarvex;

class DepositionReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { read4up_ = BindStandsim(STANDSIM_LIBRARY_PATH).Read4up; }

  void init() {
    site_ = std::make_unique<CSite>();
    site_->FirstYear = 1800;
    site_->LastYear = 1810;
    site_->Ndep.fill(9.0f);
  }

  void aReadingTakesThePeriodAndItsYears() {
    ReadDeposition(read4up_, Write("site.qsm", "period 1990 2050\nNOx_dep 0.5\nNH3_dep 0.25\n"),
                   *site_);
    QCOMPARE(site_->FirstYear, 1990);
    QCOMPARE(site_->LastYear, 2050);
    QCOMPARE(site_->Ndep[1990], 0.75f);
    QCOMPARE(site_->Ndep[2050], 0.75f);
    // READ4UP writes only the period.
    QCOMPARE(site_->Ndep[1989], 9.0f);
    QCOMPARE(site_->Ndep[2051], 9.0f);
  }

  void aFailedReadingLeavesTheSite_data() {
    QTest::addColumn<std::string>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("message of READ4UP")
        << std::string("no_period.qsm")
        << "Cannot read N deposition: No period defined in qsm+ input file!";
    QTest::newRow("name too long") << std::string(130, 'n') + ".qsm"
                                   << "The name of the QSM input file has ";
  }
  void aFailedReadingLeavesTheSite() {
    QFETCH(std::string, name);
    QFETCH(QString, message);
    const std::string path = Write(name, "NOx_dep 0.5\nNH3_dep 0.25\n");
    try {
      ReadDeposition(read4up_, path, *site_);
      QFAIL("the reading succeeded");
    } catch (const TarvexError& e) {
      QVERIFY2(QString(e.what()).startsWith(message), e.what());
    }
    QCOMPARE(site_->FirstYear, 1800);
    QCOMPARE(site_->LastYear, 1810);
    QCOMPARE(site_->Ndep[1990], 9.0f);
  }

 private:
  std::string Write(const std::string& name, const char* text) {
    const std::string path = folder_.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path) << text;
    return path;
  }

  QTemporaryDir folder_;
  standsim::Read4upEntry read4up_ = nullptr;
  std::unique_ptr<CSite> site_;
};

QTEST_MAIN(DepositionReadingTest)
#include "deposition_reading_test.moc"
