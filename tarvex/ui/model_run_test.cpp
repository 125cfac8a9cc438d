// The model run: validation, packing of GROWTH's arguments, the call of the
// real model library and the copy of the results into the cohorts.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tarvex/data/defs.h"
#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

double Stems(const standsim::BIOVEC& biomass) { return biomass.v[standsim::ST]; }

// What the model run handed GROWTH in its last call, the arrays read in the
// storage orders GROWTH reads them in, and the biomass GROWTH returned.
struct GrowthCallRecord {
  int32_t mantype = 0, ib = 0, ie = 0, ncmax = 0, ncoh = 0, iyr1 = 0, iyr2 = 0, npmax = 0;
  std::vector<standsim::COHPAR> cpar;
  std::vector<standsim::CAIPT> caip;
  std::vector<int32_t> bafage;
  std::vector<standsim::BIOVEC> bafval;
  std::vector<standsim::MANACT> mact;
  std::vector<int32_t> nmact, nbaf, ncaip;
  std::vector<double> ndep;  // element y - 1 is year y
  std::vector<standsim::BIOVEC> biomIn, biomOut;

  // Point or action K of cohort C (both 0-based): the cohort index fastest.
  std::size_t Point(int c, int k) const {
    return static_cast<std::size_t>(c) + static_cast<std::size_t>(k) * ncmax;
  }
  // Year Y of cohort C: one block of years per cohort.
  std::size_t Result(int c, int y) const {
    return static_cast<std::size_t>(y - ib) + static_cast<std::size_t>(c) * (ie - ib + 1);
  }
};

GrowthCallRecord lastGrowthCall;
standsim::GrowthEntry libraryGrowth = nullptr;

// Stands between the window and the model library's GROWTH: records what the
// run hands over, calls GROWTH with it and records the biomass it returns.
void RecordingGrowth(const int32_t* mantype, const int32_t* ib, const int32_t* ie,
                     const int32_t* ncmax, const int32_t* ncoh, const int32_t* iyr1,
                     const int32_t* iyr2, const int32_t* npmax, standsim::COHPAR* cpar,
                     const standsim::CAIPT* caip, const int32_t* bafage,
                     const standsim::BIOVEC* bafval, const standsim::MANACT* mact,
                     const int32_t* nmact, const int32_t* nbaf, const int32_t* ncaip,
                     const double* ndep, standsim::BIOVEC* biom, standsim::BIOVEC* litf,
                     standsim::NUTVEC* upt, standsim::NUTVEC* soilin, unsigned char* errmsg) {
  GrowthCallRecord& r = lastGrowthCall;
  r.mantype = *mantype;
  r.ib = *ib;
  r.ie = *ie;
  r.ncmax = *ncmax;
  r.ncoh = *ncoh;
  r.iyr1 = *iyr1;
  r.iyr2 = *iyr2;
  r.npmax = *npmax;
  const auto points = static_cast<std::size_t>(*ncmax) * static_cast<std::size_t>(*npmax);
  const auto results = static_cast<std::size_t>(*ncoh) * static_cast<std::size_t>(*ie - *ib + 1);
  r.cpar.assign(cpar, cpar + *ncoh);
  r.caip.assign(caip, caip + points);
  r.bafage.assign(bafage, bafage + points);
  r.bafval.assign(bafval, bafval + points);
  r.mact.assign(mact, mact + points);
  r.nmact.assign(nmact, nmact + *ncoh);
  r.nbaf.assign(nbaf, nbaf + *ncoh);
  r.ncaip.assign(ncaip, ncaip + *ncoh);
  r.ndep.assign(ndep, ndep + *ie);
  r.biomIn.assign(biom, biom + results);
  libraryGrowth(mantype, ib, ie, ncmax, ncoh, iyr1, iyr2, npmax, cpar, caip, bafage, bafval, mact,
                nmact, nbaf, ncaip, ndep, biom, litf, upt, soilin, errmsg);
  r.biomOut.assign(biom, biom + results);
}

