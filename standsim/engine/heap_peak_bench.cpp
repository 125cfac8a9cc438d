// The operator new and delete of the benchmark program: they count the heap
// held, for start_heap_peak and heap_peak.
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "standsim/engine/testing/bench_heap_peak.h"

namespace {

std::atomic<std::size_t> heap_now{0}, held_peak{0}, heap_start{0};

void note_allocation(void* p) {
  if (p == nullptr) return;
  const std::size_t now = heap_now += malloc_usable_size(p);
  std::size_t peak = held_peak.load();
  while (now > peak && !held_peak.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

namespace standsim::benchmarking {

void start_heap_peak() {
  heap_start = heap_now.load();
  held_peak = heap_start.load();
}

std::size_t heap_peak() { return held_peak.load() - heap_start.load(); }

}  // namespace standsim::benchmarking

// The replaced operators take their memory from malloc, which the compiler
// cannot see through once they are inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  note_allocation(p);
  return p;
}

void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  heap_now -= malloc_usable_size(p);
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
