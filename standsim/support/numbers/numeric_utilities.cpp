#include "standsim/support/numbers/numeric_utilities.h"

#include <algorithm>

#include "standsim/support/fortran_runtime/array_bounds.h"

namespace standsim {

int32_t NDIGITS(int32_t n) {
  int64_t rest = n;
  int32_t width = 1;
  if (rest < 0) {
    rest = -rest;
    ++width;
  }
  while (rest >= 10) {
    rest /= 10;
    ++width;
  }
  return width;
}

float RAMP(float x, float x1, float x2, float y1, float y2) {
  if (x <= x1) return y1;
  if (x >= x2) return y2;
  return y1 + ((y2 - y1) * (x - x1)) / (x2 - x1);
}

int32_t DROPABOVE(int32_t lim, int32_t& n, std::span<int32_t> ivec) {
  if (n <= 0) return 0;
  check_length("DROPABOVE", "IVEC", ivec.size(), n);
  const int32_t old_n = n;
  int32_t kept = n;
  for (int32_t i = old_n; i >= 1; --i) {
    if (ivec[i - 1] > lim) {
      std::copy(ivec.begin() + i, ivec.begin() + kept, ivec.begin() + (i - 1));
      ivec[kept - 1] = 0;
      --kept;
    }
  }
  n = kept;
  return old_n - kept;
}

}  // namespace standsim
