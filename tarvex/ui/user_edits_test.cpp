// The main window driven as a user drives it, in a shown window: typed
// cells and texts, clicks on buttons, tabs and menu commands, and the
// answers to the questions. No edit may be lost or silently changed.
#include <QAction>
#include <QAreaSeries>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QValueAxis>

#include "tarvex/data/scenario_file.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

// Replaces the text of EDIT by TEXT, typed.
void TypeInto(QLineEdit& edit, const QString& text) {
  edit.setFocus();
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_Delete);
  QTest::keyClicks(&edit, text);
}

// Clicks the box of a check box or radio button, which may be far narrower
// than the widget.
void ClickBox(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void ClickItem(RadioGroup& group, const QString& item) {
  for (QRadioButton* button : group.findChildren<QRadioButton*>()) {
    if (button->text() == item) ClickBox(button);
  }
}

QStringList GridRows(const StringGrid& grid, int rows) {
  QStringList texts;
  for (int r = 1; r <= rows; ++r) {
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells << grid.Cell(c, r);
    texts << cells.join(',');
  }
  return texts;
}

// Chooses ACTION from the list that a click on the action cell of ROW opens.
void ChooseAction(TForm1& window, int row, const QString& action) {
  StringGrid& grid = *window.StringGridManagement;
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(1, row).center());
  ChooseInList(*window.ComboBox1, action);
}

// What a user types for an even-aged cohort of SPECIES on the shown window:
// the QSM file and region when given, the species chosen from its list
// (its biomass defaults taken), the growth points and the year of the
// planting that the first management row holds.
void EnterCohort(TForm1& window, RecordingDialogs& dialogs, const QString& species,
                 const QStringList& growth, const QString& plantingYear) {
  ClickTab(*window.PageControl1, window.TabSheetInputs);
  ChooseInList(*window.ComboBoxSpecies, species);
  for (int i = 0; i < growth.size(); ++i) {
    const QStringList point = growth[i].split(',');
    TypeIntoCell(*window.StringGridStemGrowth, 0, i + 1, point[0]);
    TypeIntoCell(*window.StringGridStemGrowth, 1, i + 1, point[1]);
  }
  ChooseAction(window, 1, "Planting");
  TypeIntoCell(*window.StringGridManagement, 0, 1, plantingYear);
  dialogs.Clear();
}

void EnterSite(TForm1& window, const std::string& qsm) {
  ClickTab(*window.PageControl1, window.TabSheetSiteInputs);
  TypeInto(*window.EditQsmpFileName, QString::fromStdString(qsm));
  TypeInto(*window.ComboBoxRegions->lineEdit(), "Boreal");
}

std::string TextOf(const CSite& site) { return ScenarioText(site, "scenario"); }

}  // namespace

class UserEditsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    qsm_ = folder_->write("site.qsm", kQsmText);
    QVERIFY(ShowWindow(*window_));
  }
  void cleanup() { window_.reset(); }

  // A cohort of two entered, the first shown; then a cell of a grid of the
  // first gets a value that cannot be stored, typed and left open as a user
  // leaves it, and a command needing a commit is given. The value is refused
  // once, the grid shows again what the cohort holds, and nothing of the
  // value reaches the cohort. A command that leaves the grid (the button
  // "Show next Cohort", the page "Results") finds the grid refused and shown
  // again already. The growth grid's refusal is only the red text beside
  // it, which a move or the results would hide: the command stops and shows
  // it. The management grid's refusal was shown in a box as the grid was
  // left (the real box takes the click, so the command is not given; the
  // recorded one lets it go on with what the cohort holds).
  void aRefusedCellIsShownAsTheCohortHoldsIt_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("ran");
    const struct {
      const char* fault;
      const char* name;
      bool growth;
      QString message;
    } faults[] = {
        {"age", "duplicate age", true, "Error: Duplicate entry"},
        {"increment", "increment 1e6", true,
         "Error: the increment at age 50 is outside 0..500 m3/ha/yr (1e+06)"},
        {"percentage", "percentage above 100", false, "Percentage must be between 0 and 100 %..."},
        {"year", "year 6000", false,
         "Error: the year of a management action is outside 0..4999 (6000)"},
    };
    for (const char* command : {"insert", "next", "run", "save"}) {
      const bool leavesTheGrid = QString(command) == "next" || QString(command) == "run";
      for (const auto& f : faults) {
        QTest::addRow("%s, %s", f.name, command)
            << f.fault << command << QStringList{f.message} << (leavesTheGrid && !f.growth);
      }
    }
  }
  void aRefusedCellIsShownAsTheCohortHoldsIt() {
    QFETCH(QString, fault);
    QFETCH(QString, command);
    QFETCH(QStringList, messages);
    QFETCH(bool, ran);
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2", "50,12", "120,6"}, "2000");
    TypeIntoCell(*w.StringGridManagement, 0, 2, "2030");
    ChooseAction(w, 2, "Thinning");
    TypeIntoCell(*w.StringGridManagement, 2, 2, "20");
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Pinus sylvestris", {"20,4"}, "2005");
    QTest::mouseClick(w.ButtonPreviousCohort, Qt::LeftButton);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));

    StringGrid& growth = *w.StringGridStemGrowth;
    StringGrid& management = *w.StringGridManagement;
    const QStringList growthRows = GridRows(growth, 5);
    const QStringList managementRows = GridRows(management, 3);
    if (fault == "age") TypeIntoCell(growth, 0, 4, "10");
    if (fault == "increment") TypeIntoCell(growth, 1, 2, "1e6");
    if (fault == "percentage") TypeIntoCell(management, 2, 2, "120");
    if (fault == "year") TypeIntoCell(management, 0, 2, "6000");
    const std::string before = TextOf(w.SiteRecord());
    dialogs_.Clear();
    dialogs_.files = {ScratchFile("stand.tvx")};
    if (command == "insert") QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    if (command == "next") QTest::mouseClick(w.ButtonNextCohort, Qt::LeftButton);
    if (command == "run") ClickTab(*w.PageControl1, w.TabSheetResults);
    if (command == "save") QTest::mouseClick(w.SpeedButtonSaveFile, Qt::LeftButton);

    QCOMPARE(dialogs_.messages, messages);
    QCOMPARE(w.SiteRecord().NrCohorts(), 2);
    QCOMPARE(w.CurrentCohortIndex(), ran && command == "next" ? 1 : 0);
    QCOMPARE(w.PageControl1->currentWidget() == w.TabSheetResults, ran && command == "run");
    QVERIFY(!QFile::exists(ScratchFile("stand.tvx")));
    QCOMPARE(TextOf(w.SiteRecord()), before);
    if (ran && command == "next") QTest::mouseClick(w.ButtonPreviousCohort, Qt::LeftButton);
    if (ran && command == "run") ClickTab(*w.PageControl1, w.TabSheetInputs);
    QCOMPARE(GridRows(growth, 5), growthRows);
    QCOMPARE(GridRows(management, 3), managementRows);
  }

  // A percentage of 150 typed and the cell left: refused once, the cell
  // shows the 20 % the thinning has, and the keys typed next go into it.
  void aRefusedPercentageIsCorrectedByTyping() {
    TForm1& w = *window_;
    EnterEvenAgedCohort(w, dialogs_, qsm_);  // row 2: a thinning of 20 % in 2030
    StringGrid& management = *w.StringGridManagement;
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    QTest::mouseClick(management.viewport(), Qt::LeftButton, {},
                      management.CellRect(0, 3).center());
    QCOMPARE(w.SiteRecord().Cohort(0).ForMan.ManActions[1].PERC, 20.0);

    TypeIntoCell(management, 2, 2, "150");
    QTest::mouseClick(management.viewport(), Qt::LeftButton, {},
                      management.CellRect(0, 3).center());
    QCOMPARE(dialogs_.messages, QStringList({"Percentage must be between 0 and 100 %..."}));
    QCOMPARE(management.Cell(2, 2), QString("20"));
    QCOMPARE(w.SiteRecord().Cohort(0).ForMan.ManActions[1].PERC, 20.0);
    QCOMPARE(QApplication::focusWidget(), &management);
    QCOMPARE(management.currentRow() + 1, 2);
    QCOMPARE(management.currentColumn(), 2);
    // The cell shown selected is the one the keys go to, not the one clicked.
    QCOMPARE(management.selectedItems(), QList<QTableWidgetItem*>({management.currentItem()}));
    QTest::qWait(20);  // the user looks at the grid

    // The first key opens the cell's editor, which takes the others.
    QTest::keyClicks(&management, "5");
    QTest::keyClicks(QApplication::focusWidget(), "0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::mouseClick(management.viewport(), Qt::LeftButton, {},
                      management.CellRect(0, 3).center());
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(management.Cell(2, 2), QString("50"));
    QCOMPARE(w.SiteRecord().Cohort(0).ForMan.ManActions[1].PERC, 50.0);
  }

  // A refusal of the growth grid is shown below it and its chart, which
  // keeps its width whatever the message's length; it goes with the grid
  // when the stand becomes natural.
  void aGrowthRefusalBelongsToTheGridShown() {
    TForm1& w = *window_;
    EnterEvenAgedCohort(w, dialogs_, qsm_);
    StringGrid& growth = *w.StringGridStemGrowth;
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    QVERIFY(!Paint(w).isNull());
    const int chartWidth = w.ChartStemGrowth->width();
    TypeIntoCell(growth, 1, 2, "1e6");
    QTest::mouseClick(growth.viewport(), Qt::LeftButton, {}, growth.CellRect(0, 3).center());
    QVERIFY(!Paint(w).isNull());
    QCOMPARE(w.LabelDupEntry->text(),
             QString("Error: the increment at age 50 is outside 0..500 m3/ha/yr (1e+06)"));
    QVERIFY(w.LabelDupEntry->isVisible());
    QCOMPARE(w.ChartStemGrowth->width(), chartWidth);
    QCOMPARE(growth.Cell(1, 2), QString("12"));

    ClickTab(*w.PageControl1, w.TabSheetSiteInputs);
    ClickItem(*w.RadioGroupManType, "Natural rejuvination");
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    QVERIFY(!Paint(w).isNull());
    QVERIFY(!w.LabelDupEntry->isVisible());
    ClickTab(*w.PageControl1, w.TabSheetSiteInputs);
    ClickItem(*w.RadioGroupManType, "Uniform age");
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    QVERIFY(w.LabelDupEntry->isVisible());
  }

  // The example of two cohorts opened; a growth of 1e6 typed into a cohort
  // and the grid left, by a click on another cell or by the command itself.
  // The red text below the grid belongs to that cohort: it stays while the
  // cohort is shown (a save, which leaves the cell open, takes the grid
  // without a commit of its own), and goes when another cohort is shown, or
  // a new scenario. A move that leaves the grid itself stops and shows the
  // refusal, which the next cohort shown would hide.
  void aGrowthRefusalGoesWithItsCohort_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("cohortShown");  // 0-based, after the command
    QTest::addColumn<bool>("kept");
    QTest::newRow("next") << "next" << 0 << true;
    QTest::newRow("previous") << "previous" << 1 << true;
    QTest::newRow("insert") << "insert" << 2 << false;
    QTest::newRow("delete") << "delete" << 0 << false;
    QTest::newRow("open") << "open" << 0 << false;
    QTest::newRow("new") << "new" << 0 << false;
    QTest::newRow("save") << "save" << 0 << true;
  }
  void aGrowthRefusalGoesWithItsCohort() {
    QFETCH(QString, command);
    QFETCH(int, cohortShown);
    QFETCH(bool, kept);
    TForm1& w = *window_;
    const QString example = QString::fromStdString(w.AppDataPath()) + "even_aged_stand.tvx";
    dialogs_.files = {example};
    w.Open1->trigger();
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    if (command == "previous") QTest::mouseClick(w.ButtonNextCohort, Qt::LeftButton);
    StringGrid& growth = *w.StringGridStemGrowth;
    TypeIntoCell(growth, 1, 2, "1e6");
    const QString refusal("Error: the increment at age 20 is outside 0..500 m3/ha/yr (1e+06)");
    // A command that takes the focus leaves the grid itself.
    const bool leavesTheGrid = command == "next" || command == "previous";
    if (!leavesTheGrid) {
      QTest::mouseClick(growth.viewport(), Qt::LeftButton, {}, growth.CellRect(0, 3).center());
      QVERIFY(!Paint(w).isNull());
      QCOMPARE(w.LabelDupEntry->text(), refusal);
    }
    dialogs_.Clear();
    dialogs_.answers = {command == "delete"};  // "Delete current cohort ?", or no save
    dialogs_.files = {command == "save" ? ScratchFile("saved.tvx") : example};
    if (command == "next") QTest::mouseClick(w.ButtonNextCohort, Qt::LeftButton);
    if (command == "previous") QTest::mouseClick(w.ButtonPreviousCohort, Qt::LeftButton);
    if (command == "insert") QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    if (command == "delete") w.Deletecohort1->trigger();
    if (command == "open") w.Open1->trigger();
    if (command == "new") w.New1->trigger();
    if (command == "save") QTest::mouseClick(w.SpeedButtonSaveFile, Qt::LeftButton);
    QVERIFY(!Paint(w).isNull());

    QCOMPARE(dialogs_.messages, leavesTheGrid ? QStringList{refusal} : QStringList());
    QCOMPARE(w.CurrentCohortIndex(), cohortShown);
    if (command == "save") QVERIFY(QFile::exists(ScratchFile("saved.tvx")));
    QVERIFY(w.LabelDupEntry->isVisible());
    QCOMPARE(w.LabelDupEntry->text(), kept ? refusal : QString(" "));
    if (!leavesTheGrid) return;
    // Shown once: the move given again goes on with what the cohort holds.
    dialogs_.Clear();
    QTest::mouseClick(command == "next" ? w.ButtonNextCohort : w.ButtonPreviousCohort,
                      Qt::LeftButton);
    QVERIFY(!Paint(w).isNull());
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(w.CurrentCohortIndex(), command == "next" ? 1 : 0);
    QCOMPARE(w.LabelDupEntry->text(), QString(" "));
  }

  void everyChangeOfWhatASaveWritesIsOfferedForSaving() {
    TForm1& w = *window_;
    QVERIFY(w.IsScenarioSaved());
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    dialogs_.files = {ScratchFile("stand.tvx")};
    w.Save1->trigger();
    QVERIFY(w.IsScenarioSaved());

    // The forest type there and back is no change; one way it is.
    ClickTab(*w.PageControl1, w.TabSheetSiteInputs);
    ClickItem(*w.RadioGroupManType, "Natural rejuvination");
    ClickItem(*w.RadioGroupManType, "Uniform age");
    QVERIFY(w.IsScenarioSaved());
    ClickItem(*w.RadioGroupManType, "Natural rejuvination");
    QVERIFY(!w.IsScenarioSaved());
    dialogs_.answers = {false};
    QVERIFY(w.close());
    QCOMPARE(dialogs_.questions, QStringList({"Save the file: Save Tarvex file ?"}));
  }

  void openAsksToSaveUnsavedWorkFirst() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    dialogs_.files = {ScratchFile("stand.tvx")};
    w.Save1->trigger();
    TypeIntoCell(*w.StringGridStemGrowth, 1, 1, "3");
    const std::string other = folder_->write("other.tvx", contents(folder_->file("stand.tvx")));

    // Yes, and the save dialog cancelled: nothing is opened.
    dialogs_.Clear();
    dialogs_.answers = {true};
    dialogs_.files = {};
    QTest::mouseClick(w.SpeedButtonOpenFile, Qt::LeftButton);
    QCOMPARE(dialogs_.questions, QStringList({"Save the file: Save Tarvex file ?"}));
    QCOMPARE(w.StringGridStemGrowth->Cell(1, 1), QString("3"));
    QVERIFY(w.statusBar()->currentMessage().endsWith("stand.tvx"));

    // No: the file is opened and the edit is gone.
    dialogs_.Clear();
    dialogs_.answers = {false};
    dialogs_.files = {QString::fromStdString(other)};
    w.Open1->trigger();
    QCOMPARE(dialogs_.questions.size(), 1);
    QCOMPARE(w.StringGridStemGrowth->Cell(1, 1), QString("2"));
    QVERIFY(w.statusBar()->currentMessage().endsWith("other.tvx"));
    QVERIFY(w.IsScenarioSaved());
  }

  void readNdepChecksAndReadsTheOneResolvedFile() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    dialogs_.files = {ScratchFile("stand.tvx")};
    w.Save1->trigger();
    dialogs_.answers = {false};
    w.New1->trigger();
    // The current folder holds another file of that name; it is not read.
    const TestFolder current;
    current.write("site.qsm", "period 1800 1900\n");
    current.write("elsewhere.qsm", kQsmText);
    QDir::setCurrent(QString::fromStdString(current.folder()));
    dialogs_.Clear();
    ClickTab(*w.PageControl1, w.TabSheetSiteInputs);
    TypeInto(*w.EditQsmpFileName, "elsewhere.qsm");
    QTest::mouseClick(w.ButtonReadNdep, Qt::LeftButton);
    QCOMPARE(dialogs_.messages, QStringList({"No such file !"}));
    TypeInto(*w.EditQsmpFileName, "site.qsm");
    QTest::mouseClick(w.ButtonReadNdep, Qt::LeftButton);
    QVERIFY2(dialogs_.messages.size() == 1, qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(w.SiteRecord().QSMpInFile, qsm_);
    QCOMPARE(w.PeriodFirstYear(), 1990);
    QCOMPARE(w.ChartNdep->Count(), 61);
    QDir::setCurrent(PROGRAM_DIR);
  }

  void aScenarioEditedInTheWindowIsOpenedAsSaved() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2", "50,12.5", "120,6"}, "2000");
    // A thinning chosen from the cell's list, and a row holding only a year.
    TypeIntoCell(*w.StringGridManagement, 0, 2, "2030");
    ChooseAction(w, 2, "Thinning");
    TypeIntoCell(*w.StringGridManagement, 2, 2, "25");
    TypeIntoCell(*w.StringGridManagement, 0, 3, "2060");
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Pinus sylvestris", {"20,4"}, "2005");
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    QTest::mouseClick(w.SpeedButtonSaveFile, Qt::LeftButton);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(w.SiteRecord().Cohort(0).ForMan.ManActions[2].ACTTYPE, 0);

    RecordingDialogs otherDialogs;
    auto other = StartWindow(otherDialogs);
    QVERIFY(ShowWindow(*other));
    otherDialogs.files = {file};
    other->Open1->trigger();
    QVERIFY2(otherDialogs.messages.isEmpty(), qPrintable(otherDialogs.messages.join("; ")));
    QCOMPARE(TextOf(other->SiteRecord()), TextOf(w.SiteRecord()));
    QVERIFY(other->IsScenarioSaved());
  }

  void theExamplesOpenAndRunWithoutAMessage_data() {
    QTest::addColumn<QString>("example");
    QTest::newRow("even-aged") << "even_aged_stand.tvx";
    QTest::newRow("natural") << "natural_stand.tvx";
  }
  void theExamplesOpenAndRunWithoutAMessage() {
    QFETCH(QString, example);
    TForm1& w = *window_;
    dialogs_.files = {QString::fromStdString(w.AppDataPath()) + example};
    w.Open1->trigger();
    ClickTab(*w.PageControl1, w.TabSheetResults);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetResults);
    const CSite& site = w.SiteRecord();
    QCOMPARE(site.FirstYear, 1990);
    QVERIFY(site.Ndep[2003] > 0.05f);  // the gap of the series is filled
    QVERIFY(site.SumBiomass[2050].v[standsim::ST] > 0.0);
    QVERIFY(site.SumUptake[2050].v[standsim::NUT_N] > 0.0);
    QVERIFY(w.Chart1->Count() > 0);
  }

  // Opened or started over shown results, a scenario does not show them as
  // its own: its inputs are shown, and selecting "Results" runs it.
  void aScenarioReplacingShownResultsShowsItsInputs() {
    TForm1& w = *window_;
    const QString examples = QString::fromStdString(w.AppDataPath());
    dialogs_.files = {examples + "even_aged_stand.tvx"};
    w.Open1->trigger();
    ClickTab(*w.PageControl1, w.TabSheetResults);
    QVERIFY(w.Chart1->Count() > 0);
    dialogs_.files = {examples + "natural_stand.tvx"};
    w.Open1->trigger();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetInputs);
    QCOMPARE(w.Chart1->Count(), 0);
    ClickTab(*w.PageControl1, w.TabSheetResults);
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetResults);
    QVERIFY(w.Chart1->Count() > 0);
    w.New1->trigger();
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetInputs);
    QCOMPARE(w.Chart1->Count(), 0);
  }

  void theStatusBarKeepsTheFileNameWhileMenusAreOpen() {
    TForm1& w = *window_;
    dialogs_.files = {QString::fromStdString(w.AppDataPath()) + "natural_stand.tvx"};
    w.Open1->trigger();
    const QString shown = w.statusBar()->currentMessage();
    QVERIFY(shown.startsWith("Using file: "));
    QMenu* file = w.menuBar()->actions().front()->menu();
    file->popup(w.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(w.New1);
    file->setActiveAction(w.Save1);
    file->close();
    QCOMPARE(w.statusBar()->currentMessage(), shown);
  }

  void cohortButtonsAreEnabledOnlyWithACohortToGoTo() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Pinus sylvestris", {"20,4"}, "2005");
    QVERIFY(w.ButtonPreviousCohort->isEnabled());
    QVERIFY(!w.ButtonNextCohort->isEnabled());
    dialogs_.answers = {true};
    w.Deletecohort1->trigger();
    QCOMPARE(w.SiteRecord().NrCohorts(), 1);
    QVERIFY(!w.ButtonPreviousCohort->isEnabled());
    QVERIFY(!w.ButtonNextCohort->isEnabled());

    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Pinus sylvestris", {"20,4"}, "2005");
    QTest::mouseClick(w.ButtonPreviousCohort, Qt::LeftButton);
    QVERIFY(w.ButtonNextCohort->isEnabled());
    dialogs_.answers = {false};
    w.New1->trigger();
    QVERIFY(!w.ButtonPreviousCohort->isEnabled());
    QVERIFY(!w.ButtonNextCohort->isEnabled());
  }

  void theDefaultManagementTickStaysWithItsCohort() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    QTest::mouseClick(w.ButtonReadNdep, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    dialogs_.answers = {true};
    ClickBox(w.CheckBoxDefManagement);
    QVERIFY(w.CheckBoxDefManagement->isChecked());
    QCOMPARE(w.StringGridManagement->Cell(1, 1), QString("Planting"));
    // Saved and opened again, the cohort still holds its default schedule.
    dialogs_.files = {ScratchFile("default.tvx")};
    w.Save1->trigger();
    dialogs_.files = {ScratchFile("default.tvx")};
    w.Open1->trigger();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QVERIFY(w.CheckBoxDefManagement->isChecked());
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    QCOMPARE(w.SiteRecord().NrCohorts(), 2);
    QVERIFY(!w.CheckBoxDefManagement->isChecked());
  }

  // Cohort 1 made by hand, two cohorts inserted and the default management
  // ticked on the last, and a run; then a step back and forth, and deletions down to
  // one cohort and once more. After each command the cohort area shows the
  // cohort shown.
  void theCohortAreaShowsTheCohortShown() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    QTest::mouseClick(w.ButtonReadNdep, Qt::LeftButton);
    const auto showsCohort = [&w](int number, const QString& species, bool defaultManagement) {
      const CSite& site = w.SiteRecord();
      const CCohort& cohort = site.Cohort(w.CurrentCohortIndex());
      const QString firstAge =
          cohort.Cai.NrDataGrowth > 0 ? QString::number(cohort.Cai.Points[0].AGE) : QString();
      const QString firstYear = cohort.ForMan.NrForManData > 0
                                    ? QString::number(cohort.ForMan.ManActions[0].YEAR)
                                    : QString();
      QCOMPARE(w.CurrentCohortIndex(), number - 1);
      QCOMPARE(QString::fromStdString(cohort.SpeciesName), species);
      QCOMPARE(w.ComboBoxSpecies->currentText(), species);
      QCOMPARE(w.LabelSpecies->text(), species);
      QCOMPARE(w.CheckBoxDefManagement->isChecked(), defaultManagement);
      QCOMPARE(w.StringGridStemGrowth->Cell(0, 1), firstAge);
      QCOMPARE(w.StringGridManagement->Cell(0, 1), firstYear);
      QCOMPARE(w.LabelCohortNumber->text(), "Cohort " + QString::number(number));
      QCOMPARE(w.LabelNrCohorts->text(), "Number of cohorts: " + QString::number(site.NrCohorts()));
      QCOMPARE(w.ButtonPreviousCohort->isEnabled(), number > 1);
      QCOMPARE(w.ButtonNextCohort->isEnabled(), number < site.NrCohorts());
    };
    EnterCohort(w, dialogs_, "Pinus sylvestris", {"20,4"}, "2005");
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    showsCohort(2, "Unknown", false);
    EnterCohort(w, dialogs_, "Pinus nigra", {"10,2"}, "2000");
    QTest::mouseClick(w.SpeedButtonInsertCohort, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Picea abies", {"10,2"}, "2000");
    dialogs_.answers = {true};
    ClickBox(w.CheckBoxDefManagement);
    QVERIFY(w.CheckBoxDefManagement->isChecked());
    QCOMPARE(w.SiteRecord().NrCohorts(), 3);
    // The results of the cohort shown are named by the species chosen for it.
    ClickTab(*w.PageControl1, w.TabSheetResults);
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetResults);
    QVERIFY(!Paint(w).isNull());
    QCOMPARE(w.LabelSpecies->text(), QString("Picea abies"));
    ClickTab(*w.PageControl1, w.TabSheetInputs);

    QTest::mouseClick(w.ButtonPreviousCohort, Qt::LeftButton);
    showsCohort(2, "Pinus nigra", false);
    QTest::mouseClick(w.ButtonNextCohort, Qt::LeftButton);
    showsCohort(3, "Picea abies", true);
    dialogs_.answers = {true, true, true};
    w.Deletecohort1->trigger();
    showsCohort(2, "Pinus nigra", false);
    w.Deletecohort1->trigger();
    showsCohort(1, "Pinus sylvestris", false);
    w.Deletecohort1->trigger();
    showsCohort(1, "Unknown", false);
    QCOMPARE(GridRows(*w.StringGridManagement, 2),
             QStringList({",Planting,100,-,-,-,-", ",,,,,,"}));
    QCOMPARE(w.StringGridStemGrowth->Cell(1, 1), QString());
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
  }

  // The highest point of a curve lies below the top of its plot, and a bar
  // in the first year of the period is drawn whole.
  void chartsShowTheirHighestPointAndEndBarsWhole() {
    TForm1& w = *window_;
    EnterSite(w, qsm_);
    QTest::mouseClick(w.ButtonReadNdep, Qt::LeftButton);
    EnterCohort(w, dialogs_, "Picea abies", {"30,22"}, "1990");
    TypeIntoCell(*w.StringGridStemGrowth, 0, 2, "60");
    w.ChartStemGrowth->Refresh();
    const auto* left =
        qobject_cast<QValueAxis*>(w.ChartStemGrowth->chart()->axes(Qt::Vertical).front());
    QVERIFY2(left->max() > 22.0, qPrintable(QString::number(left->max())));

    Chart& management = *w.ChartManagement;
    management.Refresh();
    const auto* bottom =
        qobject_cast<QValueAxis*>(management.chart()->axes(Qt::Horizontal).front());
    const auto* bars = qobject_cast<QAreaSeries*>(management.chart()->series().front());
    double leftEdge = 1e9;
    for (const QPointF& p : bars->upperSeries()->points()) leftEdge = std::min(leftEdge, p.x());
    QVERIFY2(leftEdge >= bottom->min(),
             qPrintable(QString("bar from %1, axis from %2").arg(leftEdge).arg(bottom->min())));
    QVERIFY(leftEdge < 1990.0);
  }

  void helpOpensOverTheMainWindow() {
    TForm1& w = *window_;
    w.move(300, 200);
    QTest::mouseClick(w.SpeedButton1, Qt::LeftButton);
    const HelpViewer& help = w.Help();
    QVERIFY(help.isVisible());
    QVERIFY(w.frameGeometry().contains(help.geometry().center()));
  }

 private:
  std::string qsm_;
};

QTEST_MAIN(UserEditsTest)
#include "user_edits_test.moc"
