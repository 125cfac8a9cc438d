#include "standsim/support/numbers/colour_codes.h"

#include <algorithm>

namespace standsim {

void CODE2RGB(int32_t icode, std::span<int32_t, 3> irgb) {
  constexpr int32_t white = 555;
  constexpr int32_t level_step = 51;
  const int32_t c = std::min(icode, white);
  irgb[0] = (c / 100) * level_step;
  irgb[1] = ((c % 100) / 10) * level_step;
  irgb[2] = (c % 10) * level_step;
}

}  // namespace standsim
