// The species choice of the cohort shown and the run of the biomass
// parameter dialog.
#include <QComboBox>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/combo_box_text.h"

namespace tarvex {

void TForm1::ComboBoxSpeciesChange() {
  const int s = Tables->SpeciesIndex(ComboBoxSpecies->currentText().toStdString());
  const int g = Tables->RegionIndex(ComboBoxRegions->currentText().toStdString());
  if (g == -1) {
    // Without a region there are no biomass parameters for the species: the
    // cohort keeps the species it had.
    SetComboBoxText(*ComboBoxSpecies, QString::fromStdString(Current().SpeciesName));
    ShowMessage("No Region defined");
    return;
  }
  Current().SpeciesName = ComboBoxSpecies->currentText().toStdString();
  if (s == -1) {
    ShowMessage("No species defined");
    return;
  }
  const BiomassRecord& defaults = (*SpeciesRegionDefaults)[s][g];
  FormBiomassData->SetDefaults(true, defaults);
  Current().BiomassData = defaults;
  Current().HasBiomassData = false;
  Button1Click();
}

void TForm1::Button1Click() {
  const int s = Tables->SpeciesIndex(ComboBoxSpecies->currentText().toStdString());
  const int g = Tables->RegionIndex(ComboBoxRegions->currentText().toStdString());
  if (g == -1) {
    ShowMessage("No region defined");
    return;
  }
  if (s == -1) {
    ShowMessage("No species defined");
    return;
  }
  const BiomassRecord& defaults = (*SpeciesRegionDefaults)[s][g];
  CCohort& cohort = Current();
  if (RegionChanged || !cohort.HasBiomassData) {
    FormBiomassData->SetDefaults(true, defaults);
    // An even-aged stand loses no stems through turnover.
    if (!NaturalForest()) FormBiomassData->ZeroStemTurnover(false);
  } else {
    FormBiomassData->SetDefaults(false, defaults);
    FormBiomassData->SetValues(true, cohort.BiomassData);
  }
  if (RunBiomassDialog()) {
    cohort.BiomassData = BiomassWork;
    cohort.HasBiomassData = true;
  } else if (!cohort.HasBiomassData) {
    BiomassWork = defaults;
    cohort.BiomassData = defaults;
    cohort.HasBiomassData = true;
    ShowMessage("Using defaults values for biomass parameters !");
  }
  RegionChanged = false;
}

bool TForm1::RunBiomassDialog() {
  while (Dialogs.RunModal(*FormBiomassData)) {
    try {
      FormBiomassData->GetValues(BiomassWork);
      return true;
    } catch (const TarvexError& e) {
      // The cohort keeps its values; the user corrects the value or cancels.
      ShowMessage(e.what());
    }
  }
  return false;
}

}  // namespace tarvex
