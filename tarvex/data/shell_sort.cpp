#include "tarvex/data/shell_sort.h"

namespace tarvex {

void ShellSort(std::span<int> values) {
  const std::size_t n = values.size();
  for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < n; ++i) {
      const int v = values[i];
      std::size_t j = i;
      while (j >= gap && values[j - gap] > v) {
        values[j] = values[j - gap];
        j -= gap;
      }
      values[j] = v;
    }
  }
}

}  // namespace tarvex
