#include "standsim/engine/growth_frame.h"

#include <cmath>
#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_messages.h"
#include "standsim/engine/growth_refusals.h"
#include "standsim/engine/natural_model.h"
#include "standsim/engine/result_bounds.h"

namespace standsim {
namespace {

void store_zeros_for_period(const GrowthCall& call) {
  for (int c = 0; c < call.ncoh; ++c) {
    for (int64_t y = call.iyr1; y <= call.iyr2; ++y) call.slots(c, y).zero();
  }
}

std::string run_model(const GrowthCall& call, std::span<COHPAR> params, StoredActionOrder order) {
  if (call.mantype == MAN_EVEN_AGED) {
    even_aged_model(call, params, order);
    return {};
  }
  return natural_model(call, params, order);
}

bool finite(const BIOVEC& v) {
  for (double x : v.v) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

bool finite(const NUTVEC& v) {
  for (double x : v.v) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

// The model of CALL run into work arrays of the call's layout; results of
// the period that are all finite are copied into the call's arrays, else
// the first cohort and year that is not is refused and nothing is written.
std::string run_model_checked(const GrowthCall& call, std::span<COHPAR> params,
                              StoredActionOrder order) {
  std::vector<BIOVEC> biom(call.biom.size()), litf(call.litf.size());
  std::vector<NUTVEC> upt(call.upt.size()), soilin(call.soilin.size());
  GrowthCall work = call;
  work.biom = biom;
  work.litf = litf;
  work.upt = upt;
  work.soilin = soilin;
  if (call.mantype == MAN_NATURAL && call.iyr2 >= call.iyr1) {
    // The initial stem biomass of the year before the period.
    for (int c = 0; c < call.ncoh; ++c) {
      const std::size_t at = call.result(c, int64_t{call.iyr1} - 1);
      biom[at] = call.biom[at];
    }
  }
  if (std::string message = run_model(work, params, order); !message.empty()) return message;
  for (int c = 0; c < call.ncoh; ++c) {
    for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
      const std::size_t at = call.result(c, y);
      if (!finite(biom[at]) || !finite(litf[at]) || !finite(upt[at]) || !finite(soilin[at])) {
        return "E: cohort " + integer_text(c + 1) + ": the results of year " + integer_text(y) +
               " are not finite (inputs far beyond any stand)";
      }
    }
  }
  for (int c = 0; c < call.ncoh; ++c) {
    for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
      const std::size_t at = call.result(c, y);
      call.slots(c, y).assign(biom[at], litf[at], upt[at], soilin[at]);
    }
  }
  return {};
}

}  // namespace

std::string run_growth(const GrowthCall& call) {
  StoredActionOrder order{};
  if (std::string refusal = refuse_growth_input(call, order); !refusal.empty()) return refusal;

  // The models work on copies of the records, so that a failing run leaves
  // the caller's records as they were.
  std::vector<COHPAR> params(call.cpar.begin(), call.cpar.end());
  std::string message;
  switch (call.mantype) {
    case MAN_EVEN_AGED:
    case MAN_NATURAL:
      // Inputs whose results may not be finite run into work arrays first.
      message = results_surely_finite(call) ? run_model(call, params, order)
                                            : run_model_checked(call, params, order);
      if (!message.empty()) return message;
      break;
    default:
      store_zeros_for_period(call);
      message = "E: unknown management type";
      break;
  }
  for (std::size_t c = 0; c < params.size(); ++c) call.cpar[c].ctN.v[LV] = params[c].ctN.v[LV];
  return message;
}

}  // namespace standsim
