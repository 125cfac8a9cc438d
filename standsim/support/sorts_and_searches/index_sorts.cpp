#include "standsim/support/sorts_and_searches/index_sorts.h"

#include <algorithm>
#include <array>
#include <new>
#include <vector>

#include "standsim/support/fortran_runtime/array_bounds.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/sorts_and_searches/index_quicksort.h"

namespace standsim {
namespace {

// 25 pending segments: enough for any vector of fewer than 9 * 2^25 - 1 keys.
constexpr std::size_t nstack = 50;

template <class Key>
void index_sort(std::string_view routine, std::string_view key_name, int32_t n,
                std::span<const Key> keys, std::span<int32_t> indx) {
  if (n <= 0) return;
  check_length(routine, key_name, keys.size(), n);
  std::array<int32_t, nstack> istack;
  index_quicksort(
      routine, n, [keys](int32_t p) { return keys[static_cast<std::size_t>(p - 1)]; }, indx,
      istack);
}

// The packed key of one text.
int32_t text_key(int32_t nchar, std::string_view text) {
  auto byte = [](char c) { return static_cast<uint32_t>(static_cast<unsigned char>(c)); };
  uint32_t key = text.empty() ? byte(' ') : byte(text[0]);
  const std::size_t nc = std::min<std::size_t>(std::max<int32_t>(nchar, 1), text.size());
  for (std::size_t p = 1; p < nc; ++p) key = key * 256u + byte(text[p]);
  return static_cast<int32_t>(key);
}

}  // namespace

void INDEXI(int32_t n, std::span<const int32_t> iar, std::span<int32_t> indx) {
  index_sort("INDEXI", "IAR", n, iar, indx);
}

void INDEXR(int32_t n, std::span<const float> arr, std::span<int32_t> indx) {
  index_sort("INDEXR", "ARR", n, arr, indx);
}

void INDEXD(int32_t n, std::span<const double> arr, std::span<int32_t> indx) {
  index_sort("INDEXD", "ARR", n, arr, indx);
}

void INDEXC(int32_t nchar, int32_t n, std::span<const std::string_view> cvec,
            std::span<int32_t> indx) {
  if (n <= 0) return;
  check_length("INDEXC", "CVEC", cvec.size(), n);
  check_length("INDEXC", "INDX", indx.size(), n);
  std::vector<int32_t> ivec;
  try {
    ivec.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    stop_process("INDEXC: cannot allocate the key vector!");
  }
  for (int32_t k = 0; k < n; ++k) ivec[k] = text_key(nchar, cvec[k]);
  index_sort<int32_t>("INDEXI", "IVEC", n, ivec, indx);
}

void INDX2RANK(int32_t n, std::span<const int32_t> indx, std::span<int32_t> irank) {
  if (n <= 0) return;
  check_length("INDX2RANK", "INDX", indx.size(), n);
  for (int32_t j = 1; j <= n; ++j) {
    const int32_t position = indx[static_cast<std::size_t>(j - 1)];
    check_subscript("INDX2RANK", "IRANK", irank.size(), position);
    irank[static_cast<std::size_t>(position - 1)] = j;
  }
}

}  // namespace standsim
