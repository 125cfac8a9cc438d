// Start-up of the main window, the binding of the model library and the
// close with its save question and folder options.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <filesystem>

#include "tarvex/ui/app_data_folder.h"
#include "tarvex/ui/options_store.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/help_viewer.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

namespace {

QStringList HeaderRow(const StringGrid& grid) {
  QStringList captions;
  for (int c = 0; c < grid.ColCount(); ++c) captions << grid.Cell(c, 0);
  return captions;
}

std::array<OptItem, 3> StoredFolders() {
  std::array<OptItem, 3> options{{{"LastPath", "string", "-"},
                                  {"QSMpFilePath", "string", "-"},
                                  {"OutFilePath", "string", "-"}}};
  LoadOptions({"Software\\KeldonKRC\\Tarvex\\v1.3", options});
  return options;
}

}  // namespace

class MainWindowStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseTestSettings(); }

  void freshWindowShowsTheTablesAndOneCohort() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->windowTitle(), QString("Tarvex!"));
    // Centred on the screen; one wider than the screen starts at its left edge.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->geometry();
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
    if (frame.width() <= screen.width()) {
      QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
    } else {
      QCOMPARE(frame.left(), screen.left());
    }
    QCOMPARE(Items(*window->ComboBoxRegions), QStringList({"Atlantic", "Artic", "Alpine", "Boreal",
                                                           "Continental", "Mediterranean"}));
    QCOMPARE(window->ComboBoxRegions->currentText(), QString("Select Region"));
    const QStringList species = Items(*window->ComboBoxSpecies);
    QCOMPARE(species.size(), 27);
    QCOMPARE(species.front(), QString("Unknown"));
    const Defs tables;
    for (int s = 0; s < kSpeciesCount; ++s) {
      QCOMPARE(species[s + 1].toStdString(), std::string(tables.Species[s].Name));
    }
    QCOMPARE(window->ComboBoxSpecies->currentText(), QString("Unknown"));
    QCOMPARE(window->LabelNrCohorts->text(), QString("Number of cohorts: 1"));
    QCOMPARE(window->LabelCohortNumber->text(), QString("Cohort 1"));
    QCOMPARE(window->SiteRecord().NrCohorts(), 1);
    QCOMPARE(HeaderRow(*window->StringGridStemGrowth), QStringList({"Age", "Growth (m3/ha/yr)"}));
    QCOMPARE(
        HeaderRow(*window->StringGridManagement),
        QStringList({"Year", "Management", "Percentage", "Stems", "Branches", "Roots", "Leaves"}));
    QCOMPARE(window->StringGridManagement->Cell(2, 1), QString("100"));
    QCOMPARE(window->PageControl1->currentWidget(), window->TabSheetSiteInputs);
    QCOMPARE(window->PageControlOutput->currentIndex(), 0);
    QVERIFY(!window->ButtonNextCohort->isEnabled());
    QVERIFY(!window->ButtonPreviousCohort->isEnabled());
    QVERIFY(window->EditKgr->isHidden());
    QVERIFY(window->Label14->isHidden());
    QVERIFY(window->ButtonReadNdep->isEnabled());
    QVERIFY(window->IsScenarioSaved());
    QVERIFY(!window->NaturalForest());
    QCOMPARE(window->CurrentScenarioFolder(), std::string(PROGRAM_DIR) + "/");
    QCOMPARE(QDir::currentPath(), QDir(PROGRAM_DIR).absolutePath());
    // The species defaults come from the file, overlaid by the built-in table.
    QCOMPARE(window->Defaults()[0][1].Nlfmin, tables.Species[0].Nlfmin);
    QVERIFY(window->Defaults()[0][1].WoodDensity > 0.0);
    // The start page, and the pages behind it once the timer has fired.
    QVERIFY(!Paint(*window).isNull());
    window->Timer1Timer();
    QVERIFY(!Paint(*window).isNull());
  }

  void startPageCoversThePagesUntilTheTimerFires() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QCOMPARE(window->ClientArea->currentWidget(), window->WebBrowser1);
    QVERIFY(window->Panel6->isHidden());
    QVERIFY(window->Timer1.isActive());
    QCOMPARE(window->Timer1.interval(), 6000);
    QVERIFY(window->WebBrowser1->source().toLocalFile().endsWith("/html/standsim_text.html"));
    window->Timer1Timer();
    QVERIFY(!window->Timer1.isActive());
    QCOMPARE(window->ClientArea->currentWidget(), window->PageControl1);
    QVERIFY(!window->Panel6->isHidden());
  }

  void helpShowsTheTopicOfThePage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown");
    QTest::newRow("site inputs") << 0 << "SiteInputs.html";
    QTest::newRow("forest inputs") << 1 << "ForestInputs.html";
  }
  void helpShowsTheTopicOfThePage() {
    QFETCH(int, page);
    QFETCH(QString, shown);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    window->PageControl1->setCurrentIndex(page);
    window->SpeedButton1->click();
    QVERIFY(window->Help().Browser()->source().toLocalFile().endsWith("/HELP/" + shown));
    window->Help2->trigger();
    QVERIFY(window->Help().Browser()->source().toLocalFile().endsWith("/HELP/Contents.html"));
  }

  void dialogsStartInTheXdgDataFolder_data() {
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << QByteArray("SCRATCH/data") << "SCRATCH/data/KeldonKRC/Tarvex/";
    QTest::newRow("unset") << QByteArray() << "SCRATCH/home/.local/share/KeldonKRC/Tarvex/";
    QTest::newRow("relative, so not valid")
        << QByteArray("data") << "SCRATCH/home/.local/share/KeldonKRC/Tarvex/";
  }
  void dialogsStartInTheXdgDataFolder() {
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, expected);
    const TestFolder scratchFolder;
    const QString scratch = QString::fromStdString(scratchFolder.path().string());
    dataHome.replace("SCRATCH", scratch.toLocal8Bit());
    expected.replace("SCRATCH", scratch);
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
    qputenv("HOME", (scratch + "/home").toLocal8Bit());
    if (dataHome.isEmpty())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", dataHome);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    qputenv("XDG_DATA_HOME", oldDataHome);
    qputenv("HOME", oldHome);
    QCOMPARE(QString::fromStdString(window->AppDataPath()), expected);
    // Created on the first start, with the examples in it for "Open".
    QVERIFY(QFileInfo::exists(expected + "even_aged_stand.tvx"));
    dialogs.files = {expected + "natural_stand.tvx"};
    window->Open1Click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(window->SiteRecord().QSMpInFile, (expected + "site.qsm").toStdString());
  }

  void examplesNeverReplaceTheUsersFiles_data() {
    QTest::addColumn<QString>("ownFile");
    QTest::addColumn<QStringList>("copied");
    const QStringList all{"deposition.dat", "even_aged_stand.tvx", "natural_stand.tvx", "site.qsm"};
    QTest::newRow("empty folder") << QString() << all;
    QTest::newRow("a file of an example's name") << "site.qsm" << all;
    QTest::newRow("a scenario of the user's") << "mine.tvx" << QStringList();
  }
  void examplesNeverReplaceTheUsersFiles() {
    QFETCH(QString, ownFile);
    QFETCH(QStringList, copied);
    const TestFolder scratch;
    const QString folder = QString::fromStdString(scratch.file("KeldonKRC/Tarvex/"));
    QVERIFY(QDir().mkpath(folder));
    if (!ownFile.isEmpty()) scratch.write("KeldonKRC/Tarvex/" + ownFile.toStdString(), "mine");
    ProvideAppDataFolder(folder.toStdString(), PROGRAM_DIR "/examples/");
    QStringList expected = copied;
    if (!ownFile.isEmpty() && !expected.contains(ownFile)) expected << ownFile;
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
    if (!ownFile.isEmpty())
      QCOMPARE(contents((folder + ownFile).toStdString()), std::string("mine"));
  }

  void aMissingLibraryEndsTheProgram() {
    // A program folder with the species data file but without the library.
    const TestFolder folder;
    std::filesystem::copy_file(std::string(PROGRAM_DIR) + "/IxoTreeData_reg.dat",
                               folder.file("IxoTreeData_reg.dat"));
    RecordingDialogs dialogs;
    int code = -1;
    try {
      StartWindow(dialogs, QString::fromStdString(folder.path().string()));
    } catch (const ProcessEnded& ended) {
      code = ended.code;
    }
    QCOMPARE(code, 0);
    QCOMPARE(dialogs.messages, QStringList({"Cannot load libstandsim.so"}));
    QDir::setCurrent(PROGRAM_DIR);
  }

  void aLibraryWithoutTheEntryPointsIsRefused() {
    // Any shared library that is not the model library lacks GROWTH.
    const TestFolder folder;
    std::filesystem::copy_file(std::string(PROGRAM_DIR) + "/IxoTreeData_reg.dat",
                               folder.file("IxoTreeData_reg.dat"));
    const QString stranger =
        QFileInfo(QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Test.so.6")
            .canonicalFilePath();
    if (stranger.isEmpty()) QSKIP("no shared library to stand in");
    std::filesystem::copy_file(stranger.toStdString(), folder.file("libstandsim.so"));
    RecordingDialogs dialogs;
    QVERIFY_THROWS_EXCEPTION(ProcessEnded,
                             StartWindow(dialogs, QString::fromStdString(folder.path().string())));
    QCOMPARE(dialogs.messages, QStringList({"Cannot find routine GROWTH in libstandsim.so"}));
    QDir::setCurrent(PROGRAM_DIR);
  }

  void closingAfterTypingAQsmNameAsksToSave() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QTest::keyClicks(window->EditQsmpFileName, "site.qsm");
    dialogs.answers = {false};
    QCloseEvent event;
    QApplication::sendEvent(window.get(), &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(dialogs.questions, QStringList({"Save the file: Save Tarvex file ?"}));
    // The folders are stored even so: the program's folder and two empty texts.
    const auto stored = StoredFolders();
    QCOMPARE(stored[0].Value, std::string(PROGRAM_DIR) + "/");
    QCOMPARE(stored[1].Value, std::string());
    QCOMPARE(stored[2].Value, std::string());
  }

  void aFailedSaveOnCloseKeepsTheWindowOpen() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QTest::keyClicks(window->EditQsmpFileName, "site.qsm");
    dialogs.answers = {true};
    QCloseEvent event;
    QApplication::sendEvent(window.get(), &event);
    QVERIFY(!event.isAccepted());
    QVERIFY(dialogs.messages.contains("Error: no region defined for this site!"));
  }

  void aCancelledSaveOnCloseKeepsTheWindowOpen() {
    const TestFolder folder;
    const std::string qsm = folder.write("site.qsm", kQsmText);
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    EnterEvenAgedCohort(*window, dialogs, qsm);
    dialogs.answers = {true};  // and the file dialog is cancelled
    QCloseEvent event;
    QApplication::sendEvent(window.get(), &event);
    QVERIFY(!event.isAccepted());
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
  }

  // A plain box, without an icon, that only Yes or No answers: Escape and
  // its close button leave it open; Enter answers Yes, the letter N No.
  void theSaveQuestionIsAPlainBoxOnlyYesOrNoAnswers_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("N") << int(Qt::Key_N) << false;
  }
  void theSaveQuestionIsAPlainBoxOnlyYesOrNoAnswers() {
    QFETCH(int, key);
    QFETCH(bool, yes);
    QtUserDialogs dialogs;
    QString shown;
    bool stayed = false;
    const QuestionAnswerer answerer([&](QMessageBox& box) {
      shown = box.windowTitle() + ": " + box.text();
      if (box.icon() != QMessageBox::NoIcon) shown += " (with icon)";
      stayed = EscapeAndCloseLeaveOpen(box);
      QTest::keyClick(&box, static_cast<Qt::Key>(key));
    });
    QCOMPARE(dialogs.AskYesNo(nullptr, "Save the file", "Save Tarvex file ?"), yes);
    QCOMPARE(shown, QString("Save the file: Save Tarvex file ?"));
    QVERIFY(stayed);
  }

  void anUnchangedScenarioClosesWithoutAsking() {
    RecordingDialogs dialogs;
    auto window = StartWindow(dialogs);
    QCloseEvent event;
    QApplication::sendEvent(window.get(), &event);
    QVERIFY(event.isAccepted());
    QVERIFY(dialogs.questions.isEmpty());
  }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
