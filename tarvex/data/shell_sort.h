// The sort of the management years the chart's axis follows.
#pragma once

#include <span>

namespace tarvex {

// Sorts VALUES ascending in place with the gap sequence n/2, n/4, ..., 1.
void ShellSort(std::span<int> values);

}  // namespace tarvex
