#include "standsim/support/numbers/power_conversion.h"

#include <cmath>

namespace standsim {

float PWRCONV(int32_t p, float x, int32_t r, int32_t s, int32_t n) {
  const float rr = static_cast<float>(r);
  const float ss = static_cast<float>(s);
  const float u = p == 1 ? rr : 1.0f / ss;
  const float w = p == 1 ? ss : 1.0f / rr;
  const float factor = std::pow(ss, u) / std::pow(rr, w);
  return factor * std::pow(10.0f, x + static_cast<float>(n) * (u - w));
}

float PWRCONVINV(int32_t p, float y, int32_t r, int32_t s, int32_t n) {
  const float rr = static_cast<float>(r);
  const float ss = static_cast<float>(s);
  const float a = p == 1 ? ss : 1.0f / rr;
  const float b = p == 1 ? rr : 1.0f / ss;
  const float factor = std::pow(rr, a) / std::pow(ss, b);
  return std::log10(factor * y) + static_cast<float>(n) * (a - b);
}

}  // namespace standsim
