// The heap a benchmarked call holds at once, counted by the benchmark
// program's own operator new and delete (heap_peak_bench.cpp).
#pragma once

#include <cstddef>

namespace standsim::benchmarking {

// Starts a new peak from what the program holds now.
void StartHeapPeak();

// The most the program held at once since StartHeapPeak, beyond what it
// held then.
std::size_t HeapPeak();

}  // namespace standsim::benchmarking
