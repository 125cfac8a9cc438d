// The quicksort of an index shared by the index sorts. It orders the
// positions 1..N of a key vector so that key(INDX(1)) <= ... <= key(INDX(N))
// and never moves the keys. The order of equal keys is the one these steps
// leave, so the steps are fixed:
// - segments of at most 7 positions are sorted by straight insertion, whose
//   downward move is bounded by position 1 of the whole index;
// - a longer segment takes the median of its first, middle and last keys as
//   the pivot (the middle element swapped to position l+1 first, then three
//   compare-exchanges), is split by two scans with strict comparisons, and
//   the longer part is pushed while the shorter one is continued.
// ISTACK holds the pending segments as pairs of positions; a push beyond its
// length stops the process with "<ROUTINE>: nstack too small!".
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "standsim/support/fortran_runtime/array_bounds.h"
#include "standsim/support/fortran_runtime/process_stop.h"

namespace standsim {

// KEY(p) is the key of the 1-based position p. INDX[k] holds INDX(k + 1).
template <class KeyOf>
void index_quicksort(std::string_view routine, int32_t n, KeyOf key, std::span<int32_t> indx,
                     std::span<int32_t> istack) {
  constexpr int32_t insertion_limit = 7;
  if (n <= 0) return;
  check_length(routine, "INDX", indx.size(), n);
  auto at = [&](int32_t p) -> int32_t& { return indx[static_cast<std::size_t>(p - 1)]; };
  for (int32_t j = 1; j <= n; ++j) at(j) = j;
  const int64_t stack_size = static_cast<int64_t>(istack.size());
  int32_t l = 1;
  int32_t r = n;
  int64_t d = 0;
  for (;;) {
    if (r - l < insertion_limit) {
      for (int32_t j = l + 1; j <= r; ++j) {
        const int32_t t = at(j);
        const auto a = key(t);
        int32_t i = j - 1;
        while (i >= 1 && key(at(i)) > a) {
          at(i + 1) = at(i);
          --i;
        }
        at(i + 1) = t;
      }
      if (d == 0) return;
      r = istack[static_cast<std::size_t>(d - 1)];
      l = istack[static_cast<std::size_t>(d - 2)];
      d -= 2;
      continue;
    }
    const int32_t m = l + (r - l) / 2;
    std::swap(at(m), at(l + 1));
    if (key(at(l + 1)) > key(at(r))) std::swap(at(l + 1), at(r));
    if (key(at(l)) > key(at(r))) std::swap(at(l), at(r));
    if (key(at(l + 1)) > key(at(l))) std::swap(at(l + 1), at(l));
    const int32_t t = at(l);
    const auto a = key(t);
    int32_t i = l + 1;
    int32_t j = r;
    for (;;) {
      do ++i;
      while (key(at(i)) < a);
      do --j;
      while (key(at(j)) > a);
      if (j < i) break;
      std::swap(at(i), at(j));
    }
    at(l) = at(j);
    at(j) = t;
    d += 2;
    if (d > stack_size) stop_process(std::string(routine) + ": nstack too small!");
    if (r - i + 1 >= j - l) {
      istack[static_cast<std::size_t>(d - 2)] = i;
      istack[static_cast<std::size_t>(d - 1)] = r;
      r = j - 1;
    } else {
      istack[static_cast<std::size_t>(d - 2)] = l;
      istack[static_cast<std::size_t>(d - 1)] = j - 1;
      l = i;
    }
  }
}

}  // namespace standsim
