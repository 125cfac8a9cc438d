#include "standsim/engine/growth_frame.h"

#include <vector>

#include "standsim/engine/even_aged_model.h"
#include "standsim/engine/growth_refusals.h"
#include "standsim/engine/natural_model.h"

namespace standsim {

std::string run_growth(const GrowthCall& call) {
  if (std::string refusal = refuse_growth_input(call); !refusal.empty()) return refusal;

  // The models work on copies of the records, so that a failing run leaves
  // the caller's records as they were.
  std::vector<COHPAR> params(call.cpar.begin(), call.cpar.end());
  std::string message;
  switch (call.mantype) {
    case MAN_EVEN_AGED:
      message = even_aged_model(call, params);
      break;
    case MAN_NATURAL:
      message = natural_model(call, params);
      break;
    default:
      call.zero_period();
      return "E: unknown management type";
  }
  if (!message.empty()) return message;
  for (std::size_t c = 0; c < params.size(); ++c) call.cpar[c].ctN.v[LV] = params[c].ctN.v[LV];
  return {};
}

}  // namespace standsim