// Where what GROWTH was handed for cohort C of the run starting in FIRSTYEAR
// differs from what the run packs from COHORT, one line per field.
QStringList PackingDifferences(const GrowthCallRecord& call, int c, const CCohort& cohort,
                               bool natural, int firstYear) {
  QStringList differences;
  auto expect = [&](const QString& field, double handed, double held) {
    if (handed == held) return;
    differences << QString("cohort %1 %2: %3 instead of %4")
                       .arg(c + 1)
                       .arg(field)
                       .arg(handed, 0, 'g', 17)
                       .arg(held, 0, 'g', 17);
  };
  auto expectFive = [&](const QString& field, const standsim::BIOVEC& handed,
                        const double(&held)[5]) {
    for (int i = 0; i < 5; ++i) expect(QString("%1[%2]").arg(field).arg(i), handed.v[i], held[i]);
  };
  const BiomassRecord& b = cohort.BiomassData;
  const standsim::COHPAR& p = call.cpar[static_cast<std::size_t>(c)];
  expect("Evergreen", p.Evergreen, b.Evergreen);
  const double carbon[5] = {b.CarbonContent, b.CarbonContent, b.CarbonContent, b.CarbonContent,
                            b.CarbonContent};
  expectFive("CarbonContent", p.CarbonContent, carbon);
  expectFive("ctN", p.ctN, b.ctN);
  expectFive("ctCa", p.ctCa, b.ctCa);
  expectFive("ctMg", p.ctMg, b.ctMg);
  expectFive("ctK", p.ctK, b.ctK);
  expectFive("TurnOver", p.TurnOver, b.TurnOver);
  expect("Nlfmin", p.Nlfmin, b.Nlfmin);
  expect("Nlfmax", p.Nlfmax, b.Nlfmax);
  expect("expNlf", p.expNlf, b.expNlf);
  expect("WoodDensityKg", p.WoodDensityKg, b.WoodDensity * 1000.0);
  if (natural) {
    expect("Kgr", p.Kgr, cohort.Kgr);
    expect("MaxGrowth", p.MaxGrowth, cohort.MaxGrowth);
  }

  expect("NCAIP", call.ncaip[static_cast<std::size_t>(c)], cohort.Cai.NrDataGrowth);
  for (int k = 0; k < cohort.Cai.NrDataGrowth; ++k) {
    const standsim::CAIPT& handed = call.caip[call.Point(c, k)];
    const standsim::CAIPT& held = cohort.Cai.Points[static_cast<std::size_t>(k)];
    expect(QString("CAIP[%1].AGE").arg(k), handed.AGE, held.AGE);
    expect(QString("CAIP[%1].INC").arg(k), handed.INC, held.INC);
  }
  expect("NMACT", call.nmact[static_cast<std::size_t>(c)], cohort.ForMan.NrForManData);
  for (int k = 0; k < cohort.ForMan.NrForManData; ++k) {
    const standsim::MANACT& handed = call.mact[call.Point(c, k)];
    const standsim::MANACT& held = cohort.ForMan.ManActions[static_cast<std::size_t>(k)];
    expect(QString("MACT[%1].YEAR").arg(k), handed.YEAR, held.YEAR);
    expect(QString("MACT[%1].ACTTYPE").arg(k), handed.ACTTYPE, held.ACTTYPE);
    expect(QString("MACT[%1].PERC").arg(k), handed.PERC, held.PERC);
    for (int f = 0; f < 4; ++f) {
      expect(QString("MACT[%1].REMFLAG[%2]").arg(k).arg(f), handed.REMFLAG[f], held.REMFLAG[f]);
    }
  }
  // A natural stand counts one expansion-factor point, that of age 140
  // (column 13); the other columns lie where an even-aged stand has them.
  expect("NBAF", call.nbaf[static_cast<std::size_t>(c)], natural ? 1 : kBafColumns);
  for (int k = 0; k < kBafColumns; ++k) {
    expect(QString("BAFAGE[%1]").arg(k), call.bafage[call.Point(c, k)],
           BafAges[static_cast<std::size_t>(k)]);
    const int column = natural && k == 0 ? 13 : k;
    for (int i = 0; i < kBafRows; ++i) {
      expect(QString("BAFVAL[%1][%2]").arg(k).arg(i), call.bafval[call.Point(c, k)].v[i],
             b.BAF[i][column]);
    }
  }
  // GROWTH reads the initial stems of a natural stand in g/m2 from the year
  // before the period.
  if (natural) {
    expect("initial stems", Stems(call.biomIn[call.Result(c, firstYear - 1)]),
           cohort.InitBiom * (b.WoodDensity * 1000.0) * 0.1);
  }
  return differences;
}

