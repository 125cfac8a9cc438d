#include "standsim/engine/leaf_n_responses.h"

#include <bit>

#include "standsim/engine/stand_budget.h"

namespace standsim {

void LeafNResponses::prepare(double expnlf, int64_t first, int64_t last) {
  const auto bits = std::bit_cast<uint64_t>(expnlf);
  if (bits == expnlf_bits_ && first >= first_ && last <= last_) return;
  expnlf_bits_ = bits;
  first_ = first;
  last_ = last;
  values_.resize(last < first ? 0 : static_cast<std::size_t>(last - first + 1));
  for (int64_t y = first; y <= last; ++y) {
    values_[static_cast<std::size_t>(y - first)] = leaf_n_response(expnlf, call_.ndep_of(y));
  }
}

}  // namespace standsim
