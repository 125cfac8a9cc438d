#include "standsim/engine/growth_frame.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_refusals.h"
#include "standsim/engine/growth_work.h"
#include "standsim/engine/natural_model.h"

namespace standsim {
namespace {

// The years the models and the copy touch: the period, the year before the
// natural stand's first, and every simulated even-aged cohort from the year
// before its first action on. Actions outside them are never read.
std::pair<int64_t, int64_t> touched_years(const GrowthCall& call) {
  int64_t first = call.iyr1;
  int64_t last = call.iyr2;
  if (call.mantype == MAN_NATURAL && call.ncoh > 0) {
    first = int64_t{call.iyr1} - 1;
    last = std::max(last, first);
  }
  if (call.mantype == MAN_EVEN_AGED) {
    for (int c = 0; c < call.ncoh; ++c) {
      const int32_t y0 = call.mact_at(c, 0).YEAR;
      if (y0 <= call.iyr2) first = std::min(first, int64_t{y0} - 1);
    }
  }
  return {first, last};
}

// Scatters every cohort's actions into the work arrays by year; of two
// actions of one year the later in stored order wins.
void scatter_actions(const GrowthCall& call, GrowthWork& work) {
  for (int c = 0; c < call.ncoh; ++c) {
    for (int a = 0; a < call.nmact[c]; ++a) {
      const MANACT& action = call.mact_at(c, a);
      if (!work.holds(action.YEAR)) continue;
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

void copy_year(const GrowthCall& call, const GrowthWork& work, int c, int64_t y) {
  const std::size_t from = work.at(c, y);
  const std::size_t to = call.result(c, y);
  call.biom[to] = work.wbiom[from];
  call.litf[to] = work.wlitf[from];
  call.upt[to] = work.wupt[from];
  call.soilin[to] = work.wsoilin[from];
}

// Copies the period of every cohort into the result arrays. When each
// cohort's years lie together in the work arrays they are copied in one
// piece; when the cohorts of a year lie together, the years go in runs that
// stay in cache while every cohort takes its part.
void copy_period(const GrowthCall& call, const GrowthWork& work) {
  if (call.iyr2 < call.iyr1) return;
  if (work.year_stride == 1) {
    const auto n = static_cast<std::size_t>(int64_t{call.iyr2} - call.iyr1 + 1);
    for (int c = 0; c < call.ncoh; ++c) {
      const std::size_t from = work.at(c, call.iyr1);
      const std::size_t to = call.result(c, call.iyr1);
      std::copy_n(work.wbiom.begin() + from, n, call.biom.begin() + to);
      std::copy_n(work.wlitf.begin() + from, n, call.litf.begin() + to);
      std::copy_n(work.wupt.begin() + from, n, call.upt.begin() + to);
      std::copy_n(work.wsoilin.begin() + from, n, call.soilin.begin() + to);
    }
    return;
  }
  constexpr int64_t kRun = 64;
  for (int64_t first = call.iyr1; first <= call.iyr2; first += kRun) {
    const int64_t last = std::min<int64_t>(first + kRun - 1, call.iyr2);
    for (int c = 0; c < call.ncoh; ++c) {
      for (int64_t y = first; y <= last; ++y) copy_year(call, work, c, y);
    }
  }
}

}  // namespace

std::string RUN_GROWTH(const GrowthCall& call) {
  if (std::string refusal = REFUSE_GROWTH_INPUT(call); !refusal.empty()) return refusal;

  // The even-aged model computes cohort after cohort, the natural one year after year.
  const auto [first_year, last_year] = touched_years(call);
  GrowthWork work(call.ncoh, first_year, last_year,
                  call.mantype == MAN_NATURAL ? GrowthWork::Order::kCohortsOfAYearTogether
                                              : GrowthWork::Order::kYearsOfACohortTogether);
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
