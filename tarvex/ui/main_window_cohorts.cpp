// The inputs of the site and of the cohort shown: display, validation and
// storing, insertion, deletion and the walk through the cohorts, the region
// choice and the forest-type switch.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tarvex/data/action_names.h"
#include "tarvex/data/cohort_values.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/combo_box_text.h"
#include "tarvex/ui/platform/radio_group.h"
#include "tarvex/ui/platform/string_grid.h"
#include "tarvex/window_logic/cohort_edits.h"
#include "tarvex/window_logic/default_management.h"

namespace tarvex {

void TForm1::ClearInputCharts() {
  ChartManagement->Clear();
  ChartStemGrowth->Clear();
}

void TForm1::DisplayCohort(bool readDeposition) {
  // A refusal beside the growth grid was one of the cohort shown before.
  ClearGrowthRefusal();
  ClearGridRows(*StringGridStemGrowth);
  ClearGridRows(*StringGridManagement);
  ClearInputCharts();
  EditQsmpFileName->setText(QString::fromStdString(Site->QSMpInFile));
  if (CurrentCohort < 0) return;
  if (readDeposition) ReadNdep();
  SetComboBoxText(*ComboBoxRegions, QString::fromStdString(Site->RegionName));
  SetComboBoxText(*ComboBoxSpecies, QString::fromStdString(Current().SpeciesName));
  RadioGroupManType->SetItemIndex(NaturalForest() ? 1 : 0);
  if (NaturalForest()) {
    const CohortEdits stored = CohortEdits::Of(Current());
    for (const NaturalInput& input : NaturalInputs()) {
      input.Edit->setText(QString::fromStdString(FloatToText(stored.*input.Value)));
    }
  }
  DisplayGrowth();
  DisplayManActions();
  CheckBoxDefManagement->setChecked(HoldsDefaultManagement());
}

void TForm1::ShowEmptyCohortInputs() {
  ClearGrowthRefusal();
  ClearGridRows(*StringGridStemGrowth);
  ClearGridRows(*StringGridManagement);
  ClearInputCharts();
  SetComboBoxText(*ComboBoxSpecies, kUnknownSpecies);
  CheckBoxDefManagement->setChecked(false);
  ShowPlantingRowOfEmptyCohort();
}

std::array<TForm1::NaturalInput, 3> TForm1::NaturalInputs() const {
  return {{{EditMaxGrowth, &CohortEdits::MaxGrowth, "No maximum growth defined"},
           {EditInitBiom, &CohortEdits::InitBiom, "No initial biomass defined"},
           {EditKgr, &CohortEdits::Kgr, "No Kgr value defined"}}};
}

CohortEdits TForm1::ShownCohortEdits() const {
  CohortEdits shown = CohortEdits::Of(Current());
  shown.SpeciesName = ComboBoxSpecies->currentText().toStdString();
  if (NaturalForest()) {
    // An empty box leaves the value the cohort holds.
    for (const NaturalInput& input : NaturalInputs()) {
      if (!input.Edit->text().isEmpty()) {
        shown.*input.Value = ParseDouble(input.Edit->text().toStdString());
      }
    }
  }
  shown.Cai = CurveFromGrid();
  shown.ForMan = ManagementFromGrid();
  return shown;
}

std::optional<std::vector<PlannedAction>> TForm1::DefaultScheduleOf(
    const std::string& species) const {
  int rotation = 0;
  if (!NaturalForest()) {
    const int index = Tables->SpeciesIndex(species);
    // A typed name that is not a species of the table has no rotation length.
    if (index < 0) return std::nullopt;
    rotation = Tables->Species[static_cast<std::size_t>(index)].Rotation;
  }
  return DefaultSchedule(NaturalForest(), PeriodFirstYear(), PeriodLastYear(), rotation);
}

bool TForm1::HoldsDefaultManagement() const {
  if (!HasDepositionPeriod()) return false;
  const CCohort& cohort = Site->Cohort(CurrentCohort);
  const std::optional<std::vector<PlannedAction>> schedule = DefaultScheduleOf(cohort.SpeciesName);
  return schedule && HoldsSchedule(cohort.ForMan, *schedule);
}

void TForm1::StoreCohortInputs(bool strict) {
  if (strict && TypedQsmFileName().empty()) {
    throw TarvexError("Error: no QSMP input file for deposition defined!");
  }
  if (Site->QSMpInFile.empty()) Site->QSMpInFile = TypedQsmFileName();
  ReadNdep();
  // A region the table does not know ("Unknown", "Select Region", a typed
  // name) has no biomass parameters.
  if (strict && Tables->RegionIndex(ComboBoxRegions->currentText().toStdString()) < 0) {
    throw TarvexError("Error: no region defined for this site!");
  }
  Site->RegionName = ComboBoxRegions->currentText().toStdString();
  if (ComboBoxSpecies->currentText() == kUnknownSpecies) {
    throw TarvexError("Error: no species defined for this cohort!");
  }
  CCohort& cohort = Current();
  cohort.SpeciesName = ComboBoxSpecies->currentText().toStdString();
  if (NaturalForest()) {
    // The boxes are taken in their order and each value is checked and
    // stored as it is taken: an empty box (where a value is needed) or a
    // text that is no number stops with the values of the boxes before it
    // stored; a value out of range is refused and the cohort gets back the
    // three values it held.
    const auto standValues = [](auto& holder) {
      return std::tie(holder.MaxGrowth, holder.InitBiom, holder.Kgr);
    };
    const std::tuple<double, double, double> held = standValues(cohort);
    CohortEdits taken;  // the three values taken so far
    standValues(taken) = held;
    for (const NaturalInput& input : NaturalInputs()) {
      if (strict && input.Edit->text().isEmpty()) throw TarvexError(input.Missing);
      taken.*input.Value = ParseDouble(input.Edit->text().toStdString());
      if (const MaybeProblem problem =
              StandValueProblem(taken.MaxGrowth, taken.Kgr, taken.InitBiom)) {
        standValues(cohort) = held;
        throw TarvexError("Error: " + problem->reason);
      }
      standValues(cohort) = standValues(taken);
    }
  }
  // A grid that cannot be committed stops the command that asked for it;
  // empty grids are refused only where the model needs them. So does a
  // growth grid that this command's click took the focus from with a value
  // refused: the red text alone would go with the cohort or the page.
  if (!UnseenGrowthRefusal.empty()) throw TarvexError(std::exchange(UnseenGrowthRefusal, {}));
  SaveGrowth(strict);
  SaveManActions(strict);
}

bool TForm1::StoreCohortInputsOrShow(bool strict) {
  try {
    StoreCohortInputs(strict);
  } catch (const std::exception& e) {
    ShowMessage(e.what());
    return false;
  }
  return true;
}

void TForm1::Insertnewcohort1Click() {
  if (!StoreCohortInputsOrShow(false)) return;
  if (Site->NrCohorts() >= kMaxCohorts) {
    ShowMessage("A site holds at most " + QString::number(kMaxCohorts) + " cohorts!");
    return;
  }
  Site->AddCohort();
  CurrentCohort = Site->NrCohorts() - 1;
  // The new cohort's grids hold nothing refused, and it has no management
  // yet, default or other.
  ShowEmptyCohortInputs();
  ShowCohortBar();
  PageControl1->blockSignals(true);
  PageControl1->setCurrentWidget(TabSheetInputs);
  PageControl1->blockSignals(false);
}

void TForm1::ButtonPreviousCohortClick() {
  if (CurrentCohort <= 0) {
    ShowMessage("No previous Cohort!");
    return;
  }
  if (!StoreCohortInputsOrShow(false)) return;
  // The validation has read the deposition.
  ShowCohort(CurrentCohort - 1, false);
  ShowCohortResults();
}

void TForm1::ButtonNextCohortClick() {
  if (CurrentCohort >= Site->NrCohorts() - 1) {
    ShowMessage("No next Cohort!");
    return;
  }
  if (!StoreCohortInputsOrShow(false)) return;
  ShowCohort(CurrentCohort + 1, false);
  ShowCohortResults();
}

void TForm1::ShowCohort(int c, bool readDeposition) {
  CurrentCohort = c;
  DisplayCohort(readDeposition);
  ShowCohortBar();
}

void TForm1::ShowCohortBar() {
  ShowSpeciesLabel();
  LabelCohortNumber->setText("Cohort " + QString::number(CurrentCohort + 1));
  LabelNrCohorts->setText("Number of cohorts: " + QString::number(Site->NrCohorts()));
  ButtonPreviousCohort->setEnabled(CurrentCohort > 0);
  ButtonNextCohort->setEnabled(CurrentCohort < Site->NrCohorts() - 1);
}

void TForm1::ShowSpeciesLabel() {
  LabelSpecies->setText(QString::fromStdString(Current().SpeciesName));
}

void TForm1::ShowCohortResults() { RadioGroupOutClick(ActiveOutputGroup()); }

void TForm1::Deletecohort1Click() {
  if (!Dialogs.AskYesNo(this, "Please confirm", "Delete current cohort ?")) return;
  const bool onlyCohort = Site->NrCohorts() == 1;
  Site->DeleteCohort(CurrentCohort);
  // The cohort before the deleted one is shown; after the first, the one
  // that moved into its place, so that no input shown belongs elsewhere.
  int shown = std::max(CurrentCohort - 1, 0);
  if (onlyCohort) {
    // The site keeps one empty cohort.
    Site->AddCohort();
    shown = 0;
  }
  ShowCohort(shown, true);
  if (onlyCohort) {
    // The new cohort starts from a planting, as an inserted one does, and
    // has no results.
    ShowPlantingRowOfEmptyCohort();
    Chart1->Clear();
  } else {
    ShowCohortResults();
  }
}

void TForm1::ComboBoxRegionsChange() {
  Site->RegionName = ComboBoxRegions->currentText().toStdString();
  RegionChanged = true;
}

void TForm1::RadioGroupManTypeClick() {
  const bool natural = RadioGroupManType->ItemIndex() == 1;
  Site->ForestType = natural ? ForestKind::NaturalRejuvenation : ForestKind::EvenAged;
  for (QWidget* w : std::initializer_list<QWidget*>{Label9, Label10, Label14, EditKgr,
                                                    EditMaxGrowth, EditInitBiom}) {
    w->setVisible(natural);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{StringGridStemGrowth, ChartStemGrowth, LabelDupEntry}) {
    w->setVisible(!natural);
  }
  ComboBox1->clear();
  if (natural) {
    ComboBox1->addItems({ActionName(standsim::ACT_THINNING), ActionName(standsim::ACT_CLEARCUT)});
  } else {
    ComboBox1->addItems({ActionName(standsim::ACT_PLANTING), ActionName(standsim::ACT_THINNING),
                         ActionName(standsim::ACT_CLEARCUT)});
    SetManPlant();
  }
}

}  // namespace tarvex
