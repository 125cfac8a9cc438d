// The scenario commands: open, new and save of a Tarvex file.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/combo_box_text.h"

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
      Dialogs.GetSaveFileName(this, {"Save Tarvex file", Folders.SaveScenario, {}, {}});
  if (name.isEmpty()) return false;
  // Raises, with the old file untouched, when the file cannot be written.
  Site->WriteToFile(name.toStdString());
  statusBar()->showMessage("Using file: " + name);
  ScenarioFolder = FolderPart(name.toStdString());
  Folders.SaveScenario = QString::fromStdString(ScenarioFolder);
  MarkScenarioSaved();
  return true;
}

void TForm1::Open1Click() {
  if (!OfferToSave()) return;
  const QString name =
      Dialogs.GetOpenFileName(this, {"Open Tarvex file", Folders.OpenScenario, {}, {}});
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
  Folders.SaveScenario = QString::fromStdString(ScenarioFolder);
  ShowCohort(0, true);
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
  // The new site keeps the forest type the window shows.
  StartEmptySite(Site->ForestType);
  ShowEmptyCohortInputs();
  for (Chart* chart : {ChartNdep, Chart1}) chart->Clear();
  SetComboBoxText(*ComboBoxRegions, ComboBoxRegions->itemText(0));
  // Cleared as text set by the program, not as an edit of the user.
  EditQsmpFileName->setText(QString());
  ShowCohortBar();
  ButtonReadNdep->setEnabled(true);
  Deposition.Forget();
  // An empty scenario holds no work to lose.
  MarkScenarioSaved();
  // It has no file yet; a save starts in the application-data folder.
  Folders.SaveScenario = QString::fromStdString(AppDataFolder);
  ShowInputsOfNewScenario();
}

void TForm1::ShowInputsOfNewScenario() {
  // The results shown were those of the scenario replaced; selecting
  // "Results" runs the new one.
  if (PageControl1->currentWidget() == TabSheetResults) {
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setCurrentWidget(TabSheetInputs);
  }
  FocusPageShown();
}

}  // namespace tarvex
