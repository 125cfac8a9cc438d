#include "standsim/engine/leaf_n_responses.h"

#include <bit>

#include "standsim/engine/stand_budget.h"

namespace standsim {

const double* LeafNResponses::series(double expnlf) {
  const auto bits = std::bit_cast<uint64_t>(expnlf);
  for (const auto& [of, values] : series_) {
    if (of == bits) return values.data();
  }
  std::vector<double> values;
  values.reserve(last_ < first_ ? 0 : static_cast<std::size_t>(last_ - first_ + 1));
  for (int64_t y = first_; y <= last_; ++y) {
    values.push_back(leaf_n_response(expnlf, call_.ndep_of(y)));
  }
  return series_.emplace_back(bits, std::move(values)).second.data();
}

}  // namespace standsim
