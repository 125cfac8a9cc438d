// GROWTH at the workbench's full capacity (20 cohorts, year arrays 0..4999,
// 99 points and actions) for periods of 100, 1000 and 4999 years, against a
// plain zero-fill of a block as large as GROWTH's work arrays followed by a
// copy of the period into the result arrays.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "standsim/engine/growth_fixture.h"

namespace standsim::testing {
namespace {

constexpr int32_t kCohorts = 20;
constexpr int32_t kLastIndex = 4999;
constexpr int32_t kCapacity = 99;
// Bytes of GROWTH's work arrays per cohort and year: action type, percentage,
// removal factors, biomass, litterfall, uptake and soil inputs.
constexpr std::size_t kWorkBytes = sizeof(int32_t) + sizeof(double) + 3 * sizeof(BIOVEC) + 2 * sizeof(NUTVEC);

Site FullSite(int32_t mantype, int32_t period) {
  Site site(0, kLastIndex, kCohorts, kCapacity);
  site.mantype = mantype;
  site.ncoh = kCohorts;
  site.iyr1 = 1;
  site.iyr2 = period;
  for (int c = 0; c < kCohorts; ++c) {
    // A growth curve of 10 points and expansion factors at the 15 usual ages.
    site.ncaip[c] = 10;
    for (int i = 0; i < 10; ++i) site.point(c, i) = CAIPT{10 + 15 * i, 0, 4.0 + 0.7 * i - 0.05 * i * i};
    site.nbaf[c] = mantype == 1 ? 15 : 1;
    for (int j = 0; j < 15; ++j) {
      site.baf_age(c, j) = j < 14 ? 10 * (j + 1) : 1000;
      const double f = 1.0 / (1.0 + 0.05 * j);
      site.baf(c, j) = BIOVEC{{0.3 * f, 0.2 * f, 0.05 * f, 0.04 * f, 1.0}};
    }
    // Rotations of 120 years: planting, four thinnings and a clearcut,
    // as many as 99 actions hold.
    const int32_t first = 1 + 7 * c;
    for (int32_t r = first; site.nmact[c] + 6 <= kCapacity && r + 120 <= kLastIndex; r += 121) {
      site.add_action(c, r, ACT_PLANTING);
      for (int32_t t = 30; t <= 90; t += 20) site.add_action(c, r + t, ACT_THINNING, 20.0);
      site.add_action(c, r + 120, ACT_CLEARCUT, 100.0);
    }
    if (mantype == 2) site.biom[site.year(c, 0)].v[ST] = 500.0 + 40.0 * c;
  }
  return site;
}

void SetCounters(benchmark::State& state, int32_t period) {
  state.counters["cohort_year"] = benchmark::Counter(static_cast<double>(kCohorts) * period,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

// GROWTH on a full site of management type MANTYPE over the period of range(0).
void RunGrowth(benchmark::State& state, int32_t mantype) {
  const auto period = static_cast<int32_t>(state.range(0));
  Site site = FullSite(mantype, period);
  for (auto _ : state) {
    site.run();
    benchmark::DoNotOptimize(site.biom.data());
    benchmark::ClobberMemory();
  }
  if (site.errmsg[0] != ' ') state.SkipWithError("GROWTH refused the site");
  SetCounters(state, period);
}

void BM_GrowthEvenAged(benchmark::State& state) { RunGrowth(state, 1); }

void BM_GrowthNatural(benchmark::State& state) { RunGrowth(state, 2); }

// What touching the work arrays once costs: a zero-filled block of their
// size, and the period copied out of it into the four result arrays.
void BM_ZeroFillAndCopy(benchmark::State& state) {
  const auto period = static_cast<int32_t>(state.range(0));
  Site site = FullSite(1, period);
  const std::size_t years = site.years();
  const std::size_t n = static_cast<std::size_t>(period);
  for (auto _ : state) {
    std::vector<unsigned char> work(kWorkBytes * kCohorts * years);
    // The block holds the four yearly results one after the other, each
    // cohort's years together; the period of every cohort is copied out.
    const unsigned char* source = work.data();
    auto copy_out = [&](auto& results) {
      const std::size_t size = sizeof(results[0]);
      for (int c = 0; c < kCohorts; ++c) {
        std::memcpy(&results[site.year(c, 1)], source + (c * years + 1) * size, n * size);
      }
      source += kCohorts * years * size;
    };
    copy_out(site.biom);
    copy_out(site.litf);
    copy_out(site.upt);
    copy_out(site.soilin);
    benchmark::DoNotOptimize(work.data());
    benchmark::ClobberMemory();
  }
  SetCounters(state, period);
}

BENCHMARK(BM_GrowthEvenAged)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrowthNatural)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroFillAndCopy)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace standsim::testing
