#include "tarvex/data/management.h"

#include <algorithm>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/value_ranges.h"

namespace tarvex {

CForMan::CForMan() { Clear(); }

void CForMan::Clear() {
  ManActions.fill(standsim::MANACT{});
  NrForManData = 0;
}

bool CForMan::SetAction(int year, int actType, double perc, const RemovalFlags& remFlags) {
  bool ok = true;
  if (perc > kPercentageRange.High || perc < kPercentageRange.Low) {
    perc = 0.0;
    ok = false;
  }
  for (int k = 0; k < NrForManData; ++k) {
    standsim::MANACT& action = ManActions[k];
    if (action.YEAR == year) {
      action.ACTTYPE = actType;
      action.PERC = perc;
      std::copy(remFlags.begin(), remFlags.end(), action.REMFLAG);
      return ok;
    }
  }
  if (NrForManData >= kMaxManagementActions) {
    throw TarvexError("A cohort holds at most 99 management actions");
  }
  standsim::MANACT& action = ManActions[NrForManData];
  action.YEAR = year;
  action.ACTTYPE = actType;
  action.PERC = perc;
  std::copy(remFlags.begin(), remFlags.end(), action.REMFLAG);
  ++NrForManData;
  return ok;
}

void CForMan::DeleteLast() {
  if (NrForManData == 0) return;
  --NrForManData;
  standsim::MANACT& action = ManActions[NrForManData];
  action.YEAR = 0;
  action.ACTTYPE = 0;
  action.PERC = 0.0;
}

void CForMan::GetArrays(std::span<int> years, std::span<int> actTypes, std::span<double> percs,
                        std::span<RemovalFlags> remFlags) const {
  for (int k = 0; k < NrForManData; ++k) {
    const standsim::MANACT& action = ManActions[k];
    years[k] = action.YEAR;
    actTypes[k] = action.ACTTYPE;
    percs[k] = action.PERC;
    std::copy(std::begin(action.REMFLAG), std::end(action.REMFLAG), remFlags[k].begin());
  }
}

int CForMan::PlantingYear() const {
  int result = 9999;
  bool found = false;
  for (int k = 0; k < NrForManData; ++k) {
    if (ManActions[k].ACTTYPE == standsim::ACT_PLANTING) {
      found = true;
      result = std::min(result, static_cast<int>(ManActions[k].YEAR));
    }
  }
  if (!found) throw TarvexError("Not all cohorts have planting years!");
  return result;
}

int CForMan::ClearcutYear() const {
  int year = 9999;
  for (int k = 0; k < NrForManData; ++k) {
    if (ManActions[k].ACTTYPE == standsim::ACT_CLEARCUT) year = ManActions[k].YEAR;
  }
  return year;
}

}  // namespace tarvex
