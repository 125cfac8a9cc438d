// The model run: the inputs validated and packed cohort by cohort, one call
// of GROWTH for the whole site, the results copied back and plotted.
#include <QLabel>
#include <QTabWidget>

#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/window_logic/growth_arguments.h"

namespace tarvex {
namespace {

// Why COHORT, the C-th (0-based), cannot be run, or empty: the checks of the
// inputs shown, made on what every cohort holds.
std::string CohortRefusal(const CCohort& cohort, int c, bool natural) {
  if (cohort.SpeciesName == kUnknownSpecies) return "Error: no species defined for this cohort!";
  if (!cohort.HasBiomassData) return NoBiomassDataMessage(c + 1);
  if (natural) return {};
  if (cohort.Cai.NrDataGrowth == 0) return "No growth defined for one of the cohorts!";
  if (cohort.ForMan.NrForManData == 0) return "No management defined for one of the cohorts!";
  try {
    cohort.ForMan.PlantingYear();
  } catch (const TarvexError& e) {
    return e.what();
  }
  return {};
}

}  // namespace

std::string NoBiomassDataMessage(int number) {
  return "No biomass data defined for Cohort" + FormatInt(number);
}

void TForm1::PageControl1Change() {
  if (PageControl1->currentWidget() != TabSheetResults) return;
  const QSignalBlocker quiet(PageControl1);
  PageControl1->setCurrentWidget(TabSheetInputs);
  if (RunModel()) PageControl1->setCurrentWidget(TabSheetResults);
}

bool TForm1::RunModel() {
  if (Site->NrCohorts() == 0) return false;
  // The inputs shown go into their cohort, and the deposition is read again.
  if (!StoreCohortInputsOrShow(true)) return false;
  // The validation has shown why the deposition could not be read; a run
  // on a period and series that were not read would be wrong.
  if (!Deposition.LastReadingRead()) return false;
  auto arguments = std::make_unique<GrowthArguments>(NaturalForest());
  for (int c = 0; c < Site->NrCohorts(); ++c) {
    const std::string refusal = CohortRefusal(Site->Cohort(c), c, NaturalForest());
    if (!refusal.empty()) {
      // The user sees the cohort to mend.
      if (c != CurrentCohort) {
        // The validation has read the deposition.
        ShowCohort(c, false);
        ShowCohortResults();
      }
      ShowMessage(refusal);
      return false;
    }
    arguments->PackCohort(c, Site->Cohort(c), PeriodFirstYear());
  }
  arguments->SetDeposition(*Site, PeriodFirstYear(), PeriodLastYear());
  const std::string message =
      arguments->Call(GrowthEntry, Site->NrCohorts(), PeriodFirstYear(), PeriodLastYear());
  if (!message.empty()) throw TarvexError(message);
  Site->ClearResults();
  arguments->CopyResults(*Site, PeriodFirstYear(), PeriodLastYear());
  Site->SumCohorts();
  RadioGroupOutClick(ActiveOutputGroup());
  return true;
}

}  // namespace tarvex
