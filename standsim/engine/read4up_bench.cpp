// READ4UP on a QSM input file whose two series each reference a column-data
// file of 5,000 lines. Reports the time per call and, as counters, the peak
// of heap memory the call holds at one time (operator new) and the peak
// resident size of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "standsim/engine/bench_heap_peak.h"
#include "standsim/engine/standsim_api.h"

namespace {

using namespace standsim::benchmarking;

template <typename T>
std::string NUMBER(T value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// A column-data file of 5,000 years with two columns.
void WRITE_DATA_FILE(const std::filesystem::path& path, double scale) {
  std::ofstream out(path);
  out << "! generated deposition\n!Year NOx NH3\n";
  for (int year = 1; year <= 5000; ++year) {
    out << NUMBER(year) << ' ' << NUMBER(scale * (year % 97)) << ' ' << NUMBER(scale * (year % 89)) << '\n';
  }
}

void BM_Read4upTwoColumnFiles(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("read4up_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  WRITE_DATA_FILE(folder / "nox.dat", 0.01);
  WRITE_DATA_FILE(folder / "nh3.dat", 0.02);
  std::ofstream(folder / "site.qsm") << "period 1 4999\nNOx_dep nox.dat;NOx\nNH3_dep nh3.dat;\\2\n";

  const std::string path = (folder / "site.qsm").string();
  std::vector<unsigned char> fname(128, 0);
  std::copy(path.begin(), path.end(), fname.begin());
  const int32_t ib = 0, ie = 4999;
  int32_t iyr1 = 0, iyr2 = 0;
  std::vector<float> ndep(5000);
  unsigned char errmsg[128];
  std::size_t peak_of_call = 0;
  for (auto _ : state) {
    START_HEAP_PEAK();
    READ4UP(fname.data(), &ib, &ie, &iyr1, &iyr2, ndep.data(), errmsg);
    peak_of_call = std::max(peak_of_call, HEAP_PEAK());
    benchmark::DoNotOptimize(ndep.data());
  }
  if (errmsg[0] != ' ' && errmsg[0] != 0) state.SkipWithError(reinterpret_cast<const char*>(errmsg));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["heap_peak_KiB"] = static_cast<double>(peak_of_call) / 1024.0;
  state.counters["maxrss_KiB"] = static_cast<double>(usage.ru_maxrss);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Read4upTwoColumnFiles)->Unit(benchmark::kMillisecond);

}  // namespace
