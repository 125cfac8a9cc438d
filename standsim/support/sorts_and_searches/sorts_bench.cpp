// Index sorts and heapsorts on random, tie-heavy and ordered vectors. The
// heapsort grows like N log N for every input. The index quicksort does so for
// random, tie-heavy and ascending keys; descending keys defeat its fixed
// median-of-three rule after the first split and take time growing like N^2,
// so they are measured only up to 32768 keys.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "standsim/support/sorts_and_searches/heapsorts.h"
#include "standsim/support/sorts_and_searches/index_sorts.h"

namespace standsim {
namespace {

enum Input { random_keys = 0, few_distinct = 1, ascending = 2, descending = 3 };

std::vector<double> keys(int64_t n, int64_t kind) {
  std::mt19937 random(12345);
  std::vector<double> v(static_cast<std::size_t>(n));
  const int distinct = kind == few_distinct ? 4 : 1 << 30;
  for (double& x : v) x = std::uniform_int_distribution<int>(0, distinct)(random);
  if (kind == ascending) std::sort(v.begin(), v.end());
  if (kind == descending) std::sort(v.rbegin(), v.rend());
  return v;
}

void BM_INDEXD(benchmark::State& state) {
  const std::vector<double> arr = keys(state.range(0), state.range(1));
  std::vector<int32_t> indx(arr.size());
  for (auto _ : state) {
    INDEXD(static_cast<int32_t>(arr.size()), arr, indx);
    benchmark::DoNotOptimize(indx.data());
  }
  state.SetComplexityN(state.range(0));
}

void BM_HEAPSORTD(benchmark::State& state) {
  const std::vector<double> original = keys(state.range(0), state.range(1));
  std::vector<double> ra, rb;
  for (auto _ : state) {
    state.PauseTiming();
    ra = original;
    rb = original;
    std::span<double> rb_span(rb);
    state.ResumeTiming();
    HEAPSORTD(static_cast<int32_t>(ra.size()), ra, &rb_span);
    benchmark::DoNotOptimize(ra.data());
  }
  state.SetComplexityN(state.range(0));
}

void sizes(benchmark::internal::Benchmark* b) {
  for (int64_t kind = random_keys; kind <= descending; ++kind) {
    const int64_t largest = kind == descending ? 1 << 15 : 1 << 20;
    for (int64_t n = 1 << 10; n <= largest; n <<= 5) b->Args({n, kind});
  }
}

BENCHMARK(BM_INDEXD)->Apply(sizes);
BENCHMARK(BM_HEAPSORTD)->Apply(sizes);

}  // namespace
}  // namespace standsim
