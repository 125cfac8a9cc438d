// The model run: the inputs validated and packed cohort by cohort, one call
// of GROWTH for the whole site, the results copied back and plotted.
#include <QLabel>
#include <QTabWidget>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/growth_arguments.h"
#include "tarvex/ui/main_window.h"

namespace tarvex {

void TForm1::PageControl1Change() {
  if (PageControl1->currentWidget() != TabSheetResults) return;
  const QSignalBlocker quiet(PageControl1);
  PageControl1->setCurrentWidget(TabSheetInputs);
  if (RunModel()) PageControl1->setCurrentWidget(TabSheetResults);
}

bool TForm1::RunModel() {
  YearLo = kYearLo;
  YearHi = kYearHi;
  auto arguments = std::make_unique<GrowthArguments>(NaturalForest);
  SetNrCohortsLabel();
  if (Site->NrCohorts() == 0) return false;
  for (int c = 0; c < Site->NrCohorts(); ++c) {
    if (!StoreCohortInputsOrShow(true)) return false;
    // The validation has shown why the deposition could not be read; a run
    // on a cleared series and a period that was not read would be wrong.
    if (!NdepRead) return false;
    arguments->PackCohort(c, Site->Cohort(c), PeriodFirstYear);
    if (!NaturalForest) {
      try {
        Site->Cohort(c).ForMan.PlantingYear();
      } catch (const TarvexError& e) {
        ShowMessage(e.what());
        return false;
      }
    }
  }
  arguments->SetDeposition(*Site, PeriodFirstYear, PeriodLastYear);
  const std::string message =
      arguments->Call(GrowthEntry, Site->NrCohorts(), PeriodFirstYear, PeriodLastYear);
  if (!message.empty()) throw TarvexError(message);
  Site->ClearResults();
  arguments->CopyResults(*Site, PeriodFirstYear, PeriodLastYear);
  Site->SumCohorts();
  RadioGroupOutClick(ActiveOutputGroup());
  return true;
}

}  // namespace tarvex
