#include "standsim/support/numbers/axis_limits.h"

#include <cmath>

namespace standsim {
namespace {

constexpr int32_t no_exponent = -999;

// The 4-byte real nearest to 10^e.
float power_of_ten(int32_t e) { return static_cast<float>(std::pow(10.0, e)); }

// The finite X rounded to one significant digit with the bias SHIFT (+0.499999
// rounds up, -0.499999 down); 0 stays 0. X / scale lies within about 1..10,
// so its nearest integer (halves away from zero) is small.
float one_digit(float x, float shift) {
  if (x == 0.0f) return 0.0f;
  const float scale = power_of_ten(DECEXP(x));
  const int32_t digit = static_cast<int32_t>(std::lround(x / scale + shift));
  return scale * static_cast<float>(digit);
}

}  // namespace

int32_t DECEXP(float x) {
  if (x == 0.0f || !std::isfinite(x)) return no_exponent;
  float v = std::fabs(x);
  int32_t count = 0;
  if (v >= 10.0f) {
    while (v >= 10.0f) {
      v = v * 0.1f;
      ++count;
    }
    return count;
  }
  if (v >= 1.0f) return 0;
  do {
    v = v * 10.0f;
    ++count;
  } while (v < 0.999999f);
  return -count;
}

void AXLIMITS(float xmin, float xmax, float& ylo, float& yhi) {
  if (xmin >= xmax || !std::isfinite(xmin) || !std::isfinite(xmax)) {
    yhi = xmax;
    ylo = xmin;
    return;
  }
  yhi = one_digit(xmax, 0.499999f);
  ylo = one_digit(xmin, -0.499999f);
  if (yhi > 0.0f && ylo > 0.0f && yhi / ylo > 5.0f) ylo = 0.0f;
  if (ylo < 0.0f && 0.0f < yhi && yhi / (-ylo) > 10.0f) ylo = -0.1f * yhi;
}

}  // namespace standsim