// Writes into FOLDER a site of two cohorts in the Continental region, an
// evergreen Picea abies and a deciduous Fagus, each with its growth curve,
// management and expansion factors of ages 130 and 1000 that differ from
// those of age 140, on a deposition period 1990..2050 whose deposition
// changes every year; returns the scenario's file name.
std::string WritePackingScenario(const TestFolder& folder, const SpeciesRegionTable& defaults,
                                 bool natural) {
  std::string deposition = "!Year NOx\n";
  for (int y = 1990; y <= 2050; ++y) {
    deposition += std::to_string(y) + " " +
                  QString::number(0.4 + 0.01 * (y - 1990), 'f', 2).toStdString() + "\n";
  }
  folder.write("yearly.dat", deposition);
  folder.write("yearly.qsm", "period 1990 2050\nNOx_dep yearly.dat;NOx\nNH3_dep 0.25\n");
  const Defs tables;
  auto site = std::make_unique<CSite>();
  site->RegionName = "Continental";
  site->QSMpInFile = "yearly.qsm";
  site->ForestType = natural ? ForestKind::NaturalRejuvenation : ForestKind::EvenAged;
  for (const char* species : {"Picea abies", "Fagus"}) {
    const int c = site->NrCohorts();
    CCohort& cohort = site->AddCohort();
    cohort.SpeciesName = species;
    cohort.BiomassData = defaults[tables.SpeciesIndex(species)][tables.RegionIndex("Continental")];
    cohort.HasBiomassData = true;
    for (int i = 0; i < kBafRows; ++i) {
      if (i == kBafStemsRow) continue;
      cohort.BiomassData.BAF[i][12] = cohort.BiomassData.BAF[i][13] + 0.0625;
      cohort.BiomassData.BAF[i][14] = cohort.BiomassData.BAF[i][13] + 0.125 * (i + 1);
    }
    cohort.MaxGrowth = 9.0 - 3 * c;
    cohort.Kgr = 150.0 - 30 * c;
    cohort.InitBiom = 40.0 - 15 * c;
    cohort.Cai.AddPoint(10 + 10 * c, 2.0 - 0.5 * c);
    cohort.Cai.AddPoint(60, 12.0 - 4 * c);
    cohort.Cai.AddPoint(120 + 30 * c, 6.0 - 2 * c);
    CForMan& management = cohort.ForMan;
    if (!natural) management.SetAction(2000 - 5 * c, standsim::ACT_PLANTING, 100.0, {0, 0, 0, 0});
    management.SetAction(2020 + 5 * c, standsim::ACT_THINNING, 20.0 + 15.5 * c, {1, c, 1 - c, c});
    if (!natural) {
      management.SetAction(2040, standsim::ACT_CLEARCUT, 100.0, {1, 1, 0, 1});
      management.SetAction(2041, standsim::ACT_PLANTING, 100.0, {0, 0, 0, 0});
    }
  }
  const std::string fileName = folder.file("packing.txt");
  site->WriteToFile(fileName);
  return fileName;
}

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

  // GROWTH is handed every cohort as the run packs it, and its results come
  // back into the cohorts with the shift of the forest type.
  void growthIsHandedTheSiteAndItsResultsAreCopiedBack_data() {
    QTest::addColumn<bool>("natural");
    QTest::newRow("even-aged: year y shows year y - 1") << false;
    QTest::newRow("natural: year y shows year y") << true;
  }
  void growthIsHandedTheSiteAndItsResultsAreCopiedBack() {
    QFETCH(bool, natural);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QVERIFY(ShowWindow(*window));
    dialogs.files.push_back(
        QString::fromStdString(WritePackingScenario(*folder_, window->Defaults(), natural)));
    window->Open1Click();
    libraryGrowth = window->GrowthEntry;
    window->GrowthEntry = &RecordingGrowth;
    Paint(*window);
    ClickTab(*window->PageControl1, window->TabSheetResults);
    QVERIFY(!Paint(*window).isNull());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);

    const CSite& site = window->SiteRecord();
    const GrowthCallRecord& call = lastGrowthCall;
    QCOMPARE(QList<int>({call.mantype, call.ib, call.ie, call.ncmax, call.ncoh, call.iyr1,
                         call.iyr2, call.npmax}),
             QList<int>({natural ? 2 : 1, 0, 4999, 20, 2, 1990, 2050, 99}));
    // The case shows what a wrong field, column or year would change.
    QCOMPARE(site.Cohort(0).BiomassData.Evergreen, 1);
    QCOMPARE(site.Cohort(1).BiomassData.Evergreen, 0);
    QVERIFY(site.Cohort(0).BiomassData.BAF[0][13] != site.Cohort(0).BiomassData.BAF[0][14]);
    QVERIFY(site.Ndep[1990] != 0.0f);
    for (int y = 1991; y <= 2050; ++y) QVERIFY(site.Ndep[y] != site.Ndep[y - 1]);

    QStringList differences;
    for (int c = 0; c < 2; ++c) {
      differences << PackingDifferences(call, c, site.Cohort(c), natural, 1990);
    }
    for (int y = 1990; y <= 2050; ++y) {
      if (call.ndep[static_cast<std::size_t>(y - 1)] != site.Ndep[static_cast<std::size_t>(y)]) {
        differences << QString("NDEP of %1: %2 instead of %3")
                           .arg(y)
                           .arg(call.ndep[static_cast<std::size_t>(y - 1)])
                           .arg(site.Ndep[static_cast<std::size_t>(y)]);
      }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join("\n")));

    const int shift = natural ? 0 : 1;
    for (int c = 0; c < 2; ++c) {
      const CCohort& cohort = site.Cohort(c);
      const int start = natural ? 1990 : cohort.ForMan.ManActions[0].YEAR;
      for (int y = 1980; y < start; ++y) QCOMPARE(Stems(cohort.Biomass[y]), 0.0);
      for (int y = start; y <= 2050; ++y) {
        const standsim::BIOVEC& computed = call.biomOut[call.Result(c, y - shift)];
        for (int i = 0; i < 5; ++i) QCOMPARE(cohort.Biomass[y].v[i], computed.v[i]);
      }
      QVERIFY(Stems(cohort.Biomass[2010]) > 0.0);
    }
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

  // A run replaces the results of the last one: the years before a planting
  // that moved later show no stand.
  void aSecondRunAfterAPlantingMovesForgetsTheYearsBeforeIt() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    // A second cohort planted in 2000 as well, the one shown.
    window->Insertnewcohort1Click();
    window->ComboBoxSpecies->setEditText("Picea abies");
    window->ComboBoxSpeciesChange();
    window->StringGridStemGrowth->SetCell(0, 1, "10");
    window->StringGridStemGrowth->SetCell(1, 1, "4");
    window->StringGridManagement->SetCell(0, 1, "2000");
    dialogs.Clear();
    QVERIFY(ShowWindow(*window));
    ClickTab(*window->PageControl1, window->TabSheetResults);
    QVERIFY(!Paint(*window).isNull());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    const CSite& site = window->SiteRecord();
    QVERIFY(Stems(site.Cohort(1).Biomass[2005]) > 0.0);

    ClickTab(*window->PageControl1, window->TabSheetInputs);
    Paint(*window);
    TypeIntoCell(*window->StringGridManagement, 0, 1, "2010");
    ClickTab(*window->PageControl1, window->TabSheetResults);
    QVERIFY(!Paint(*window).isNull());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);
    QCOMPARE(site.Cohort(1).ForMan.ManActions[0].YEAR, 2010);

    // The chart starts at the site's first planting, 2000.
    const Chart& chart = *window->Chart1;
    QCOMPARE(chart.Point(0).x(), 2000.0);
    for (int y = 2000; y <= 2009; ++y) {
      QCOMPARE(chart.Point(y - 2000).y(), 0.0);
      for (int i = 0; i < 5; ++i) QCOMPARE(site.Cohort(1).Biomass[y].v[i], 0.0);
      QCOMPARE(site.Cohort(1).Uptake[y].v[standsim::NUT_N], 0.0);
      QCOMPARE(Stems(site.SumBiomass[y]), Stems(site.Cohort(0).Biomass[y]));
    }
    QVERIFY(Stems(site.Cohort(1).Biomass[2011]) > 0.0);
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

  // No stems at all and a Kgr within its range but so small that the growth
  // rate overflows: GROWTH refuses results that are not finite, and the
  // run shows its message and keeps the last results.
  void aResultThatIsNotFiniteIsShownAndTheLastResultsStay() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    window->EditQsmpFileName->setText(QString::fromStdString(qsm_));
    window->ComboBoxRegions->setEditText("Boreal");
    window->RadioGroupManType->SetItemIndex(1);
    window->ComboBoxSpecies->setEditText("Picea abies");
    window->ComboBoxSpeciesChange();
    window->EditMaxGrowth->setText("100");
    window->EditInitBiom->setText("50");
    window->EditKgr->setText("200");
    window->StringGridManagement->ClearRows();
    QVERIFY(window->RunModel());
    const standsim::BIOVEC before = window->SiteRecord().Cohort(0).Biomass[2000];
    QVERIFY(Stems(before) > 0.0);

    window->EditInitBiom->setText("0");
    window->EditKgr->setText("1e-307");
    dialogs.Clear();
    window->PageControl1->setCurrentWidget(window->TabSheetResults);
    QCOMPARE(dialogs.messages,
             QStringList({" cohort 1: biomass of branches nan of year 1990 is not finite"}));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetInputs);
    const standsim::BIOVEC& after = window->SiteRecord().Cohort(0).Biomass[2000];
    for (int i = 0; i < standsim::kCompartments; ++i) QCOMPARE(after.v[i], before.v[i]);
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

  // The tops of the ranges run to finite results: a natural stand of the
  // largest initial biomass, Kgr and maximum growth, and an even-aged stand
  // growing by the largest increment at every age, both of the densest wood
  // and the largest expansion factors the biomass dialog takes.
  void theTopsOfTheRangesRunToFiniteResults_data() {
    QTest::addColumn<bool>("natural");
    QTest::newRow("natural stand") << true;
    QTest::newRow("even-aged stand") << false;
  }
  void theTopsOfTheRangesRunToFiniteResults() {
    QFETCH(bool, natural);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QVERIFY(ShowWindow(*window));
    EnterEvenAgedCohort(*window, dialogs, qsm_);
    dialogs.modal = [](QDialog& dialog) {
      auto& form = static_cast<TFormBiomassData&>(dialog);
      form.EditWoodDensity->setText("2");
      for (int row = 1; row < kBafRows; ++row) {
        for (int col = 1; col <= kBafColumns; ++col) form.StringGridBAF->SetCell(col, row, "100");
      }
      return true;
    };
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    if (natural) {
      window->RadioGroupManType->SetItemIndex(1);
      window->EditMaxGrowth->setText("500");
      window->EditInitBiom->setText("20000");
      window->EditKgr->setText("20000");
      window->StringGridManagement->ClearRows();
    } else {
      for (int row = 1; row <= 3; ++row) window->StringGridStemGrowth->SetCell(1, row, "500");
    }
    ClickTab(*window->PageControl1, window->TabSheetResults);
    QVERIFY(!Paint(*window).isNull());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetResults);
    const CSite& site = window->SiteRecord();
    const CCohort& cohort = site.Cohort(0);
    QCOMPARE(cohort.BiomassData.WoodDensity, 2.0);
    QCOMPARE(cohort.BiomassData.BAF[standsim::LV][0], 100.0);
    QCOMPARE(natural ? cohort.InitBiom : cohort.Cai.Points[1].INC, natural ? 20000.0 : 500.0);

    QStringList notFinite;
    const auto check = [&](const char* what, int year, const double* values, int n) {
      for (int i = 0; i < n; ++i) {
        if (!std::isfinite(values[i]))
          notFinite << QString("%1[%2] of %3").arg(what).arg(i).arg(year);
      }
    };
    for (int y = site.FirstYear; y <= site.LastYear; ++y) {
      check("SumBiomass", y, site.SumBiomass[y].v, standsim::kCompartments);
      check("SumLitterfall", y, site.SumLitterfall[y].v, standsim::kCompartments);
      check("SumUptake", y, site.SumUptake[y].v, standsim::kNutrientSlots);
      check("SumSoilInputs", y, site.SumSoilInputs[y].v, standsim::kNutrientSlots);
    }
    const Chart& chart = *window->Chart1;
    QVERIFY(chart.Count() > 0);
    for (int i = 0; i < chart.Count(); ++i) {
      if (!std::isfinite(chart.Point(i).y())) notFinite << QString("chart point %1").arg(i);
    }
    QVERIFY2(notFinite.isEmpty(), qPrintable(notFinite.join(", ")));
    QVERIFY(Stems(site.SumBiomass[2050]) > 1e6);
    QVERIFY(std::isfinite(chart.Left().Maximum));
  }

 private:
  std::string qsm_;
};

QTEST_MAIN(ModelRunTest)
#include "model_run_test.moc"
