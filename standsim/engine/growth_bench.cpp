// GROWTH at the workbench's full capacity (20 cohorts, year arrays 0..4999,
// 99 points and actions) over periods of 100, 1000 and 4999 years in which
// every cohort stands in every year, against the floor of the same work:
// filling a block of the period's results (the bytes GROWTH returns) and
// copying it into the result arrays.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "standsim/engine/testing/bench_heap_peak.h"
#include "standsim/engine/testing/growth_fixture.h"

namespace standsim::testing {
namespace {

using namespace standsim::benchmarking;

constexpr int32_t kCohorts = 20;
constexpr int32_t kLastIndex = 4999;
constexpr int32_t kCapacity = 99;
// Bytes GROWTH returns per cohort and year: biomass, litterfall, uptake and soil inputs.
constexpr std::size_t kResultBytes = 2 * sizeof(BIOVEC) + 2 * sizeof(NUTVEC);

Site full_site(int32_t mantype, int32_t period) {
  Site site(0, kLastIndex, kCohorts, kCapacity);
  site.mantype = mantype;
  site.ncoh = kCohorts;
  site.iyr1 = 1;
  site.iyr2 = period;
  for (int c = 0; c < kCohorts; ++c) {
    // A growth curve of 10 points and expansion factors at the 15 usual ages.
    site.ncaip[c] = 10;
    for (int i = 0; i < 10; ++i)
      site.point(c, i) = CAIPT{10 + 15 * i, 0, 4.0 + 0.7 * i - 0.05 * i * i};
    site.nbaf[c] = mantype == 1 ? 15 : 1;
    for (int j = 0; j < 15; ++j) {
      site.baf_age(c, j) = j < 14 ? 10 * (j + 1) : 1000;
      const double f = 1.0 / (1.0 + 0.05 * j);
      site.baf(c, j) = BIOVEC{{0.3 * f, 0.2 * f, 0.05 * f, 0.04 * f, 1.0}};
    }
    if (mantype == 1) {
      // Rotations of a planting, two thinnings and a clearcut, 24 of them,
      // each planting in the year after the clearcut: the stand stands in
      // every year from year 1 on.
      const int32_t length = 230 - c;
      auto add = [&](int32_t y, int32_t type, double perc) {
        if (y <= kLastIndex) site.add_action(c, y, type, perc);
      };
      for (int32_t r = 1; site.nmact[c] + 4 <= kCapacity && r <= kLastIndex; r += length) {
        add(r, ACT_PLANTING, 0.0);
        add(r + length / 3, ACT_THINNING, 20.0);
        add(r + 2 * length / 3, ACT_THINNING, 20.0);
        add(r + length - 1, ACT_CLEARCUT, 100.0);
      }
    } else {
      // Thinnings every 50 years from year 1 + c on.
      for (int32_t y = 1 + c; site.nmact[c] < kCapacity && y <= kLastIndex; y += 50) {
        site.add_action(c, y, ACT_THINNING, 20.0);
      }
      site.biom[site.year(c, 0)].v[ST] = 500.0 + 40.0 * c;
    }
  }
  return site;
}

void set_counters(benchmark::State& state, int32_t period) {
  state.counters["cohort_year"] = benchmark::Counter(
      static_cast<double>(kCohorts) * period,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// GROWTH on a full site of management type MANTYPE over the period of range(0).
void benchmark_growth(benchmark::State& state, int32_t mantype) {
  const auto period = static_cast<int32_t>(state.range(0));
  Site site = full_site(mantype, period);
  std::size_t most_held = 0;
  for (auto _ : state) {
    start_heap_peak();
    site.run();
    most_held = std::max(most_held, heap_peak());
    benchmark::DoNotOptimize(site.biom.data());
    benchmark::ClobberMemory();
  }
  if (site.errmsg[0] != ' ') state.SkipWithError("GROWTH refused the site");
  // A simulated year takes up nitrogen; one without a stand is all zero.
  for (int c = 0; c < kCohorts; ++c) {
    for (int32_t y = 1; y <= period; ++y) {
      if (site.uptake(c, y).v[NUT_N] == 0.0)
        state.SkipWithError("a cohort-year of the period was not simulated");
    }
  }
  set_counters(state, period);
  state.counters["heap_peak_KiB"] = static_cast<double>(most_held) / 1024.0;
  const double result_bytes = static_cast<double>(kCohorts * site.years() * kResultBytes);
  state.counters["heap_peak_per_results"] = static_cast<double>(most_held) / result_bytes;
}

void BM_GrowthEvenAged(benchmark::State& state) { benchmark_growth(state, 1); }

void BM_GrowthNatural(benchmark::State& state) { benchmark_growth(state, 2); }

// The floor of a GROWTH call over the period of range(0): a block of the
// period's results of every cohort, each cohort's years together, filled
// and copied into the four result arrays.
void BM_FillAndCopyResults(benchmark::State& state) {
  const auto period = static_cast<int32_t>(state.range(0));
  Site site = full_site(1, period);
  const std::size_t n = static_cast<std::size_t>(period);
  std::vector<unsigned char> block(kResultBytes * kCohorts * n);
  unsigned char fill = 0;
  for (auto _ : state) {
    std::memset(block.data(), ++fill, block.size());
    const unsigned char* source = block.data();
    auto copy_out = [&](auto& results) {
      const std::size_t size = sizeof(results[0]);
      for (int c = 0; c < kCohorts; ++c) {
        std::memcpy(&results[site.year(c, 1)], source, n * size);
        source += n * size;
      }
    };
    copy_out(site.biom);
    copy_out(site.litf);
    copy_out(site.upt);
    copy_out(site.soilin);
    benchmark::DoNotOptimize(block.data());
    benchmark::DoNotOptimize(site.biom.data());
    benchmark::ClobberMemory();
  }
  set_counters(state, period);
}

BENCHMARK(BM_GrowthEvenAged)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrowthNatural)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndCopyResults)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace standsim::testing
