#include "standsim/engine/finite_results.h"

#include <array>
#include <cmath>
#include <span>
#include <tuple>

#include "standsim/engine/growth_messages.h"

namespace standsim {
namespace {

constexpr std::array<const char*, kNutrientSlots> kNutrientNames = {"carbon", "N", "Ca",
                                                                    "Mg",     "K", "sixth slot"};

// The message for the first result of cohort C in year Y that is not
// finite, empty when all are.
std::string first_not_finite(const GrowthCall& call, int c, int64_t y) {
  const std::size_t at = call.result(c, y);
  const std::tuple<const char*, std::span<const double>, std::span<const char* const>> results[] = {
      {"biomass", call.biom[at].v, kCompartmentNames},
      {"litterfall", call.litf[at].v, kCompartmentNames},
      {"uptake", call.upt[at].v, kNutrientNames},
      {"soil input", call.soilin[at].v, kNutrientNames}};
  for (const auto& [what, values, parts] : results) {
    for (std::size_t k = 0; k < values.size(); ++k) {
      if (!std::isfinite(values[k])) {
        return cohort_prefix(c) + what + " of " + parts[k] + " " + real_text(values[k]) +
               " of year " + integer_text(y) + " is not finite";
      }
    }
  }
  return {};
}

}  // namespace

std::string refuse_results_not_finite(const GrowthCall& call) {
  for (int64_t y = call.iyr1; y <= call.iyr2; ++y) {
    for (int c = 0; c < call.ncoh; ++c) {
      if (std::string message = first_not_finite(call, c, y); !message.empty()) {
        call.zero_period();
        return message;
      }
    }
  }
  return {};
}

}  // namespace standsim
