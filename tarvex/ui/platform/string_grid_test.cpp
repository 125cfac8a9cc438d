// The string grid while a cell is being typed into: the cell holds the text
// typed so far, and leaving the grid from the cell editor counts as leaving
// the grid.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "tarvex/ui/platform/string_grid.h"

using namespace tarvex;

class StringGridTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    grid_ = new StringGrid(2, 5, 0, window_.get());
    other_ = new QLineEdit(window_.get());
    layout->addWidget(grid_);
    layout->addWidget(other_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  // Opens the editor of data cell (COL, ROW) and types TEXT into it.
  void TypeInto(int col, int row, const QString& text) {
    grid_->setFocus();
    grid_->setCurrentCell(row - 1, col);
    grid_->editItem(grid_->item(row - 1, col));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr && editor != grid_ && grid_->isAncestorOf(editor));
    // The editor opens with its text selected; type after it.
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, text);
  }

  void theCellHoldsWhatIsBeingTyped() {
    grid_->SetCell(1, 2, "1");
    TypeInto(1, 2, "25");
    QCOMPARE(grid_->Cell(1, 2), QString("125"));
    // Typing inside the text keeps the cursor where it is.
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, "90");
    QCOMPARE(grid_->Cell(1, 2), QString("90125"));
    // Text set from the program reaches the open editor.
    grid_->ClearRows();
    QCOMPARE(qobject_cast<QLineEdit*>(editor)->text(), QString());
    other_->setFocus();
    QCOMPARE(grid_->Cell(1, 2), QString());
  }

  void leavingTheGridFromTheEditorIsReported() {
    QSignalSpy exited(grid_, &StringGrid::Exited);
    TypeInto(0, 1, "7");
    QCOMPARE(exited.count(), 0);
    other_->setFocus();
    QCOMPARE(exited.count(), 1);
    QCOMPARE(grid_->Cell(0, 1), QString("7"));
  }

  void focusInsideTheGridOrInAnotherWindowIsNoExit() {
    QSignalSpy exited(grid_, &StringGrid::Exited);
    auto* list = new QComboBox(grid_->viewport());
    grid_->setFocus();
    list->setFocus();
    QCOMPARE(exited.count(), 0);
    grid_->setFocus();
    // A modal box or another window takes the focus without leaving the grid.
    QWidget box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(exited.count(), 0);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    other_->setFocus();
    QCOMPARE(exited.count(), 1);
  }

  // A grid given its full size shows every column and row whole.
  void fullSizeShowsEveryCell_data() {
    QTest::addColumn<int>("fixedColumns");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("plain") << 0 << true;
    QTest::newRow("fixed column") << 1 << true;
    QTest::newRow("fixed column, no scroll bar") << 1 << false;
  }
  void fullSizeShowsEveryCell() {
    QFETCH(int, fixedColumns);
    QFETCH(bool, scrollBar);
    StringGrid grid(6, 5, fixedColumns);
    grid.SetHeaderRow({"", "branches", "coarse roots", "fine roots", "foliage", "stems"});
    grid.SetFixedColumn({"", "Ca", "K", "Mg", "N"});
    if (!scrollBar) grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.resize(grid.FullWidth(), grid.FullHeight());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(grid.viewport()->width() >= grid.horizontalHeader()->length());
    QVERIFY(grid.viewport()->height() >= grid.verticalHeader()->length());
  }

 private:
  std::unique_ptr<QWidget> window_;
  StringGrid* grid_ = nullptr;
  QLineEdit* other_ = nullptr;
};

QTEST_MAIN(StringGridTest)
#include "string_grid_test.moc"
