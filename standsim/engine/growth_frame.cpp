#include "standsim/engine/growth_frame.h"

#include <algorithm>
#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_refusals.h"
#include "standsim/engine/growth_work.h"
#include "standsim/engine/natural_model.h"

namespace standsim {
namespace {

// Scatters every cohort's actions into the work arrays by year; of two
// actions of one year the later in stored order wins.
void scatter_actions(const GrowthCall& call, GrowthWork& work) {
  for (int c = 0; c < call.ncoh; ++c) {
    for (int a = 0; a < call.nmact[c]; ++a) {
      const MANACT& action = call.mact_at(c, a);
      const std::size_t at = work.at(c, action.YEAR);
      work.acttyp[at] = action.ACTTYPE;
      work.actperc[at] = action.PERC;
      const double stems = action.REMFLAG[REM_STEMS];
      const double branches = action.REMFLAG[REM_BRANCHES];
      const double roots = action.REMFLAG[REM_ROOTS];
      const double leaves = action.REMFLAG[REM_LEAVES];
      work.actrem[at] = BIOVEC{{branches, roots, roots, leaves, stems}};
    }
  }
}

void copy_period(const GrowthCall& call, const GrowthWork& work) {
  if (call.iyr2 < call.iyr1) return;
  const std::size_t n = static_cast<std::size_t>(int64_t{call.iyr2} - call.iyr1 + 1);
  for (int c = 0; c < call.ncoh; ++c) {
    const std::size_t from = work.at(c, call.iyr1);
    const std::size_t to = call.result(c, call.iyr1);
    std::copy_n(work.wbiom.begin() + from, n, call.biom.begin() + to);
    std::copy_n(work.wlitf.begin() + from, n, call.litf.begin() + to);
    std::copy_n(work.wupt.begin() + from, n, call.upt.begin() + to);
    std::copy_n(work.wsoilin.begin() + from, n, call.soilin.begin() + to);
  }
}

}  // namespace

std::string RUN_GROWTH(const GrowthCall& call) {
  if (std::string refusal = REFUSE_GROWTH_INPUT(call); !refusal.empty()) return refusal;

  GrowthWork work(call.ncoh, call.ib, call.ie);
  scatter_actions(call, work);
  // The models work on copies of the records, so that a failing run leaves
  // the caller's records as they were.
  std::vector<COHPAR> params(call.cpar.begin(), call.cpar.end());

  std::string message;
  switch (call.mantype) {
    case MAN_EVEN_AGED:
      EVEN_AGED_MODEL(call, params, work);
      break;
    case MAN_NATURAL:
      message = NATURAL_MODEL(call, params, work);
      if (!message.empty()) return message;
      break;
    default:
      // The work arrays stay zero, and zeros are returned for the period.
      message = "E: unknown management type";
      break;
  }
  copy_period(call, work);
  for (std::size_t c = 0; c < params.size(); ++c) call.cpar[c].ctN.v[LV] = params[c].ctN.v[LV];
  return message;
}

}  // namespace standsim
