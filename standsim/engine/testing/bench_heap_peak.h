// The heap a benchmarked call holds at once, counted by the benchmark
// program's own operator new and delete (heap_peak_bench.cpp).
#pragma once

#include <cstddef>

namespace standsim::benchmarking {

// Starts a new peak from what the program holds now.
void start_heap_peak();

// The most the program held at once since start_heap_peak, beyond what it
// held then.
std::size_t heap_peak();

}  // namespace standsim::benchmarking
