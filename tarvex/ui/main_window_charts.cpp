// The result chart: one quantity of the cohort shown, or the total of all
// cohorts, over the years of the run.
#include <QCheckBox>
#include <QTabWidget>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/chart.h"
#include "tarvex/ui/platform/radio_group.h"

namespace tarvex {
namespace {

// The compartment plotted for the items "stems", "branches", "coarse roots",
// "fine roots", "leaves" of the biomass and litterfall pages.
constexpr int kCompartmentOfItem[] = {standsim::ST, standsim::BR, standsim::CR, standsim::FR,
                                      standsim::LV};
constexpr int kUptakeSlotOfItem[] = {standsim::NUT_N, standsim::NUT_CA, standsim::NUT_MG,
                                     standsim::NUT_K};
constexpr int kSoilInputSlotOfItem[] = {standsim::NUT_C, standsim::NUT_N};

}  // namespace

RadioGroup* TForm1::ActiveOutputGroup() const {
  QWidget* page = PageControlOutput->currentWidget();
  return page != nullptr ? page->findChild<RadioGroup*>() : nullptr;
}

void TForm1::RadioGroupOutClick(RadioGroup* sender) {
  if (sender == nullptr) return;
  const int k = sender->ItemIndex();
  // The species chosen since the cohort was shown names the results too.
  ShowSpeciesLabel();
  CheckBoxShowAvg->show();
  const bool total = CheckBoxShowAvg->isChecked();

  Chart1->Clear();
  ChartAxis& bottom = Chart1->Bottom();
  bottom.SetAutomatic(false);
  bottom.Minimum = -1;
  bottom.Maximum = PeriodLastYear();
  int start = PeriodFirstYear();
  if (!NaturalForest()) {
    try {
      start = std::max(Site->FirstPlantingYear(), PeriodFirstYear());
    } catch (const TarvexError& e) {
      // A cohort without planting has no results to start from; that is
      // said to a user who looks at the chart, not on a step between
      // cohorts on another page.
      if (PageControl1->currentWidget() == TabSheetResults) ShowMessage(e.what());
      return;
    }
  }
  bottom.Minimum = start;

  ChartAxis& left = Chart1->Left();
  if (sender == RadioGroupUptake) {
    left.Title = sender->Item(k) + " (eq/m2)";
    left.SetAutomatic(true);
  } else {
    left.Title = sender->Item(k) + " (g/m2)";
    left.Maximum = 5000;
    left.AutomaticMaximum = true;
    left.AutomaticMinimum = false;
    left.Minimum = 0;
  }

  const CCohort& cohort = Site->Cohort(CurrentCohort);
  auto value = [&](int year) -> double {
    const auto y = static_cast<std::size_t>(year);
    if (sender == RadioGroupBiomass) {
      return (total ? Site->SumBiomass[y] : cohort.Biomass[y]).v[kCompartmentOfItem[k]];
    }
    if (sender == RadioGroupLitterfall) {
      return (total ? Site->SumLitterfall[y] : cohort.Litterfall[y]).v[kCompartmentOfItem[k]];
    }
    if (sender == RadioGroupUptake) {
      return (total ? Site->SumUptake[y] : cohort.Uptake[y]).v[kUptakeSlotOfItem[k]];
    }
    return (total ? Site->SumSoilInputs[y] : cohort.SoilInputs[y]).v[kSoilInputSlotOfItem[k]];
  };
  if (k < 0 || k >= sender->Count()) return;
  for (int y = std::max(start, 0); y <= std::min(PeriodLastYear(), kLastYear); ++y) {
    Chart1->AddPoint(y, value(y));
  }
}

void TForm1::PageControlOutputChange() { RadioGroupOutClick(ActiveOutputGroup()); }

void TForm1::CheckBoxShowAvgClick() { RadioGroupOutClick(ActiveOutputGroup()); }

}  // namespace tarvex
