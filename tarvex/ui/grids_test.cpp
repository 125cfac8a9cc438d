// The growth-curve and management grids: commits with their checks, the
// display in stored order, the drop-down lists and the default schedule.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <cstring>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"
#include "tarvex/window_logic/default_management.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

QStringList Row(const StringGrid& grid, int row) {
  QStringList cells;
  for (int c = 0; c < grid.ColCount(); ++c) cells << grid.Cell(c, row);
  return cells;
}

// The message HANDLER raised, or empty.
QString Refusal(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const TarvexError& e) {
    return QString::fromStdString(e.what());
  }
  return {};
}

QString Schedule(const std::vector<PlannedAction>& actions) {
  QStringList items;
  for (const PlannedAction& a : actions) {
    items << QString("%1:%2:%3").arg(a.Year).arg(a.ActType).arg(a.Perc);
  }
  return items.join(' ');
}

}  // namespace

class GridsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    window_->ComboBoxSpecies->setEditText("Picea abies");
    window_->StringGridManagement->ClearRows();
  }
  void cleanup() { window_.reset(); }

  void aDuplicateAgeStopsTheCommit() {
    StringGrid& grid = *window_->StringGridStemGrowth;
    grid.SetCell(0, 1, "10");
    grid.SetCell(1, 1, "2.5");
    grid.SetCell(0, 2, "20");
    window_->FillGrowthArray();
    grid.SetCell(0, 3, "10");
    grid.SetCell(1, 3, "4");
    window_->FillGrowthArray();
    // The record keeps the last curve that could be stored whole.
    const CCai& curve = window_->SiteRecord().Cohort(0).Cai;
    QCOMPARE(curve.NrDataGrowth, 2);
    QCOMPARE(curve.Points[0].AGE, 10);
    QCOMPARE(curve.Points[0].INC, 2.5);
    QCOMPARE(curve.Points[1].AGE, 20);
    QCOMPARE(curve.Points[1].INC, 0.0);
    QCOMPARE(window_->LabelDupEntry->text(), QString("Error: Duplicate entry"));
    // The grid shows what the cohort holds, the refused cell current for the correction.
    QCOMPARE(Row(grid, 2), QStringList({"20", "0"}));
    QCOMPARE(Row(grid, 3), QStringList({"", ""}));
    QCOMPARE(grid.currentRow() + 1, 3);
    QCOMPARE(grid.currentColumn(), 0);
  }

  // A row of the growth grid below a stored point: a text that is no
  // number, or an age or growth out of its range, is reported in the red
  // text of the grid, the cohort keeps its curve, and the grid shows it
  // again with the refused cell current; the top of each range is taken.
  void aGrowthRowThatCannotBeStoredIsReported_data() {
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("increment");
    QTest::addColumn<int>("refusedCol");  // -1 when taken
    QTest::addColumn<QString>("message");
    QTest::newRow("age") << "ten"
                         << "" << 0 << "\"ten\" is not a valid integer";
    QTest::newRow("negative increment")
        << "30"
        << "-2" << 1 << "Error: the increment at age 30 is outside 0..500 m3/ha/yr (-2)";
    QTest::newRow("increment just above")
        << "30"
        << "500.001" << 1 << "Error: the increment at age 30 is outside 0..500 m3/ha/yr (500.001)";
    QTest::newRow("increment 1e6")
        << "30"
        << "1e6" << 1 << "Error: the increment at age 30 is outside 0..500 m3/ha/yr (1e+06)";
    QTest::newRow("age just above")
        << "5000"
        << "3" << 0 << "Error: the age of a growth point is outside 0..4999 years (5000)";
    QTest::newRow("age 10000")
        << "10000"
        << "3" << 0 << "Error: the age of a growth point is outside 0..4999 years (10000)";
    QTest::newRow("the tops") << "4999"
                              << "500" << -1 << " ";
  }
  void aGrowthRowThatCannotBeStoredIsReported() {
    QFETCH(QString, age);
    QFETCH(QString, increment);
    QFETCH(int, refusedCol);
    QFETCH(QString, message);
    StringGrid& grid = *window_->StringGridStemGrowth;
    grid.SetCell(0, 1, "10");
    grid.SetCell(1, 1, "2");
    window_->FillGrowthArray();
    grid.SetCell(0, 2, age);
    grid.SetCell(1, 2, increment);
    window_->FillGrowthArray();
    QCOMPARE(window_->LabelDupEntry->text(), message);
    const CCai& curve = window_->SiteRecord().Cohort(0).Cai;
    if (refusedCol < 0) {
      QCOMPARE(curve.NrDataGrowth, 2);
      QCOMPARE(curve.Points[1].AGE, 4999);
      QCOMPARE(curve.Points[1].INC, 500.0);
      QCOMPARE(Row(grid, 2), QStringList({"4999", "500"}));
    } else {
      QCOMPARE(curve.NrDataGrowth, 1);
      QCOMPARE(Row(grid, 1), QStringList({"10", "2"}));
      QCOMPARE(Row(grid, 2), QStringList({"", ""}));
      QCOMPARE(grid.currentRow() + 1, 2);
      QCOMPARE(grid.currentColumn(), refusedCol);
    }
  }

  void theCurveChartStartsAtAgeZero() {
    StringGrid& grid = *window_->StringGridStemGrowth;
    grid.SetCell(0, 1, "30");
    grid.SetCell(1, 1, "5.0");
    window_->FillGrowthArray();
    const Chart& chart = *window_->ChartStemGrowth;
    QCOMPARE(chart.Count(), 2);
    QCOMPARE(chart.Point(0), QPointF(0, 5));
    QCOMPARE(chart.Point(1), QPointF(30, 5));
    QCOMPARE(chart.Bottom().Minimum, 0.0);
    QCOMPARE(chart.Bottom().Maximum, 40.0);
    QCOMPARE(chart.Left().Minimum, -0.01);
    QCOMPARE(chart.Left().Maximum, 15.0);
    QCOMPARE(Row(grid, 1), QStringList({"30", "5"}));
    grid.SetCell(1, 1, "22");
    window_->FillGrowthArray();
    QCOMPARE(window_->ChartStemGrowth->Left().Maximum, 22.0);
    QVERIFY(!window_->IsScenarioSaved());
  }

  void aNaturalStandKeepsNoCurve() {
    window_->RadioGroupManType->SetItemIndex(1);
    window_->StringGridStemGrowth->SetCell(0, 1, "30");
    window_->SaveGrowth(true);
    QCOMPARE(window_->SiteRecord().Cohort(0).Cai.NrDataGrowth, 0);
    window_->SaveManActions(true);  // natural stands need no management
  }

  // A scenario file may hold as many points and actions as the records do.
  void fullRecordsAreShownAndKeptWhole() {
    CCohort& cohort = window_->SiteRecord().Cohort(0);
    for (int i = 0; i < kMaxGrowthPoints; ++i) QVERIFY(cohort.Cai.AddPoint(10 + i, 1.0));
    for (int i = 0; i < kMaxManagementActions; ++i) {
      QVERIFY(cohort.ForMan.SetAction(2000 + i, standsim::ACT_THINNING, 5.0, {1, 0, 0, 0}));
    }
    window_->DisplayGrowth();
    window_->DisplayManActions();
    QCOMPARE(window_->StringGridStemGrowth->Cell(0, kMaxGrowthPoints), QString("108"));
    QCOMPARE(window_->StringGridManagement->Cell(0, kMaxManagementActions), QString("2098"));
    window_->SaveGrowth(true);
    window_->SaveManActions(true);
    QCOMPARE(cohort.Cai.NrDataGrowth, kMaxGrowthPoints);
    QCOMPARE(cohort.ForMan.NrForManData, kMaxManagementActions);
  }

  void aRowWithOnlyAYearBecomesAThinning() {
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 1, "2010");
    window_->FillManagementArray();
    QCOMPARE(Row(grid, 1), QStringList({"2010", "Unknown", "0", "Left", "Left", "Left", "Left"}));
    window_->FillManagementArray();
    const standsim::MANACT& action = window_->SiteRecord().Cohort(0).ForMan.ManActions[0];
    QCOMPARE(action.YEAR, 2010);
    QCOMPARE(action.ACTTYPE, int(standsim::ACT_THINNING));
    QCOMPARE(action.PERC, 0.0);
  }

  // Every kind of row the grid commits is saved and opened again unchanged.
  void everyActionOfTheGridOpensAgainUnchanged() {
    StringGrid& grid = *window_->StringGridManagement;
    const QStringList rows[] = {
        {"1990", "Planting", "100", "-", "-", "-", "-"},
        {"2010", "", "", "", "", "", ""},
        {"2011", "", "30", "", "", "", ""},
        {"2020", "Thinning", "12.5", "Removed", "Left", "Removed", "Left"},
        {"2030", "Unknown", "0", "Left", "Removed", "Left", "Removed"},
        {"4999", "Clearcut", "100", "Removed", "Removed", "Left", "Left"},
    };
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 7; ++c) grid.SetCell(c, r + 1, rows[r][c]);
    }
    window_->SaveManActions(true);
    const std::string file = folder_->file("site.txt");
    CSite& site = window_->SiteRecord();
    site.Cohort(0).HasBiomassData = true;
    for (double& stems : site.Cohort(0).BiomassData.BAF[standsim::ST]) stems = 1.0;
    site.Cohort(0).BiomassData.TurnOver[standsim::LV] = 1.0;  // deciduous, as its flag says
    site.WriteToFile(file);
    const auto read = CSite::ReadFromFile(file, nullptr, nullptr);
    const CForMan& written = site.Cohort(0).ForMan;
    const CForMan& opened = read->Cohort(0).ForMan;
    QCOMPARE(opened.NrForManData, 6);
    QCOMPARE(written.ManActions[1].ACTTYPE, int(standsim::ACT_NONE));
    QVERIFY(std::memcmp(opened.ManActions.data(), written.ManActions.data(),
                        sizeof written.ManActions) == 0);
  }

  void actionsStayInStoredOrder() {
    StringGrid& grid = *window_->StringGridManagement;
    const char* years[] = {"2030", "2010", "2020"};
    for (int r = 0; r < 3; ++r) {
      grid.SetCell(0, r + 1, years[r]);
      grid.SetCell(1, r + 1, "Thinning");
      grid.SetCell(2, r + 1, "10");
      grid.SetCell(3, r + 1, "Removed");
    }
    window_->FillManagementArray();
    QCOMPARE(Row(grid, 1),
             QStringList({"2030", "Thinning", "10", "Removed", "Left", "Left", "Left"}));
    QCOMPARE(grid.Cell(0, 2), QString("2010"));
    QCOMPARE(grid.Cell(0, 3), QString("2020"));
    QCOMPARE(window_->ChartManagement->Bottom().Maximum, 2040.0);
    QCOMPARE(window_->ChartManagement->Count(), 3);
    QCOMPARE(window_->ChartManagement->Label(0), QString("Thinning"));
  }

  // A thinning of 20 % in 2010 stored, then its year or percentage changed
  // to a value out of its range: the commit is refused, the cohort keeps
  // the thinning, and the grid shows it again with the refused cell current;
  // the top of each range is taken. A cohort just inserted holds no action
  // yet: its first row, a thinning of 150 % in 2030 typed over the planting
  // row, is refused when the grid is left, and the planting row is back.
  void aManagementCellOutOfItsRangeStopsTheCommit_data() {
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // "" when taken
    const QString year = "Error: the year of a management action is outside 0..4999 (%1)";
    const QString percentage = "Percentage must be between 0 and 100 %...";
    QTest::newRow("year just above") << false << 0 << "5000" << year.arg(5000);
    QTest::newRow("year 6000") << false << 0 << "6000" << year.arg(6000);
    QTest::newRow("year 1000000") << false << 0 << "1000000" << year.arg(1000000);
    QTest::newRow("year at the top") << false << 0 << "4999"
                                     << "";
    QTest::newRow("percentage just above") << false << 2 << "100.001" << percentage;
    QTest::newRow("percentage 120") << false << 2 << "120" << percentage;
    QTest::newRow("percentage 1e300") << false << 2 << "1e300" << percentage;
    QTest::newRow("percentage at the top") << false << 2 << "100"
                                           << "";
    QTest::newRow("first action of an inserted cohort") << true << 2 << "150" << percentage;
  }
  void aManagementCellOutOfItsRangeStopsTheCommit() {
    QFETCH(bool, inserted);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, message);
    StringGrid& grid = *window_->StringGridManagement;
    if (inserted) {
      QVERIFY(ShowWindow(*window_));
      window_->Insertnewcohort1Click();
      QCOMPARE(window_->CurrentCohortIndex(), 1);
      QCOMPARE(Row(grid, 1), QStringList({"", "Planting", "100", "-", "-", "-", "-"}));
      grid.setFocus();
      grid.SetCell(0, 1, "2030");
      grid.SetCell(1, 1, "Thinning");
      grid.SetCell(col, 1, text);
      dialogs_.Clear();
      window_->ComboBoxSpecies->setFocus();
      QCOMPARE(dialogs_.messages, QStringList({message}));
      QCOMPARE(window_->SiteRecord().Cohort(1).ForMan.NrForManData, 0);
      QCOMPARE(Row(grid, 1), QStringList({"", "Planting", "100", "-", "-", "-", "-"}));
      QCOMPARE(grid.currentRow() + 1, 1);
      QCOMPARE(grid.currentColumn(), col);
      QVERIFY(!Paint(*window_).isNull());
      return;
    }
    grid.SetCell(0, 1, "2010");
    grid.SetCell(1, 1, "Thinning");
    grid.SetCell(2, 1, "20");
    window_->FillManagementArray();
    grid.SetCell(col, 1, text);
    QCOMPARE(Refusal([&] { window_->FillManagementArray(); }), message);
    const standsim::MANACT& action = window_->SiteRecord().Cohort(0).ForMan.ManActions[0];
    QCOMPARE(window_->SiteRecord().Cohort(0).ForMan.NrForManData, 1);
    if (message.isEmpty()) {
      QCOMPARE(col == 0 ? static_cast<double>(action.YEAR) : action.PERC, text.toDouble());
      QCOMPARE(grid.Cell(col, 1), text);
    } else {
      QCOMPARE(action.YEAR, 2010);
      QCOMPARE(action.PERC, 20.0);
      QCOMPARE(Row(grid, 1),
               QStringList({"2010", "Thinning", "20", "Left", "Left", "Left", "Left"}));
      QCOMPARE(grid.currentRow() + 1, 1);
      QCOMPARE(grid.currentColumn(), col);
      QCOMPARE(window_->ChartManagement->Count(), 1);
      QCOMPARE(window_->ChartManagement->Point(0), QPointF(2010, 20));
    }
  }

  void strictCommitOfAnEvenAgedStandNeedsAnAction() {
    QVERIFY_THROWS_EXCEPTION(TarvexError, window_->SaveManActions(true));
    window_->SaveManActions(false);
  }

  void aChosenActionFillsItsRow_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<double>("leavesTurnover");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("clearcut, leaves fall yearly")
        << "Clearcut" << 1.0
        << QStringList({"2050", "Clearcut", "100", "Removed", "Removed", "Left", "Left"});
    QTest::newRow("clearcut, evergreen leaves")
        << "Clearcut" << 0.25
        << QStringList({"2050", "Clearcut", "100", "Removed", "Removed", "Left", "Removed"});
    QTest::newRow("thinning keeps its percentage")
        << "Thinning" << 1.0
        << QStringList({"2050", "Thinning", "30", "Removed", "Removed", "Left", "Left"});
  }
  void aChosenActionFillsItsRow() {
    QFETCH(QString, action);
    QFETCH(double, leavesTurnover);
    QFETCH(QStringList, row);
    window_->SiteRecord().Cohort(0).BiomassData.TurnOver[standsim::LV] = leavesTurnover;
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 3, "2050");
    grid.SetCell(2, 3, "30");
    bool canSelect = true;
    window_->StringGridManagementSelectCell(1, 3, canSelect);
    QVERIFY(canSelect);
    QVERIFY(!window_->ComboBox1->isHidden());
    window_->ComboBox1->setCurrentText(action);
    window_->ComboBox1Change();
    QVERIFY(window_->ComboBox1->isHidden());
    QCOMPARE(Row(grid, 1), row);  // the commit moved the only action up
  }

  void aListWritesTheRowChosenAfterTheCommitMovedIt() {
    // Rows 1 and 3 hold actions; row 2 is empty.
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 1, "2000");
    grid.SetCell(1, 1, "Planting");
    grid.SetCell(0, 3, "2040");
    grid.SetCell(1, 3, "Thinning");
    grid.SetCell(2, 3, "15");
    bool canSelect = true;
    window_->StringGridManagementSelectCell(1, 2, canSelect);
    window_->ComboBox1->setCurrentText("Clearcut");
    window_->ComboBox1Change();
    // The thinning moved to row 2 and is kept; the choice went to a free row.
    QCOMPARE(Row(grid, 2), QStringList({"2040", "Thinning", "15", "Left", "Left", "Left", "Left"}));
    QCOMPARE(grid.Cell(1, 3), QString("Clearcut"));
  }

  void choosingPlantingWritesThePlantingRow() {
    StringGrid& grid = *window_->StringGridManagement;
    for (int r = 1; r <= 4; ++r) grid.SetCell(0, r, QString::number(1980 + 10 * r));
    bool canSelect = true;
    window_->StringGridManagementSelectCell(1, 4, canSelect);
    window_->ComboBox1->setCurrentText("Planting");
    window_->ComboBox1Change();
    QCOMPARE(grid.Cell(1, 4), QString("Planting"));
    QCOMPARE(Row(grid, 1), QStringList({"1990", "Planting", "100", "-", "-", "-", "-"}));
  }

  void cellsThatCannotBeChosen() {
    StringGrid& grid = *window_->StringGridManagement;
    struct Case {
      int col, row;
      bool selectable;
    } cases[] = {{2, 1, false}, {2, 2, false}, {2, 3, true}, {4, 3, true}};
    for (const Case& c : cases) {
      window_->StringGridManagement->ClearRows();
      grid.SetCell(0, 1, "2000");
      grid.SetCell(1, 1, "Planting");
      grid.SetCell(0, 2, "2050");
      grid.SetCell(1, 2, "Clearcut");
      grid.SetCell(0, 3, "2030");
      grid.SetCell(1, 3, "Thinning");
      bool canSelect = true;
      window_->StringGridManagementSelectCell(c.col, c.row, canSelect);
      QCOMPARE(canSelect, c.selectable);
    }
    // A removal cell of a row without action: refused before any commit.
    window_->StringGridManagement->ClearRows();
    grid.SetCell(0, 1, "2040");
    bool canSelect = true;
    window_->StringGridManagementSelectCell(3, 1, canSelect);
    QVERIFY(!canSelect);
    QCOMPARE(grid.Cell(1, 1), QString());  // a commit would show "Unknown"
    QVERIFY(window_->ComboBox2->isHidden());
  }

  void defaultSchedules_data() {
    QTest::addColumn<bool>("natural");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QString>("schedule");
    QTest::newRow("R = 80")
        << false << 0 << 80
        << "1990:3:100 2010:1:20 2020:1:20 2030:1:20 2040:1:20 2050:1:20 2060:1:20 2070:2:100";
    QTest::newRow("R = 60")
        << false << 0 << 60
        << "1990:3:100 2000:1:20 2010:1:20 2020:1:20 2030:1:20 2040:1:20 2050:2:100";
    QTest::newRow("R = 50") << false << 0 << 50
                            << "1990:3:100 2000:1:20 2010:1:20 2020:1:20 2030:1:20 2040:2:100";
    QTest::newRow("natural 1990..2050") << true << 2050 << 0 << "2010:1:10 2030:1:10 2050:1:10";
    QTest::newRow("natural 1990..2000") << true << 2000 << 0 << "2010:1:10";
  }
  void defaultSchedules() {
    QFETCH(bool, natural);
    QFETCH(int, last);
    QFETCH(int, rotation);
    QFETCH(QString, schedule);
    QCOMPARE(Schedule(DefaultSchedule(natural, 1990, last, rotation)), schedule);
  }

  void defaultManagementAsksAndReplacesTheActions() {
    ReadDeposition("period 1990 2050\nNOx_dep 0.5\n");
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 1, "1995");
    window_->CheckBoxDefManagement->setChecked(true);
    dialogs_.answers = {false};
    window_->CheckBoxDefManagementClick();
    QVERIFY(!window_->CheckBoxDefManagement->isChecked());
    QCOMPARE(grid.Cell(0, 1), QString("1995"));

    window_->CheckBoxDefManagement->setChecked(true);
    dialogs_.answers = {true};
    window_->CheckBoxDefManagementClick();
    QCOMPARE(dialogs_.questions.back(),
             QString("Warning!: This will erase all management specified; are you sure ?"));
    QCOMPARE(Row(grid, 1), QStringList({"1990", "Planting", "100", "-", "-", "-", "-"}));
    QCOMPARE(Row(grid, 2),
             QStringList({"2010", "Thinning", "20", "Removed", "Removed", "Left", "Left"}));
    QVERIFY(window_->CheckBoxDefManagement->isChecked());
    QVERIFY(!window_->IsScenarioSaved());

    window_->ComboBoxSpecies->setEditText("Unknown");
    QVERIFY_THROWS_EXCEPTION(TarvexError, window_->CheckBoxDefManagementClick());
  }

  // The schedule starts with the deposition period: before it is read there
  // is none, and nothing is asked or changed.
  void defaultManagementNeedsTheDeposition() {
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 1, "1995");
    window_->CheckBoxDefManagement->setChecked(true);
    dialogs_.answers = {true};
    QCOMPARE(Refusal([&] { window_->CheckBoxDefManagementClick(); }),
             QString("Error: first read the N deposition of this site!"));
    QVERIFY(dialogs_.questions.isEmpty());
    QVERIFY(!window_->CheckBoxDefManagement->isChecked());
    QCOMPARE(grid.Cell(0, 1), QString("1995"));
    QCOMPARE(window_->SiteRecord().Cohort(0).ForMan.NrForManData, 0);
  }

  // A natural stand thinned every 20 years: a schedule of more actions than
  // a cohort holds is refused whole, one that just fits is shown whole, and
  // after a commit of the grid the record holds what the grid showed.
  void aDefaultScheduleFitsTheGridWholeOrNotAtAll_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("kept");  // actions after the commit
    QTest::addColumn<QString>("lastYear");
    QTest::newRow("99 thinnings") << "1001 2981"
                                  << "" << 99 << "2981";
    QTest::newRow("100 thinnings")
        << "1001 3001"
        << "Error: the default management of this period needs 100 actions; a cohort holds at "
           "most 99!"
        << 1 << "1500";
    QTest::newRow("4999 years") << "1 4999"
                                << "Error: the default management of this period needs 249 "
                                   "actions; a cohort holds at most 99!"
                                << 1 << "1500";
  }
  void aDefaultScheduleFitsTheGridWholeOrNotAtAll() {
    QFETCH(QString, period);
    QFETCH(QString, refusal);
    QFETCH(int, kept);
    QFETCH(QString, lastYear);
    window_->RadioGroupManType->SetItemIndex(1);
    ReadDeposition("period " + period.toStdString() + "\nNOx_dep 0.5\n");
    StringGrid& grid = *window_->StringGridManagement;
    grid.SetCell(0, 1, "1500");
    grid.SetCell(1, 1, "Thinning");
    grid.SetCell(2, 1, "5");
    window_->FillManagementArray();
    window_->CheckBoxDefManagement->setChecked(true);
    dialogs_.answers = {true};
    QCOMPARE(Refusal([&] { window_->CheckBoxDefManagementClick(); }), refusal);
    QCOMPARE(window_->CheckBoxDefManagement->isChecked(), refusal.isEmpty());
    window_->FillManagementArray();
    const CForMan& record = window_->SiteRecord().Cohort(0).ForMan;
    QCOMPARE(record.NrForManData, kept);
    QCOMPARE(grid.Cell(0, kept), lastYear);
    QCOMPARE(record.ManActions[static_cast<std::size_t>(kept - 1)].YEAR, lastYear.toInt());
  }

 private:
  void ReadDeposition(const std::string& qsmText) {
    const std::string qsm = folder_->write("site.qsm", qsmText);
    window_->EditQsmpFileName->setText(QString::fromStdString(qsm));
    window_->ButtonReadNdepClick();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
  }
};

QTEST_MAIN(GridsTest)
#include "grids_test.moc"
