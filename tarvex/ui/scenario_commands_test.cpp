// The scenario commands: save, open and new, with the save question.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/country_region_dialog.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/testing/window_fixture.h"

using namespace tarvex;
using namespace tarvex::testing;

class ScenarioCommandsTest : public QObject, protected WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    StartCaseWithWindow();
    qsm_ = folder_->write("site.qsm", kQsmText);
    EnterEvenAgedCohort(*window_, dialogs_, qsm_);
  }
  void cleanup() { window_.reset(); }

  void saveWritesTheScenarioAndMarksItSaved() {
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    const std::string text = contents(file.toStdString());
    QVERIFY(text.find("Boreal") != std::string::npos);
    QVERIFY(text.find("Picea abies") != std::string::npos);
    QVERIFY(window_->IsScenarioSaved());
    QVERIFY(!window_->EditQsmpFileName->isModified());
    QCOMPARE(window_->statusBar()->currentMessage(), "Using file: " + file);
    QCOMPARE(QString::fromStdString(window_->CurrentScenarioFolder()),
             QString::fromStdString(folder_->folder()));
  }

  void aRefusedOrCancelledSaveWritesNothing() {
    const QString file = ScratchFile("stand.tvx");
    window_->Insertnewcohort1Click();
    window_->ComboBoxSpecies->setEditText("Pinus nigra");  // no biomass data
    window_->StringGridStemGrowth->SetCell(0, 1, "20");
    window_->StringGridManagement->SetCell(0, 1, "2005");
    dialogs_.files = {file};
    window_->Save1Click();
    QCOMPARE(dialogs_.messages, QStringList({"No biomass data defined for Cohort2"}));
    QVERIFY(!QFile::exists(file));

    window_->SiteRecord().Cohort(1).HasBiomassData = true;
    dialogs_.files.clear();  // the dialog is cancelled
    window_->Save1Click();
    QVERIFY(!QFile::exists(file));
    QVERIFY(!window_->IsScenarioSaved());
  }

  void aSaveThatFailsIsReportedAndKeepsTheScenarioUnsaved() {
    const QString file = ScratchFile("missing/stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].startsWith("Cannot write Tarvex file " + file));
    QVERIFY(!window_->IsScenarioSaved());
    QVERIFY(window_->statusBar()->currentMessage().isEmpty());
  }

  void openShowsTheFirstCohortOfTheFile() {
    window_->Insertnewcohort1Click();
    window_->ComboBoxSpecies->setEditText("Pinus nigra");
    window_->ComboBoxSpeciesChange();
    window_->StringGridStemGrowth->SetCell(0, 1, "20");
    window_->StringGridStemGrowth->SetCell(1, 1, "3");
    window_->StringGridManagement->SetCell(0, 1, "2005");
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();

    auto other = OpenInAnotherWindow(file);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(other->SiteRecord().NrCohorts(), 2);
    QCOMPARE(other->CurrentCohortIndex(), 0);
    QCOMPARE(other->ComboBoxSpecies->currentText(), QString("Picea abies"));
    QCOMPARE(other->ComboBoxRegions->currentText(), QString("Boreal"));
    QCOMPARE(other->StringGridStemGrowth->Cell(0, 2), QString("50"));
    QCOMPARE(other->StringGridManagement->Cell(1, 2), QString("Thinning"));
    QCOMPARE(other->LabelNrCohorts->text(), QString("Number of cohorts: 2"));
    QVERIFY(other->ButtonNextCohort->isEnabled());
    QVERIFY(!other->ButtonReadNdep->isEnabled());
    QCOMPARE(other->PeriodLastYear(), 2050);
    QCOMPARE(other->statusBar()->currentMessage(), "Using file: " + file);

    // A window that showed its second cohort shows the file's first.
    QCOMPARE(window_->LabelCohortNumber->text(), QString("Cohort 2"));
    dialogs_.files = {file};
    window_->Open1Click();
    QCOMPARE(window_->CurrentCohortIndex(), 0);
    QCOMPARE(window_->LabelCohortNumber->text(), QString("Cohort 1"));
    QCOMPARE(window_->LabelSpecies->text(), QString("Picea abies"));
  }

  // A user who clicks into the species or the region box of an opened
  // scenario and leaves it unchanged changes nothing: no dialog, no message,
  // the cohort keeps its own biomass parameters and shows them.
  void passingThroughTheSpeciesAndRegionBoxesChangesNothing() {
    window_->SiteRecord().Cohort(0).BiomassData.CarbonContent = 47.25;
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();
    auto other = OpenInAnotherWindow(file);
    QVERIFY(ShowWindow(*other));
    other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other.get()));
    bool asked = false;
    dialogs_.modal = [&](QDialog&) { return asked = true; };

    ClickTab(*other->PageControl1, other->TabSheetInputs);
    QTest::mouseClick(other->ComboBoxSpecies->lineEdit(), Qt::LeftButton);
    ClickTab(*other->PageControl1, other->TabSheetSiteInputs);
    QTest::mouseClick(other->ComboBoxRegions->lineEdit(), Qt::LeftButton);
    ClickTab(*other->PageControl1, other->TabSheetInputs);
    Paint(*other);
    QVERIFY(!asked);
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    const CCohort& cohort = other->SiteRecord().Cohort(0);
    QCOMPARE(cohort.BiomassData.CarbonContent, 47.25);
    QVERIFY(other->IsScenarioSaved());

    BiomassRecord shown{};
    dialogs_.modal = [&](QDialog& dialog) {
      static_cast<TFormBiomassData&>(dialog).GetValues(shown);
      return false;
    };
    QTest::mouseClick(other->Button1, Qt::LeftButton);
    QCOMPARE(shown.CarbonContent, 47.25);
  }

  // "Save" starts in the folder of the scenario shown: the application-data
  // folder before one was opened or saved and after New.
  void saveStartsInTheFolderOfTheScenarioShown() {
    const auto saveStart = [this] {
      window_->Save1Click();
      return dialogs_.fileDialogStarts.last();
    };
    const QString appData = QString::fromStdString(window_->AppDataPath());
    QCOMPARE(saveStart(), appData);  // cancelled
    dialogs_.files = {ScratchFile("stand.tvx")};
    saveStart();
    QCOMPARE(saveStart(), QString::fromStdString(folder_->folder()));
    QVERIFY(QDir().mkpath(ScratchFile("opened")));
    QVERIFY(QFile::copy(ScratchFile("stand.tvx"), ScratchFile("opened/stand.tvx")));
    dialogs_.files = {ScratchFile("opened/stand.tvx")};
    window_->Open1Click();
    QCOMPARE(saveStart(), ScratchFile("opened/"));
    window_->New1Click();
    EnterEvenAgedCohort(*window_, dialogs_, qsm_);
    QCOMPARE(saveStart(), appData);
  }

  void aRelativeQsmNameIsReadFromTheScenarioFolder() {
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();
    std::string text = contents(file.toStdString());
    const auto at = text.find(qsm_);
    QVERIFY(at != std::string::npos);
    text.replace(at, qsm_.size(), "site.qsm");
    folder_->write("relative.tvx", text);

    auto other = OpenInAnotherWindow(ScratchFile("relative.tvx"));
    QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join("; ")));
    QCOMPARE(other->SiteRecord().QSMpInFile, qsm_);
    QCOMPARE(other->PeriodFirstYear(), 1990);
  }

  void aCountryIsTurnedIntoTheRegionChosenByTheUser() {
    const QString file = ScratchFile("stand.tvx");
    dialogs_.files = {file};
    window_->Save1Click();
    std::string text = contents(file.toStdString());
    const auto at = text.find("RegionName");
    QVERIFY(at != std::string::npos);
    text.replace(at, text.find('\n', at) - at, "CountryName      Austria");
    folder_->write("country.tvx", text);

    auto other = StartWindow(dialogs_);
    QVERIFY(other->IsScenarioSaved());
    QString asked;
    dialogs_.modal = [&](QDialog& dialog) {
      auto& choice = static_cast<TFormCntry2Region&>(dialog);
      asked = QString::fromStdString(choice.Country);
      choice.ComboBoxRegionsChange("Alpine");
      return true;
    };
    dialogs_.files = {ScratchFile("country.tvx")};
    other->Open1Click();
    QCOMPARE(asked, QString("Austria"));
    QCOMPARE(other->SiteRecord().RegionName, std::string("Alpine"));
    QCOMPARE(other->ComboBoxRegions->currentText(), QString("Alpine"));
    QVERIFY(!other->IsScenarioSaved());
  }

  void aFileThatCannotBeOpenedLeavesTheScenario() {
    dialogs_.files = {ScratchFile("nothing.tvx")};
    window_->Open1Click();
    QCOMPARE(dialogs_.messages, QStringList({"File does not exists"}));
    const std::string bad = folder_->write("bad.tvx", "NrCohorts        many\n");
    dialogs_.files = {QString::fromStdString(bad)};
    dialogs_.Clear();
    window_->SpeedButtonOpenFile->click();
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages[0].contains("bad.tvx"), qPrintable(dialogs_.messages[0]));
    QCOMPARE(window_->SiteRecord().Cohort(0).SpeciesName, std::string("Picea abies"));
  }

  void newAsksToSaveAnUnsavedScenario() {
    // A failing save stops New.
    dialogs_.answers = {true};
    dialogs_.files = {ScratchFile("missing/stand.tvx")};
    window_->New1Click();
    QCOMPARE(dialogs_.questions, QStringList({"Save the file: Save Tarvex file ?"}));
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Picea abies"));
    // So does a cancelled one.
    dialogs_.answers = {true};
    window_->New1Click();
    QCOMPARE(window_->SiteRecord().Cohort(0).SpeciesName, std::string("Picea abies"));

    dialogs_.answers = {false};
    window_->New1Click();
    QCOMPARE(window_->SiteRecord().NrCohorts(), 1);
    QCOMPARE(window_->SiteRecord().Cohort(0).SpeciesName, std::string("Unknown"));
    QCOMPARE(window_->ComboBoxSpecies->currentText(), QString("Unknown"));
    QCOMPARE(window_->ComboBoxRegions->currentText(), QString("Atlantic"));
    QVERIFY(window_->EditQsmpFileName->text().isEmpty());
    QCOMPARE(window_->StringGridStemGrowth->Cell(0, 1), QString());
    QCOMPARE(window_->StringGridManagement->Cell(1, 1), QString("Planting"));
    QVERIFY(window_->ButtonReadNdep->isEnabled());
    QCOMPARE(window_->LabelCohortNumber->text(), QString("Cohort 1"));
  }

  void aSavedScenarioIsReplacedWithoutQuestions() {
    dialogs_.files = {ScratchFile("stand.tvx")};
    window_->Save1Click();
    window_->New1Click();
    window_->New1Click();  // the cleared file name is no change to save
    QVERIFY(dialogs_.questions.isEmpty());
    QVERIFY(!window_->EditQsmpFileName->isModified());
  }

  void newKeepsANaturalForest() {
    window_->RadioGroupManType->SetItemIndex(1);
    window_->StringGridManagement->ClearRows();
    dialogs_.answers = {false};
    window_->New1Click();
    QVERIFY(window_->NaturalForest());
    QCOMPARE(window_->RadioGroupManType->ItemIndex(), 1);
    QCOMPARE(window_->StringGridManagement->Cell(1, 1), QString());
    QCOMPARE(window_->SiteRecord().ForestType, ForestKind::NaturalRejuvenation);
  }

 private:
  // A window started afresh that opened FILE, the dialogs' record cleared
  // before.
  std::unique_ptr<TForm1> OpenInAnotherWindow(const QString& file) {
    auto other = StartWindow(dialogs_);
    dialogs_.Clear();
    dialogs_.files = {file};
    other->Open1Click();
    return other;
  }

  std::string qsm_;
};

QTEST_MAIN(ScenarioCommandsTest)
#include "scenario_commands_test.moc"
