// The scenario commands: open, new and save of a Tarvex file.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/combo_box_text.h"
#include "tarvex/ui/platform/string_grid.h"

namespace tarvex {

void TForm1::Save1Click() {
  try {
    SaveFile();
  } catch (const std::exception& e) {
    ShowMessage(e.what());
  }
}

bool TForm1::SaveFile() {
  StoreCohortInputs(true);
  for (int i = 0; i < Site->NrCohorts(); ++i) {
    if (!Site->Cohort(i).HasBiomassData) {
      throw TarvexError(NoBiomassDataMessage(i + 1));
    }
  }
  DisplayGrowth();
  FillManagementArray();
  const QString name =
      Dialogs.GetSaveFileName(this, {"Save Tarvex file", SaveDialog1Folder, {}, {}});
  if (name.isEmpty()) return false;
  // Raises, with the old file untouched, when the file cannot be written.
  Site->WriteToFile(name.toStdString());
  statusBar()->showMessage("Using file: " + name);
  ScenarioFolder = FolderPart(name.toStdString());
  SaveDialog1Folder = QString::fromStdString(ScenarioFolder);
  MarkScenarioSaved();
  return true;
}

void TForm1::Open1Click() {
  if (!OfferToSave()) return;
  const QString name =
      Dialogs.GetOpenFileName(this, {"Open Tarvex file", OpenDialog1Folder, {}, {}});
  if (name.isEmpty()) return;
  const std::string fileName = name.toStdString();
  if (!FileExists(fileName)) {
    ShowMessage("File does not exists");
    return;
  }
  // The current scenario is replaced only by a file read whole.
  std::unique_ptr<CSite> site = CSite::ReadFromFile(
      fileName, [this](const std::string& country) { return ChooseRegionForCountry(country); },
      SpeciesRegionDefaults.get());
  Site = std::move(site);
  // The results shown were those of the scenario replaced.
  Chart1->Clear();
  ScenarioFolder = FolderPart(fileName);
  // It is saved where it came from, unless the user chooses otherwise.
  SaveDialog1Folder = QString::fromStdString(ScenarioFolder);
  CurrentCohort = 0;
  DisplayCohort();
  ShowCohortLabels();
  SetNrCohortsLabel();
  UpdateCohortButtons();
  CheckBoxDefManagement->setChecked(false);
  statusBar()->showMessage("Using file: " + name);
  ButtonReadNdep->setEnabled(false);
  MarkScenarioSaved();
  // A region chosen for the file's country is not in the file yet.
  if (Site->RegionFromCountry) SavedScenario.reset();
  ShowInputsOfNewScenario();
}

void TForm1::New1Click() {
  // A save that fails or is cancelled keeps the scenario.
  if (!OfferToSave()) return;
  ClearGridRows(*StringGridStemGrowth);
  ClearGridRows(*StringGridManagement);
  for (Chart* chart : {ChartStemGrowth, ChartManagement, ChartNdep, Chart1}) chart->Clear();
  for (QComboBox* box : {ComboBoxRegions, ComboBoxSpecies}) SetComboBoxText(*box, box->itemText(0));
  // Cleared as text set by the program, not as an edit of the user.
  EditQsmpFileName->setText(QString());
  // The new site keeps the forest type the window shows.
  const ForestKind forestType = Site->ForestType;
  Site = std::make_unique<CSite>();
  Site->ForestType = forestType;
  Site->AddCohort();
  SetNrCohortsLabel();
  CurrentCohort = 0;
  LabelCohortNumber->setText("Cohort 1");
  UpdateCohortButtons();
  CheckBoxDefManagement->setChecked(false);
  if (!NaturalForest()) SetManPlant();
  ButtonReadNdep->setEnabled(true);
  // The new site has read no deposition, nor failed to.
  NdepRead = false;
  NdepMessage.clear();
  // An empty scenario holds no work to lose.
  MarkScenarioSaved();
  // It has no file yet; a save starts in the application-data folder.
  SaveDialog1Folder = QString::fromStdString(AppDataFolder);
  ShowInputsOfNewScenario();
}

void TForm1::ShowInputsOfNewScenario() {
  // A refusal beside the growth grid was one of the scenario replaced.
  ClearGrowthRefusal();
  // The results shown were those of the scenario replaced; selecting
  // "Results" runs the new one.
  if (PageControl1->currentWidget() == TabSheetResults) {
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setCurrentWidget(TabSheetInputs);
  }
  FocusPageShown();
}

}  // namespace tarvex
