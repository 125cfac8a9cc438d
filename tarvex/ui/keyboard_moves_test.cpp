// The main window driven from the keyboard in a shown window: the questions
// that only Yes or No answers, the accelerators of the menus and pages, the
// focus after a file is opened, and the window's smallest size.
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

class KeyboardMovesTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    QVERIFY(ShowWindow(*window_));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
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
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
      box.close();  // as its close button does
      QCoreApplication::processEvents();
      stayed = box.isVisible() && QApplication::activeModalWidget() == &box &&
               w.StringGridStemGrowth->Cell(1, 2) == "9";
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
