#pragma once
// Helpers of the main window's tests: message boxes and dialogs answered by
// the test and recorded, or questions asked in the program's own box and
// answered by keys, a window started from the built program's folder,
// small scenarios in a scratch folder, and the start of each case that the
// window tests share.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/string_grid.h"
#include "tarvex/ui/platform/testing/widget_painting.h"
#include "tarvex/ui/platform/user_dialogs.h"
#include "testing/test_folder.h"

namespace tarvex::testing {

// The window ended the process with CODE.
struct ProcessEnded {
  int code;
};

class RecordingDialogs final : public UserDialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override {
    messages << text;
    if (realMessages) QtUserDialogs().ShowMessage(parent, text);
  }
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override {
    questions << caption + ": " + text;
    if (realQuestions) return QtUserDialogs().AskYesNo(parent, caption, text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString GetOpenFileName(QWidget*, const FileDialogRequest& request) override {
    fileDialogStarts << request.start;
    return Next();
  }
  QString GetSaveFileName(QWidget*, const FileDialogRequest& request, int* filterIndex) override {
    fileDialogStarts << request.start;
    if (filterIndex != nullptr) *filterIndex = saveFilterIndex;
    return Next();
  }
  bool RunModal(QDialog& dialog) override { return modal ? modal(dialog) : false; }

  // Forgets what was shown and asked so far.
  void Clear() {
    messages.clear();
    questions.clear();
  }

  QStringList messages;
  QStringList questions;         // "caption: text"
  std::deque<bool> answers;      // to the questions, in order; No when empty
  bool realQuestions = false;    // the questions are asked in the program's own box
  bool realMessages = false;     // the messages are shown in the program's own box
  std::deque<QString> files;     // chosen in the file dialogs, in order; cancel when empty
  QStringList fileDialogStarts;  // the folder or file each file dialog started in
  int saveFilterIndex = 0;
  std::function<bool(QDialog&)> modal;  // Cancel when empty

 private:
  QString Next() {
    if (files.empty()) return {};
    QString name = files.front();
    files.pop_front();
    return name;
  }
};

// Answers the next modal window of type BOX (a message box, a dialog) shown,
// from within its own event loop, as a user does: ANSWER presses the keys.
// Nothing is answered once the answerer is gone.
template <typename Box>
class ModalAnswerer : public QObject {
 public:
  explicit ModalAnswerer(std::function<void(Box&)> answer) : answer_(std::move(answer)) {
    WaitForBox();
  }

 private:
  void WaitForBox() {
    QTimer::singleShot(10, this, [this] {
      auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
      if (box == nullptr) {
        WaitForBox();
      } else {
        answer_(*box);
      }
    });
  }

  std::function<void(Box&)> answer_;
};
using QuestionAnswerer = ModalAnswerer<QMessageBox>;

// Presses Escape in BOX, then closes it as its close button does; true when
// it is still open and modal, as a question that only Yes or No answers is.
inline bool EscapeAndCloseLeaveOpen(QMessageBox& box) {
  QTest::keyClick(&box, Qt::Key_Escape);
  box.close();
  QCoreApplication::processEvents();
  return box.isVisible() && QApplication::activeModalWidget() == &box;
}

// Options go to the test location of the user's settings, never to the real
// one, and the application-data folder lies in a scratch folder of the test.
inline void UseTestSettings() {
  QStandardPaths::setTestModeEnabled(true);
  static const TestFolder data;
  qputenv("XDG_DATA_HOME", data.path().c_str());
}

inline std::unique_ptr<TForm1> StartWindow(RecordingDialogs& dialogs,
                                           const QString& programFolder = PROGRAM_DIR) {
  WorkbenchSetup setup;
  setup.Dialogs = &dialogs;
  setup.ProgramFolder = programFolder;
  setup.EndProcess = [](int code) { throw ProcessEnded{code}; };
  return std::make_unique<TForm1>(setup);
}

// A deposition period 1990..2050 with 0.75 eq/m2/yr every year.
inline const char* const kQsmText = "! site\nperiod 1990 2050\nNOx_dep 0.5\nNH3_dep 0.25\n";

// Shows the site inputs of an even-aged stand of Picea abies in the Boreal
// region on the QSM file QSM: a growth curve and a planting in 2000 with a
// thinning in 2030; the biomass parameters are the species' defaults.
inline void EnterEvenAgedCohort(TForm1& window, RecordingDialogs& dialogs, const std::string& qsm) {
  window.EditQsmpFileName->setText(QString::fromStdString(qsm));
  window.ComboBoxRegions->setEditText("Boreal");
  window.ComboBoxSpecies->setEditText("Picea abies");
  window.ComboBoxSpeciesChange();  // the dialog is cancelled: the defaults are taken
  StringGrid& growth = *window.StringGridStemGrowth;
  growth.SetCell(0, 1, "10");
  growth.SetCell(1, 1, "2");
  growth.SetCell(0, 2, "50");
  growth.SetCell(1, 2, "12");
  growth.SetCell(0, 3, "120");
  growth.SetCell(1, 3, "6");
  StringGrid& management = *window.StringGridManagement;
  window.SetManPlant();
  management.SetCell(0, 1, "2000");
  management.SetCell(0, 2, "2030");
  management.SetCell(1, 2, "Thinning");
  management.SetCell(2, 2, "20");
  for (int c = 3; c <= 6; ++c) management.SetCell(c, 2, c < 5 ? "Removed" : "Left");
  dialogs.Clear();
}

// Writes a scenario at the workbench's full size into FOLDER and returns its
// file name: 20 even-aged cohorts of Picea abies in the Boreal region with
// the species' defaults, over the 1000 years 1001..2000 of "full.qsm"; cohort
// c is planted in 1001 + c and thinned by 20 % every 20 years after.
inline std::string WriteFullScenario(const TestFolder& folder, const SpeciesRegionTable& defaults) {
  folder.write("full.qsm", "period 1001 2000\nNOx_dep 0.5\nNH3_dep 0.25\n");
  const Defs tables;
  const BiomassRecord& parameters =
      defaults[tables.SpeciesIndex("Picea abies")][tables.RegionIndex("Boreal")];
  auto site = std::make_unique<CSite>();
  site->RegionName = "Boreal";
  site->QSMpInFile = "full.qsm";
  for (int c = 0; c < kMaxCohorts; ++c) {
    CCohort& cohort = site->AddCohort();
    cohort.SpeciesName = "Picea abies";
    cohort.BiomassData = parameters;
    cohort.HasBiomassData = true;
    cohort.Cai.AddPoint(10, 2.0 + 0.1 * c);
    cohort.Cai.AddPoint(50, 12.0);
    cohort.Cai.AddPoint(120, 6.0);
    cohort.ForMan.SetAction(1001 + c, standsim::ACT_PLANTING, 100.0, {0, 0, 0, 0});
    for (int year = 1021 + c; year <= 2000; year += 20) {
      cohort.ForMan.SetAction(year, standsim::ACT_THINNING, 20.0, {1, 1, 0, 0});
    }
  }
  const std::string fileName = folder.file("full.txt");
  site->WriteToFile(fileName);
  return fileName;
}

// Shows WINDOW as the program does once its start page is gone; false when
// it did not reach the screen.
inline bool ShowWindow(TForm1& window) {
  window.Timer1Timer();
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

// ShowWindow(), and WINDOW made the active window, which takes the keys;
// false when it did not become active.
inline bool ShowActiveWindow(TForm1& window) {
  if (!ShowWindow(window)) return false;
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// What a user does to put TEXT into the data cell (COL, ROW) of GRID: a
// click on the cell, the text typed into the editor it opens, and Enter.
inline void TypeIntoCell(StringGrid& grid, int col, int row, const QString& text) {
  grid.scrollTo(grid.model()->index(row - 1, col));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(col, row).center());
  // The first key opens the cell editor, which takes the others. They go to
  // it, not to the focus widget: the offscreen platform may have made
  // another window active meanwhile, as a window manager would not.
  QTest::keyClicks(&grid, text.left(1));
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : grid.viewport()->findChildren<QLineEdit*>()) {
    if (open->isVisible()) editor = open;
  }
  QVERIFY(editor != nullptr);
  QTest::keyClicks(editor, text.mid(1));
  QTest::keyClick(editor, Qt::Key_Return);
}

// Chooses TEXT in the open list of BOX, as a click on the item does.
inline void ChooseInList(QComboBox& box, const QString& text) {
  box.showPopup();
  box.view()->setCurrentIndex(box.model()->index(box.findText(text), 0));
  QTest::keyClick(box.view(), Qt::Key_Return);
}

// Clicks the tab of PAGE in TABS.
inline void ClickTab(QTabWidget& tabs, QWidget* page) {
  QTabBar* bar = tabs.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs.indexOf(page)).center());
}

// The items of a combo box in their order.
inline QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// The state a window test starts each case from: the program's folder as
// the current folder, options kept apart from the user's, an empty scratch
// folder and dialogs that have shown nothing. A test class derives from it
// beside QObject and calls StartCase() or StartCaseWithWindow() from init().
class WindowTest {
 protected:
  void StartCase() {
    UseTestSettings();
    QDir::setCurrent(PROGRAM_DIR);
    folder_ = std::make_unique<TestFolder>();
    dialogs_ = RecordingDialogs();
  }
  // StartCase() and a new window, started as the program does.
  void StartCaseWithWindow() {
    StartCase();
    window_ = StartWindow(dialogs_);
  }
  // The path of NAME in the scratch folder, as the file dialogs return it.
  QString ScratchFile(std::string_view name) const {
    return QString::fromStdString(folder_->file(name));
  }

  std::unique_ptr<TestFolder> folder_;
  RecordingDialogs dialogs_;
  std::unique_ptr<TForm1> window_;  // closed by the test's cleanup()
};

}  // namespace tarvex::testing
