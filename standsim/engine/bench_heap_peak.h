// The heap a benchmarked call holds at once, counted by the benchmark
// program's own operator new and delete (heap_peak_bench.cpp).
#pragma once

#include <cstddef>

namespace standsim::benchmarking {

// Starts a new peak from what the program holds now.
void START_HEAP_PEAK();

// The most the program held at once since START_HEAP_PEAK, beyond what it
// held then.
std::size_t HEAP_PEAK();

}  // namespace standsim::benchmarking
