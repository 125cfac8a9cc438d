// Reading the deposition of the site's QSM input file through READ4UP.
#include <QLineEdit>
#include <QPushButton>
#include <QValueAxis>
#include <QtTest>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

class DepositionTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() { StartCaseWithWindow(); }
  void cleanup() { window_.reset(); }

  void aReadingDrawsThePeriod() {
    const std::string qsm =
        folder_->write("site.qsm", "period 1950 2100\nNOx_dep 0.5\nNH3_dep 0.25\n");
    // Blanks typed around the name are not part of it.
    window_->EditQsmpFileName->setText(" " + QString::fromStdString(qsm) + " \t");
    window_->ButtonReadNdepClick();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(window_->SiteRecord().QSMpInFile, qsm);
    QVERIFY(!Paint(*window_).isNull());
    const Chart& chart = *window_->ChartNdep;
    QCOMPARE(chart.Count(), 151);
    QCOMPARE(chart.Point(0), QPointF(1950, 0.75));
    QCOMPARE(chart.Bottom().Minimum, 1950.0);
    QCOMPARE(chart.Bottom().Maximum, 2110.0);
    QCOMPARE(window_->ChartManagement->Bottom().Maximum, 2110.0);
    // The constant deposition runs across the middle of the plot.
    window_->ChartNdep->Refresh();
    const auto* left =
        qobject_cast<QValueAxis*>(window_->ChartNdep->chart()->axes(Qt::Vertical).front());
    QCOMPARE(left->min(), 0.25);
    QCOMPARE(left->max(), 1.25);
    QCOMPARE(window_->SiteRecord().FirstYear, 1950);
    QCOMPARE(window_->SiteRecord().LastYear, 2100);
    QCOMPARE(window_->SiteRecord().Ndep[2000], 0.75f);
    QVERIFY(!window_->ButtonReadNdep->isEnabled());
    QVERIFY(!window_->IsScenarioSaved());  // the file name is now the scenario's
    // A second reading resolves the absolute name to itself.
    window_->ReadNdep();
    QCOMPARE(window_->SiteRecord().QSMpInFile, qsm);
    QCOMPARE(window_->ChartNdep->Count(), 151);
  }

  void theButtonChecksTheTypedName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "No file name given !";
    QTest::newRow("blanks only") << " \t "
                                 << "No file name given !";
    QTest::newRow("missing") << "/no/such/site.qsm"
                             << "No such file !";
  }
  void theButtonChecksTheTypedName() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    window_->EditQsmpFileName->setText(name);
    window_->ButtonReadNdepClick();
    QCOMPARE(dialogs_.messages, QStringList({message}));
    QVERIFY(window_->SiteRecord().QSMpInFile.empty());
  }

  void aRelativeNameStartsInTheProgramFolder() {
    window_->SiteRecord().QSMpInFile = "no_such_site.qsm";
    window_->ReadNdep();
    QCOMPARE(dialogs_.messages, QStringList({"Specified QSM+ file specifying N dep not found!"}));
    QCOMPARE(window_->SiteRecord().QSMpInFile, std::string(PROGRAM_DIR) + "/no_such_site.qsm");
    QCOMPARE(window_->ChartNdep->Count(), 0);
  }

  void aMessageOfRead4upKeepsTheLastReading() {
    const std::string good = folder_->write("good.qsm", kQsmText);
    window_->SiteRecord().QSMpInFile = good;
    window_->ReadNdep();
    const std::string bad = folder_->write("bad.qsm", "NOx_dep 0.5\nNH3_dep 0.25\n");
    window_->SiteRecord().QSMpInFile = bad;
    window_->ReadNdep();
    QCOMPARE(dialogs_.messages,
             QStringList({"Cannot read N deposition: No period defined in qsm+ input file!"}));
    QCOMPARE(window_->SiteRecord().Ndep[2000], 0.75f);
    QCOMPARE(window_->SiteRecord().FirstYear, 1990);
    QCOMPARE(window_->PeriodLastYear(), 2050);
    QCOMPARE(window_->ChartNdep->Count(), 0);
  }

  void aNameTooLongForTheModelLibraryIsRefused() {
    const std::string deep = folder_->folder() + std::string(120, 'd');
    QVERIFY(QDir().mkpath(QString::fromStdString(deep)));
    window_->SiteRecord().QSMpInFile = deep + "/site.qsm";
    write_file(window_->SiteRecord().QSMpInFile, kQsmText);
    window_->ReadNdep();
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages[0].contains("site.qsm"), qPrintable(dialogs_.messages[0]));
    QCOMPARE(window_->PeriodFirstYear(), 0);
  }

 private:
};

QTEST_MAIN(DepositionTest)
#include "deposition_test.moc"
