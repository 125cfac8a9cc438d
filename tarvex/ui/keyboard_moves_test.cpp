// The main window driven from the keyboard in a shown window: the questions
// that only Yes or No answers (to save, to delete a cohort, to rewrite the
// QSM file, to take the default management), the accelerators of the menus
// and pages, the focus after a file is opened, and the window's smallest
// size.
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/testing/window_fixture.h"
#include "tarvex/window_logic/qsm_reference.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

// The first ROWS data rows of GRID, its cells apart by spaces and its rows
// by " | ".
QString FirstRows(const StringGrid& grid, int rows) {
  QStringList shown;
  for (int r = 1; r <= rows; ++r) {
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells << grid.Cell(c, r);
    shown << cells.join(' ');
  }
  return shown.join(" | ");
}

}  // namespace

class KeyboardMovesTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    QVERIFY(ShowActiveWindow(*window_));
  }
  void cleanup() { window_.reset(); }

  // An example opened and a growth cell changed; then New, Open or the
  // close of the window asks to save, in the program's own box. Escape and
  // the box's close button leave the question and the edit; Enter answers
  // Yes, which saves the edit.
  void onlyYesOrNoAnswersTheSaveQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("new") << "new";
    QTest::newRow("open") << "open";
    QTest::newRow("close") << "close";
  }
  void onlyYesOrNoAnswersTheSaveQuestion() {
    QFETCH(QString, command);
    TForm1& w = *window_;
    const QString examples = QString::fromStdString(w.AppDataPath());
    dialogs_.files = {examples + "even_aged_stand.tvx"};
    w.Open1->trigger();
    ClickTab(*w.PageControl1, w.TabSheetInputs);
    TypeIntoCell(*w.StringGridStemGrowth, 1, 2, "9");

    const QString saved = ScratchFile("saved.tvx");
    dialogs_.files = {saved, examples + "natural_stand.tvx"};
    dialogs_.realQuestions = true;
    bool stayed = false;
    QString shown;
    const QuestionAnswerer answerer([&](QMessageBox& box) {
      shown = box.windowTitle() + ": " + box.text();
      stayed = EscapeAndCloseLeaveOpen(box) && w.StringGridStemGrowth->Cell(1, 2) == "9";
      if (stayed) QTest::keyClick(&box, Qt::Key_Return);
    });
    if (command == "new") w.New1->trigger();
    if (command == "open") w.Open1->trigger();
    if (command == "close") QVERIFY(w.close());

    QCOMPARE(shown, QString("Save the file: Save Tarvex file ?"));
    QVERIFY(stayed);
    QCOMPARE(dialogs_.questions.size(), 1);
    const auto site = CSite::ReadFromFile(saved.toStdString(), {}, nullptr);
    QCOMPARE(site->Cohort(0).Cai.Points[1].AGE, 20);
    QCOMPARE(site->Cohort(0).Cai.Points[1].INC, 9.0);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    if (command == "new") QCOMPARE(w.SiteRecord().Cohort(0).SpeciesName, std::string("Unknown"));
    if (command == "open") QVERIFY(w.NaturalForest());
    if (command == "close") QVERIFY(!w.isVisible());
  }

  // The other questions, each asked in the program's own box of a shown
  // window: Escape and the box's close button leave the question and change
  // nothing; Enter answers Yes, which does the work, and the letter N No,
  // which leaves everything as it was.
  void theOtherQuestionsTakeOnlyYesOrNo_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    for (const char* question : {"delete cohort", "rewrite QSM file", "default management"}) {
      QTest::addRow("%s, Enter", question) << QString(question) << true;
      QTest::addRow("%s, N", question) << QString(question) << false;
    }
  }
  void theOtherQuestionsTakeOnlyYesOrNo() {
    QFETCH(QString, question);
    QFETCH(bool, yes);
    TForm1& w = *window_;
    const std::string qsm = folder_->write("site.qsm", kQsmText);
    EnterEvenAgedCohort(w, dialogs_, qsm);
    QString asked;                 // "caption: text" of the box
    std::function<QString()> now;  // what the question may change
    QString afterYes;              // and what Yes makes of it
    std::function<void()> ask;     // what the user does that asks
    if (question == "delete cohort") {
      w.Insertnewcohort1->trigger();
      w.ComboBoxSpecies->setEditText("Pinus nigra");
      asked = "Please confirm: Delete current cohort ?";
      now = [&] { return QString::number(w.SiteRecord().NrCohorts()); };
      afterYes = "1";
      ask = [&] { w.Deletecohort1->trigger(); };
    } else if (question == "rewrite QSM file") {
      ClickTab(*w.PageControl1, w.TabSheetResults);  // runs the model
      const QString results = ScratchFile("site1.csv");
      dialogs_.files = {results};
      asked = "Save: Save reference to uptake file in QSM+ input file?";
      now = [&] { return QString::fromStdString(contents(qsm)); };
      afterYes = kQsmText;
      for (int j = 1; j <= kQsmReferenceColumns; ++j) {
        afterYes += QString::fromStdString(QsmReferenceLine(j, results.toStdString())) + "\n";
      }
      ask = [&] { QTest::mouseClick(w.ButtonSaveResults, Qt::LeftButton); };
    } else {
      w.ButtonReadNdepClick();
      ClickTab(*w.PageControl1, w.TabSheetInputs);
      asked = "Warning!: This will erase all management specified; are you sure ?";
      now = [&] { return FirstRows(*w.StringGridManagement, 2); };
      afterYes = "1990 Planting 100 - - - - | 2010 Thinning 20 Removed Removed Left Left";
      ask = [&] {
        w.CheckBoxDefManagement->setFocus();
        QTest::keyClick(w.CheckBoxDefManagement, Qt::Key_Space);
      };
    }
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    const QString before = now();
    QVERIFY(before != afterYes);

    dialogs_.realQuestions = true;
    bool stayed = false;
    QString shown;
    const QuestionAnswerer answerer([&](QMessageBox& box) {
      shown = box.windowTitle() + ": " + box.text();
      stayed = EscapeAndCloseLeaveOpen(box) && now() == before;
      if (stayed) QTest::keyClick(&box, yes ? Qt::Key_Return : Qt::Key_N);
    });
    ask();
    QCOMPARE(shown, asked);
    QVERIFY(stayed);
    QCOMPARE(dialogs_.questions.size(), 1);
    QCOMPARE(now(), yes ? afterYes : before);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    if (question == "default management") QCOMPARE(w.CheckBoxDefManagement->isChecked(), yes);
  }

  // Alt and a letter opens a menu or a page; the shortcuts stay.
  void theMenusAndPagesHaveAccelerators() {
    TForm1& w = *window_;
    QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
    // A page chosen by its letter is chosen as a click does: "Results" runs.
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetInputs);
    QVERIFY(!dialogs_.messages.isEmpty());
    dialogs_.Clear();
    QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetSiteInputs);
    QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetInputs);

    QMenu* file = w.menuBar()->actions().front()->menu();
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    QVERIFY(QTest::qWaitForWindowExposed(file));
    QCOMPARE(QApplication::activePopupWidget(), file);
    dialogs_.files = {QString::fromStdString(w.AppDataPath()) + "natural_stand.tvx"};
    QTest::keyClick(file, Qt::Key_O);
    QTRY_VERIFY(!file->isVisible());
    QVERIFY(w.NaturalForest());
    QCOMPARE(w.Open1->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w.New1->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(w.Help2->shortcut(), QKeySequence(Qt::Key_F1));
  }

  // After a file is opened the page shown has the focus, so Ctrl+Tab goes
  // to the next page at once.
  void anOpenedFileLeavesTheFocusOnThePage() {
    TForm1& w = *window_;
    dialogs_.files = {QString::fromStdString(w.AppDataPath()) + "even_aged_stand.tvx"};
    w.Open1->trigger();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QVERIFY(w.PageControl1->isAncestorOf(focus));
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetSiteInputs);
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w.PageControl1->currentWidget(), w.TabSheetInputs);
  }

  // At the smallest size of the window every chart keeps a plot that can
  // be read, and the management grid shows five actions.
  void theSmallestWindowKeepsChartsAndGridsReadable() {
    TForm1& w = *window_;
    w.resize(1, 1);
    for (QWidget* page : {w.TabSheetSiteInputs, w.TabSheetInputs, w.TabSheetResults}) {
      {
        const QSignalBlocker quiet(w.PageControl1);  // no run
        w.PageControl1->setCurrentWidget(page);
      }
      Paint(w);
      for (const Chart* chart : page->findChildren<Chart*>()) {
        if (chart->isHidden()) continue;
        QVERIFY2(chart->width() >= 300 && chart->height() >= 200,
                 qPrintable(QString("%1x%2").arg(chart->width()).arg(chart->height())));
      }
    }
    const StringGrid& grid = *w.StringGridManagement;
    // The last row in view, whole or in part.
    QVERIFY(grid.rowAt(grid.viewport()->height() - 1) >= 4);
  }
};

QTEST_MAIN(KeyboardMovesTest)
#include "keyboard_moves_test.moc"
