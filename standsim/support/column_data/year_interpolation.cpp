#include "standsim/support/column_data/year_interpolation.h"

#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {

void vecintp(int32_t n0, int32_t ib, int32_t ie, float xmiss, std::span<float> vec, int32_t& ierr) {
  if (ib < n0) {
    ierr = 1;
    return;
  }
  if (ie < ib) {
    ierr = 2;
    return;
  }
  if (static_cast<int64_t>(ie) - n0 >= static_cast<int64_t>(vec.size()))
    stop_process("vecintp: IE beyond the end of VEC!");
  const auto at = [&](int64_t index) -> float& {
    return vec[static_cast<std::size_t>(index - n0)];
  };
  const auto valid = [&](int64_t index) { return at(index) > xmiss; };

  int64_t a = ib;
  while (a <= ie && !valid(a)) ++a;
  if (a > ie) {
    ierr = 2;
    return;
  }
  for (int64_t j = ib; j < a; ++j) at(j) = at(a);
  for (int64_t b = a + 1; b <= ie; ++b) {
    if (!valid(b)) continue;
    const float s = (at(b) - at(a)) / static_cast<float>(b - a);
    for (int64_t j = a + 1; j < b; ++j) at(j) = static_cast<float>(j - a) * s + at(a);
    a = b;
  }
  for (int64_t j = a + 1; j <= ie; ++j) at(j) = at(a);
  ierr = 0;
}

float tabintp(int32_t n, std::span<const int32_t> iyv, std::span<const float> vec, int32_t iyear) {
  if (n < 1 || static_cast<std::size_t>(n) > iyv.size() ||
      static_cast<std::size_t>(n) > vec.size()) {
    stop_process("tabintp: N outside the tables IYV and VEC!");
  }
  const std::size_t last = static_cast<std::size_t>(n) - 1;
  if (iyear <= iyv[0]) return vec[0];
  if (iyear >= iyv[last]) return vec[last];
  for (std::size_t i = 1; i <= last; ++i) {
    if (iyear < iyv[i]) {
      const float rise =
          static_cast<float>(static_cast<int64_t>(iyear) - iyv[i - 1]) * (vec[i] - vec[i - 1]);
      return vec[i - 1] + rise / static_cast<float>(static_cast<int64_t>(iyv[i]) - iyv[i - 1]);
    }
  }
  return vec[last];
}

}  // namespace standsim
