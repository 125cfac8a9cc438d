#include "standsim/support/numbers/shuffles.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "standsim/support/fortran_runtime/array_bounds.h"
#include "standsim/support/fortran_runtime/fortran_random.h"

namespace standsim {
namespace {

template <class T>
void shuffle(std::string_view routine, std::string_view name, int32_t n, std::span<T> vec) {
  if (n <= 1) return;
  check_length(routine, name, vec.size(), n);
  for (int32_t m = n; m >= 2; --m) {
    float r;
    random_number(r);
    // For r < 1 the 4-byte product stays below m for every m of the 4-byte
    // range, so k <= m; the bound keeps the swap inside the vector even so.
    const int64_t k = std::min<int64_t>(static_cast<int64_t>(r * static_cast<float>(m)) + 1, m);
    std::swap(vec[static_cast<std::size_t>(m - 1)], vec[static_cast<std::size_t>(k - 1)]);
  }
}

}  // namespace

void SHUFFLEI(int32_t n, std::span<int32_t> ivec) { shuffle("SHUFFLEI", "IVEC", n, ivec); }

void SHUFFLER(int32_t n, std::span<float> vec) { shuffle("SHUFFLER", "VEC", n, vec); }

}  // namespace standsim
