// The model run: validation, packing of GROWTH's arguments, the call of the
// real model library and the copy of the results into the cohorts.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "tarvex/data/species_data.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/window_fixture.h"
#include "tarvex/workbench/growth_arguments.h"
#include "tarvex/workbench/standsim_library.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

double Stems(const standsim::BIOVEC& biomass) { return biomass.v[standsim::ST]; }

}  // namespace

class ModelRunTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCase();
    qsm_ = folder_->write("site.qsm", kQsmText);
  }

  void anEvenAgedSiteRunsFromItsPlanting() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);
    QCOMPARE(window->PeriodFirstYear(), 1990);
    QCOMPARE(window->PeriodLastYear(), 2050);

    const CSite& site = window->SiteRecord();
    const CCohort& cohort = site.Cohort(0);
    for (int y = 1990; y <= 2000; ++y) QCOMPARE(Stems(cohort.Biomass[y]), 0.0);
    QVERIFY(Stems(cohort.Biomass[2001]) > 0.0);
    QVERIFY(Stems(cohort.Biomass[2029]) > Stems(cohort.Biomass[2031]));  // thinned in 2030
    QCOMPARE(Stems(site.SumBiomass[2040]), Stems(cohort.Biomass[2040]));
    QVERIFY(cohort.Uptake[2020].v[standsim::NUT_N] != 0.0);

    // The plot starts at the planting and shows the biomass of the stems.
    const Chart& chart = *window->Chart1;
    QCOMPARE(chart.Count(), 51);
    QCOMPARE(chart.Point(0).x(), 2000.0);
    QCOMPARE(chart.Point(10).y(), Stems(cohort.Biomass[2010]));
    QCOMPARE(chart.Bottom().Minimum, 2000.0);
    QCOMPARE(chart.Bottom().Maximum, 2050.0);
    QCOMPARE(chart.Left().Title, QString("Biomass stems (g/m2)"));
    QVERIFY(!window->CheckBoxShowAvg->isHidden());
  }

  void resultsAreCopiedWithTheShiftOfTheForestType_data() {
    QTest::addColumn<bool>("natural");
    QTest::newRow("even-aged: year y shows year y - 1") << false;
    QTest::newRow("natural: year y shows year y") << true;
  }
  void resultsAreCopiedWithTheShiftOfTheForestType() {
    QFETCH(bool, natural);
    const StandsimEntries standsim = BindStandsim(STANDSIM_LIBRARY_PATH);
    const Defs tables;
    const auto defaults =
        BuildSpeciesRegionDefaults(std::string(PROGRAM_DIR) + "/IxoTreeData_reg.dat", tables);
    auto site = std::make_unique<CSite>();
    CCohort& cohort = site->AddCohort();
    cohort.BiomassData = (*defaults)[10][4];
    cohort.Cai.AddPoint(10, 3.0);
    cohort.Cai.AddPoint(100, 8.0);
    if (natural) {
      cohort.MaxGrowth = 10.0;
      cohort.Kgr = 200.0;
      cohort.InitBiom = 50.0;
    } else {
      cohort.ForMan.SetAction(2000, standsim::ACT_PLANTING, 100.0, {0, 0, 0, 0});
    }
    site->Ndep.fill(0.75f);

    auto arguments = std::make_unique<GrowthArguments>(natural);
    arguments->PackCohort(0, cohort, 1990);
    if (natural) {
      QCOMPARE(Stems(arguments->Biomass(0, 1989)),
               50.0 * (cohort.BiomassData.WoodDensity * 1000.0) * 0.1);
    }
    arguments->SetDeposition(*site, 1990, 2050);
    QCOMPARE(QString::fromStdString(arguments->Call(standsim.Growth, 1, 1990, 2050)), QString());
    arguments->CopyResults(*site, 1990, 2050);

    const int start = natural ? 1990 : 2000;
    const int shift = natural ? 0 : 1;
    for (int y = 1980; y < start; ++y) QCOMPARE(Stems(cohort.Biomass[y]), 0.0);
    for (int y = start; y <= 2050; ++y) {
      QCOMPARE(Stems(cohort.Biomass[y]), Stems(arguments->Biomass(0, y - shift)));
    }
    QVERIFY(Stems(cohort.Biomass[2010]) > 0.0);
  }

  void aNaturalSiteRunsWithoutPlantingFromThePeriodStart() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    window->EditQsmpFileName->setText(QString::fromStdString(qsm_));
    window->ComboBoxRegions->setEditText("Boreal");
    window->RadioGroupManType->SetItemIndex(1);
    for (int c = 0; c < 2; ++c) {
      if (c > 0) window->Insertnewcohort1Click();
      window->ComboBoxSpecies->setEditText("Picea abies");
      window->ComboBoxSpeciesChange();
      window->EditMaxGrowth->setText("10");
      window->EditInitBiom->setText(c == 0 ? "50" : "20");
      window->EditKgr->setText("200");
      window->StringGridManagement->ClearRows();
    }
    dialogs.Clear();
    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);

    const CSite& site = window->SiteRecord();
    QCOMPARE(site.ForestType, ForestKind::NaturalRejuvenation);
    for (int c = 0; c < 2; ++c) {
      QCOMPARE(Stems(site.Cohort(c).Biomass[1989]), 0.0);
      QVERIFY(Stems(site.Cohort(c).Biomass[1990]) > 0.0);
    }
    QCOMPARE(Stems(site.SumBiomass[2000]),
             Stems(site.Cohort(0).Biomass[2000]) + Stems(site.Cohort(1).Biomass[2000]));
    QCOMPARE(window->Chart1->Point(0).x(), 1990.0);
  }

  // Every cohort that goes to GROWTH is checked, not only the one shown: a
  // second cohort that lacks something stops the run, which shows that
  // cohort and keeps the results of the last run.
  void aCohortOutOfSightThatLacksInputsStopsTheRun_data() {
    QTest::addColumn<QString>("lacking");
    QTest::addColumn<QString>("message");
    QTest::newRow("biomass parameters") << "biomass"
                                        << "No biomass data defined for Cohort2";
    QTest::newRow("growth curve") << "growth"
                                  << "No growth defined for one of the cohorts!";
    QTest::newRow("planting") << "planting"
                              << "Not all cohorts have planting years!";
  }
  void aCohortOutOfSightThatLacksInputsStopsTheRun() {
    QFETCH(QString, lacking);
    QFETCH(QString, message);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    QVERIFY(window->RunModel());
    const double before = Stems(window->SiteRecord().Cohort(0).Biomass[2010]);

    window->Insertnewcohort1Click();
    window->ComboBoxSpecies->setEditText("Picea abies");
    // A species typed, not chosen from the list, comes without parameters.
    if (lacking != "biomass") window->ComboBoxSpeciesChange();
    if (lacking != "growth") {
      window->StringGridStemGrowth->SetCell(0, 1, "20");
      window->StringGridStemGrowth->SetCell(1, 1, "5");
    }
    StringGrid& management = *window->StringGridManagement;
    management.ClearRows();
    management.SetCell(0, 1, "2010");
    management.SetCell(1, 1, lacking == "planting" ? "Thinning" : "Planting");
    window->ButtonPreviousCohortClick();
    QCOMPARE(window->CurrentCohortIndex(), 0);
    dialogs.Clear();

    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QCOMPARE(dialogs.messages, QStringList({message}));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetInputs);
    QCOMPARE(window->LabelNrCohorts->text(), QString("Number of cohorts: 2"));
    QCOMPARE(window->CurrentCohortIndex(), 1);
    QCOMPARE(window->LabelCohortNumber->text(), QString("Cohort 2"));
    QVERIFY(window->ButtonPreviousCohort->isEnabled());
    QVERIFY(!window->ButtonNextCohort->isEnabled());
    QCOMPARE(window->ComboBoxSpecies->currentText(), QString("Picea abies"));
    QCOMPARE(Stems(window->SiteRecord().Cohort(0).Biomass[2010]), before);
  }

  void aMessageOfGrowthIsShownWithoutItsPrefix() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    // The first stored action is a thinning, the planting comes later.
    StringGrid& management = *window->StringGridManagement;
    management.ClearRows();
    management.SetCell(0, 1, "1995");
    management.SetCell(1, 1, "Thinning");
    management.SetCell(2, 1, "10");
    management.SetCell(0, 2, "2000");
    management.SetCell(1, 2, "Planting");
    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QCOMPARE(dialogs.messages, QStringList({"first management action should be planting"}));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetInputs);
  }

  void validationMessagesStopTheRun() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    window->ComboBoxRegions->setEditText("Unknown");
    QVERIFY(!window->RunModel());
    QCOMPARE(dialogs.messages, QStringList({"Error: no region defined for this site!"}));
  }

  void aDepositionThatCannotBeReadStopsTheRunAndKeepsTheResults() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    const std::string qsm = folder_->write("edited.qsm", kQsmText);
    EnterEvenAgedCohort(*window, dialogs, qsm);
    QVERIFY(window->RunModel());
    const double before = Stems(window->SiteRecord().Cohort(0).Biomass[2010]);

    // The QSM file loses its last year.
    folder_->write("edited.qsm", "period 1990\nNOx_dep 0.5\n");
    dialogs.Clear();
    QVERIFY(!window->RunModel());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].startsWith("Cannot read N deposition: "),
             qPrintable(dialogs.messages[0]));
    QCOMPARE(Stems(window->SiteRecord().Cohort(0).Biomass[2010]), before);
  }

  // The charts of a shown window redraw at every choice; a chart that built
  // a tick for every fraction of the old step hung here for minutes.
  void aFullSiteIsShownThroughEveryOutputChoice() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QVERIFY(!Paint(*window).isNull());
    dialogs.files.push_back(
        QString::fromStdString(WriteFullScenario(*folder_, window->Defaults())));
    window->Open1Click();
    Paint(*window);
    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);
    QVERIFY(!Paint(*window).isNull());
    for (bool total : {false, true}) {
      window->CheckBoxShowAvg->setChecked(total);
      for (int page = 0; page < window->PageControlOutput->count(); ++page) {
        window->PageControlOutput->setCurrentIndex(page);
        auto* group = window->PageControlOutput->currentWidget()->findChild<RadioGroup*>();
        for (int item = 0; item < group->Count(); ++item) {
          group->SetItemIndex(item);
          QVERIFY(!Paint(*window).isNull());
          QCOMPARE(window->Chart1->Count(), 1000);
        }
      }
    }
    window->CheckBoxShowAvg->setChecked(false);
    window->ButtonNextCohortClick();
    QCOMPARE(window->CurrentCohortIndex(), 1);
    QCOMPARE(window->Chart1->Count(), 1000);
    QVERIFY(!Paint(*window).isNull());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
  }

 private:
  std::string qsm_;
};

QTEST_MAIN(ModelRunTest)
#include "model_run_test.moc"
