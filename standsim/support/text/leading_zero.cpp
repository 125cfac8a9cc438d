#include "standsim/support/text/leading_zero.h"

#include <string_view>

namespace standsim {

void LEADZERO(float x, std::span<char> string, int32_t back) {
  const std::string_view text(string.data(), string.size());
  const std::size_t found = back != 0 ? text.rfind('.') : text.find('.');
  if (found == std::string_view::npos) return;
  const std::size_t p = found + 1;  // 1-based position of the point
  if (p >= 2 && string[p - 2] >= '1' && string[p - 2] <= '9')
    return;  // written as 1 after rounding
  if (x >= 0.0f && x < 1.0f) {
    if (p >= 2) string[p - 2] = '0';
  } else if (x > -1.0f && x < 0.0f) {
    if (p >= 3) {
      string[p - 3] = '-';
      string[p - 2] = '0';
    }
  }
}

}  // namespace standsim
