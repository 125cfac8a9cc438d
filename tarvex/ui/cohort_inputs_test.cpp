// Validation and storing of the inputs shown, and the walk through the
// cohorts: insert, previous, next, delete and the forest-type switch.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

// The message StoreCohortInputs raises, or "" when it returns.
QString Raised(TForm1& window, bool strict) {
  try {
    window.StoreCohortInputs(strict);
  } catch (const std::exception& e) {
    return QString::fromStdString(e.what());
  }
  return {};
}

// Fills the new cohort shown with a species, a growth point and a planting.
void EnterCohort(TForm1& window, const QString& species) {
  window.ComboBoxSpecies->setEditText(species);
  window.StringGridStemGrowth->SetCell(0, 1, "20");
  window.StringGridStemGrowth->SetCell(1, 1, "4");
  window.StringGridManagement->SetCell(0, 1, "2005");
}

}  // namespace

class CohortInputsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  // The data tables name the QSM file, so it is written before them.
  void initTestCase() { qsm_ = site_.write("site.qsm", kQsmText); }

  void init() {
    StartCaseWithWindow();
    EnterEvenAgedCohort(*window_, dialogs_, qsm_);
  }
  void cleanup() { window_.reset(); }

  void validationChecksInOrder_data() {
    QTest::addColumn<bool>("strict");
    QTest::addColumn<QString>("qsm");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("species");
    QTest::addColumn<QString>("raised");
    QTest::addColumn<QString>("storedRegion");
    const QString q = QString::fromStdString(qsm_);
    QTest::newRow("strict without file name") << true << ""
                                              << "Boreal"
                                              << "Picea abies"
                                              << "Error: no QSMP input file for deposition defined!"
                                              << "Unknown";
    QTest::newRow("strict, region Unknown") << true << q << "Unknown"
                                            << "Picea abies"
                                            << "Error: no region defined for this site!"
                                            << "Unknown";
    QTest::newRow("strict, region Select Region") << true << q << "Select Region"
                                                  << "Picea abies"
                                                  << "Error: no region defined for this site!"
                                                  << "Unknown";
    QTest::newRow("strict, no region") << true << q << ""
                                       << "Picea abies"
                                       << "Error: no region defined for this site!"
                                       << "Unknown";
    QTest::newRow("lenient keeps Select Region") << false << q << "Select Region"
                                                 << "Picea abies"
                                                 << ""
                                                 << "Select Region";
    QTest::newRow("lenient, species Unknown") << false << q << "Boreal"
                                              << "Unknown"
                                              << "Error: no species defined for this cohort!"
                                              << "Boreal";
    QTest::newRow("strict, species Unknown") << true << q << "Boreal"
                                             << "Unknown"
                                             << "Error: no species defined for this cohort!"
                                             << "Boreal";
    QTest::newRow("strict, all given") << true << q << "Boreal"
                                       << "Picea abies"
                                       << ""
                                       << "Boreal";
  }
  void validationChecksInOrder() {
    QFETCH(bool, strict);
    QFETCH(QString, qsm);
    QFETCH(QString, region);
    QFETCH(QString, species);
    QFETCH(QString, raised);
    QFETCH(QString, storedRegion);
    window_->SiteRecord().RegionName = "Unknown";
    window_->EditQsmpFileName->setText(qsm);
    window_->ComboBoxRegions->setEditText(region);
    window_->ComboBoxSpecies->setEditText(species);
    QCOMPARE(Raised(*window_, strict), raised);
    QCOMPARE(QString::fromStdString(window_->SiteRecord().RegionName), storedRegion);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
  }

  void naturalStandsNeedTheirThreeValues() {
    window_->RadioGroupManType->SetItemIndex(1);
    window_->EditMaxGrowth->setText("12.5");
    window_->EditInitBiom->setText("");
    window_->EditKgr->setText("150");
    QCOMPARE(Raised(*window_, true), QString("No initial biomass defined"));
    // Lenient: MaxGrowth is stored before the empty text fails to convert.
    window_->SiteRecord().Cohort(0).MaxGrowth = 0.0;
    QVERIFY_THROWS_EXCEPTION(ConversionError, window_->StoreCohortInputs(false));
    QCOMPARE(window_->SiteRecord().Cohort(0).MaxGrowth, 12.5);
    window_->EditInitBiom->setText("1e2");
    QCOMPARE(Raised(*window_, true), QString());
    QCOMPARE(window_->SiteRecord().Cohort(0).InitBiom, 100.0);
    QCOMPARE(window_->SiteRecord().Cohort(0).Cai.NrDataGrowth, 0);
    // A negative value can only give nonsense, in either mode.
    window_->EditKgr->setText("-150");
    window_->EditMaxGrowth->setText("8");
    QCOMPARE(Raised(*window_, false),
             QString("Error: the Kgr value is outside 0..20000 m3/ha (-150)"));
    // The cohort keeps the values it had.
    QCOMPARE(window_->SiteRecord().Cohort(0).Kgr, 150.0);
    QCOMPARE(window_->SiteRecord().Cohort(0).MaxGrowth, 12.5);
  }

  // A natural stand's box of a value out of its range: inserting a cohort,
  // or selecting "Results" to run the model, takes the inputs shown, and
  // refuses with one message before it stores any of the three; nothing is
  // inserted or run. The top of each range is taken.
  void aBoxValueOutOfItsRangeIsRefusedBeforeItIsStored_data() {
    QTest::addColumn<QString>("maxGrowth");
    QTest::addColumn<QString>("initBiom");
    QTest::addColumn<QString>("kgr");
    QTest::addColumn<bool>("run");         // else insert
    QTest::addColumn<QString>("message");  // "" when taken
    const QString growthRange = "Error: the maximum growth is outside 0..500 m3/ha/yr (%1)";
    const QString biomassRange = "Error: the initial biomass is outside 0..20000 m3/ha (%1)";
    const QString kgrRange = "Error: the Kgr value is outside 0..20000 m3/ha (%1)";
    QTest::newRow("maximum growth just above") << "500.001"
                                               << "250"
                                               << "150" << false << growthRange.arg("500.001");
    QTest::newRow("maximum growth 1e300") << "1e300"
                                          << "250"
                                          << "150" << false << growthRange.arg("1e+300");
    QTest::newRow("initial biomass just above") << "9"
                                                << "20000.001"
                                                << "150" << false << biomassRange.arg("20000.001");
    QTest::newRow("initial biomass 1e300") << "9"
                                           << "1e300"
                                           << "150" << false << biomassRange.arg("1e+300");
    QTest::newRow("initial biomass 1e300, run") << "9"
                                                << "1e300"
                                                << "150" << true << biomassRange.arg("1e+300");
    QTest::newRow("Kgr just above") << "9"
                                    << "250"
                                    << "20000.001" << false << kgrRange.arg("20000.001");
    QTest::newRow("Kgr 1e30") << "9"
                              << "250"
                              << "1e30" << false << kgrRange.arg("1e+30");
    // The value out of its range is refused before the next box fails to convert.
    QTest::newRow("1e300 before a text that is no number")
        << "1e300"
        << "250"
        << "abc" << false << growthRange.arg("1e+300");
    QTest::newRow("the tops") << "500"
                              << "20000"
                              << "20000" << false << "";
    QTest::newRow("the tops, run") << "500"
                                   << "20000"
                                   << "20000" << true << "";
  }
  void aBoxValueOutOfItsRangeIsRefusedBeforeItIsStored() {
    QFETCH(QString, maxGrowth);
    QFETCH(QString, initBiom);
    QFETCH(QString, kgr);
    QFETCH(bool, run);
    QFETCH(QString, message);
    window_->RadioGroupManType->SetItemIndex(1);
    CCohort& cohort = window_->SiteRecord().Cohort(0);
    cohort.MaxGrowth = 9.0;
    cohort.InitBiom = 250.0;
    cohort.Kgr = 150.0;
    window_->EditMaxGrowth->setText(maxGrowth);
    window_->EditInitBiom->setText(initBiom);
    window_->EditKgr->setText(kgr);
    if (run) {
      window_->PageControl1->setCurrentWidget(window_->TabSheetResults);
    } else {
      window_->Insertnewcohort1Click();
    }
    const CCohort& first = window_->SiteRecord().Cohort(0);
    QCOMPARE(window_->SiteRecord().NrCohorts(), message.isEmpty() && !run ? 2 : 1);
    QCOMPARE(window_->PageControl1->currentWidget() == window_->TabSheetResults,
             message.isEmpty() && run);
    QCOMPARE(window_->Chart1->Count() > 0, message.isEmpty() && run);
    if (message.isEmpty()) {
      QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
      QCOMPARE(QList<double>({first.MaxGrowth, first.InitBiom, first.Kgr}),
               QList<double>({500.0, 20000.0, 20000.0}));
    } else {
      QCOMPARE(dialogs_.messages, QStringList({message}));
      QCOMPARE(QList<double>({first.MaxGrowth, first.InitBiom, first.Kgr}),
               QList<double>({9.0, 250.0, 150.0}));
      // The box keeps the text typed, for the correction.
      QCOMPARE(window_->EditKgr->text(), kgr);
    }
  }

  void anEmptyGrowthGridIsRaisedWhenStrict() {
    window_->StringGridStemGrowth->ClearRows();
    QCOMPARE(Raised(*window_, true), QString("No growth defined for one of the cohorts!"));
    QCOMPARE(Raised(*window_, false), QString());
    QVERIFY(dialogs_.messages.isEmpty());
  }

  void insertAppendsACohortAndShowsIt() {
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus sylvestris");
    window_->Insertnewcohort1Click();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(window_->SiteRecord().NrCohorts(), 3);
    QCOMPARE(window_->CurrentCohortIndex(), 2);
    QCOMPARE(window_->LabelCohortNumber->text(), QString("Cohort 3"));
    QCOMPARE(window_->LabelNrCohorts->text(), QString("Number of cohorts: 3"));
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Unknown"));
    QCOMPARE(window_->StringGridManagement->Cell(1, 1), QString("Planting"));
    QCOMPARE(window_->StringGridManagement->Cell(0, 2), QString());
    QVERIFY(window_->ButtonPreviousCohort->isEnabled());
    QCOMPARE(window_->SiteRecord().Cohort(1).SpeciesName, std::string("Pinus sylvestris"));

    // With the species Unknown nothing is inserted.
    window_->Insertnewcohort1Click();
    QCOMPARE(dialogs_.messages, QStringList({"Error: no species defined for this cohort!"}));
    QCOMPARE(window_->SiteRecord().NrCohorts(), 3);
  }

  void aSiteHoldsNoMoreThanTwentyCohorts() {
    while (window_->SiteRecord().NrCohorts() < kMaxCohorts) window_->SiteRecord().AddCohort();
    window_->Insertnewcohort1Click();
    QCOMPARE(dialogs_.messages, QStringList({"A site holds at most 20 cohorts!"}));
    QCOMPARE(window_->SiteRecord().NrCohorts(), kMaxCohorts);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Picea abies"));
  }

  void previousAndNextWalkWithinTheCohorts() {
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus nigra");
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus pinaster");
    window_->ButtonPreviousCohortClick();
    QCOMPARE(window_->CurrentCohortIndex(), 1);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Pinus nigra"));
    QCOMPARE(window_->LabelCohortNumber->text(), QString("Cohort 2"));
    QCOMPARE(window_->LabelSpecies->text(), QString("Pinus nigra"));
    QVERIFY(window_->ButtonPreviousCohort->isEnabled());
    window_->ButtonPreviousCohortClick();
    QCOMPARE(window_->CurrentCohortIndex(), 0);
    QVERIFY(!window_->ButtonPreviousCohort->isEnabled());
    QCOMPARE(window_->StringGridStemGrowth->Cell(0, 2), QString("50"));
    window_->ButtonPreviousCohortClick();
    QCOMPARE(dialogs_.messages, QStringList({"No previous Cohort!"}));
    window_->ButtonNextCohortClick();
    window_->ButtonNextCohortClick();
    QCOMPARE(window_->CurrentCohortIndex(), 2);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Pinus pinaster"));
    QVERIFY(!window_->ButtonNextCohort->isEnabled());
    window_->ButtonNextCohortClick();
    QCOMPARE(dialogs_.messages, QStringList({"No previous Cohort!", "No next Cohort!"}));

    // Leaving a cohort whose species is Unknown is refused.
    window_->ComboBoxSpecies->setEditText("Unknown");
    window_->ButtonPreviousCohortClick();
    QCOMPARE(dialogs_.messages.back(), QString("Error: no species defined for this cohort!"));
    QCOMPARE(window_->CurrentCohortIndex(), 2);
  }

  // The QSM file gone, a step to another cohort reads it once and says so
  // once; the result chart, not shown, raises nothing about the cohort left
  // without planting.
  void aStepWithTheQsmFileGoneSaysSoOnce() {
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    window_->SiteRecord().QSMpInFile = qsm;
    window_->EditQsmpFileName->setText(QString::fromStdString(qsm));
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus nigra");
    window_->StringGridManagement->ClearRows();
    std::filesystem::remove(qsm);
    dialogs_.Clear();
    window_->ButtonPreviousCohortClick();
    QCOMPARE(dialogs_.messages, QStringList({"Specified QSM+ file specifying N dep not found!"}));
    QCOMPARE(window_->CurrentCohortIndex(), 0);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Picea abies"));
  }

  void deletingTheOnlyCohortLeavesAnEmptyOne() {
    window_->StoreCohortInputs(false);
    dialogs_.answers = {false, true};
    window_->Deletecohort1Click();
    QCOMPARE(window_->SiteRecord().Cohort(0).SpeciesName, std::string("Picea abies"));
    window_->Deletecohort1Click();
    QCOMPARE(dialogs_.questions, QStringList({"Please confirm: Delete current cohort ?",
                                              "Please confirm: Delete current cohort ?"}));
    const CSite& site = window_->SiteRecord();
    QCOMPARE(site.NrCohorts(), 1);
    QCOMPARE(site.Cohort(0).SpeciesName, std::string("Unknown"));
    QCOMPARE(site.Cohort(0).Cai.NrDataGrowth, 0);
    QCOMPARE(window_->CurrentCohortIndex(), 0);
    QCOMPARE(window_->StringGridStemGrowth->Cell(0, 1), QString());
    QVERIFY(!window_->IsScenarioSaved());
  }

  void deletingTheLastCohortShowsTheOneBefore() {
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus nigra");
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus pinaster");
    dialogs_.answers = {true};
    window_->Deletecohort1Click();
    QCOMPARE(window_->SiteRecord().NrCohorts(), 2);
    QCOMPARE(window_->CurrentCohortIndex(), 1);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Pinus nigra"));
    QCOMPARE(window_->LabelNrCohorts->text(), QString("Number of cohorts: 2"));
    QVERIFY(!window_->ButtonNextCohort->isEnabled());
    QVERIFY(window_->ButtonPreviousCohort->isEnabled());
  }

  void deletingTheFirstOfSeveralShowsTheCohortThatMovedUp() {
    window_->Insertnewcohort1Click();
    EnterCohort(*window_, "Pinus nigra");
    window_->StoreCohortInputs(false);
    window_->ButtonPreviousCohortClick();
    dialogs_.answers = {true};
    window_->Deletecohort1Click();
    QCOMPARE(window_->SiteRecord().NrCohorts(), 1);
    QCOMPARE(window_->CurrentCohortIndex(), 0);
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Pinus nigra"));
    // Storing the inputs shown now cannot overwrite it with the deleted cohort's.
    window_->StoreCohortInputs(false);
    QCOMPARE(window_->SiteRecord().Cohort(0).SpeciesName, std::string("Pinus nigra"));
  }

  void forestTypeSwitchesTheInputsAndTheActionList() {
    window_->RadioGroupManType->SetItemIndex(1);
    QVERIFY(window_->NaturalForest());
    QCOMPARE(window_->SiteRecord().ForestType, ForestKind::NaturalRejuvenation);
    QCOMPARE(Items(*window_->ComboBox1), QStringList({"Thinning", "Clearcut"}));
    QVERIFY(!window_->EditKgr->isHidden());
    QVERIFY(window_->StringGridStemGrowth->isHidden());
    window_->StringGridManagement->ClearRows();
    window_->RadioGroupManType->SetItemIndex(0);
    QCOMPARE(window_->SiteRecord().ForestType, ForestKind::EvenAged);
    QCOMPARE(Items(*window_->ComboBox1), QStringList({"Planting", "Thinning", "Clearcut"}));
    QCOMPARE(window_->StringGridManagement->Cell(1, 1), QString("Planting"));
    QCOMPARE(window_->StringGridManagement->Cell(3, 1), QString("-"));
    QVERIFY(window_->EditKgr->isHidden());
  }

  void aRegionChoiceIsStoredAndMarksTheChange() {
    window_->ComboBoxRegions->setEditText("Alpine");
    window_->ComboBoxRegionsChange();
    QCOMPARE(window_->SiteRecord().RegionName, std::string("Alpine"));
    QVERIFY(!window_->IsScenarioSaved());
  }

 private:
  const TestFolder site_;
  std::string qsm_;
};

QTEST_MAIN(CohortInputsTest)
#include "cohort_inputs_test.moc"
