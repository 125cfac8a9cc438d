// The species choice of the cohort shown and the run of the biomass
// parameter dialog.
#include <QComboBox>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/biomass_data_dialog.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/combo_box_text.h"

namespace tarvex {

TForm1::SpeciesRegionIndex TForm1::ShownSpeciesRegion() const {
  return {Tables->SpeciesIndex(ComboBoxSpecies->currentText().toStdString()),
          Tables->RegionIndex(ComboBoxRegions->currentText().toStdString())};
}

const BiomassRecord* TForm1::SpeciesDefaultsOrRefuse(SpeciesRegionIndex shown) {
  if (shown.Species == -1) {
    ShowMessage("No species defined");
    return nullptr;
  }
  return &(*SpeciesRegionDefaults)[shown.Species][shown.Region];
}

void TForm1::ComboBoxSpeciesChange() {
  const SpeciesRegionIndex shown = ShownSpeciesRegion();
  if (shown.Region == -1) {
    // Without a region there are no biomass parameters for the species: the
    // cohort keeps the species it had.
    SetComboBoxText(*ComboBoxSpecies, QString::fromStdString(Current().SpeciesName));
    ShowMessage("No Region defined");
    return;
  }
  Current().SpeciesName = ComboBoxSpecies->currentText().toStdString();
  const BiomassRecord* defaults = SpeciesDefaultsOrRefuse(shown);
  if (defaults == nullptr) return;
  FormBiomassData->SetDefaults(true, *defaults);
  Current().BiomassData = *defaults;
  Current().HasBiomassData = false;
  Button1Click();
}

void TForm1::Button1Click() {
  const SpeciesRegionIndex shown = ShownSpeciesRegion();
  if (shown.Region == -1) {
    ShowMessage("No region defined");
    return;
  }
  const BiomassRecord* found = SpeciesDefaultsOrRefuse(shown);
  if (found == nullptr) return;
  const BiomassRecord& defaults = *found;
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
