#include "tarvex/data/action_names.h"

namespace tarvex {

const char* ActionName(int type) {
  switch (type) {
    case standsim::ACT_THINNING:
      return "Thinning";
    case standsim::ACT_CLEARCUT:
      return "Clearcut";
    case standsim::ACT_PLANTING:
      return "Planting";
    default:
      return "Unknown";
  }
}

standsim::ActionType ActionOfName(std::string_view name) {
  if (name.empty()) return standsim::ACT_NONE;
  if (name == ActionName(standsim::ACT_CLEARCUT)) return standsim::ACT_CLEARCUT;
  if (name == ActionName(standsim::ACT_PLANTING)) return standsim::ACT_PLANTING;
  return standsim::ACT_THINNING;
}

}  // namespace tarvex
