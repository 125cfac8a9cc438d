// READ4UP on a QSM input file whose two series each reference a column-data
// file of 5,000 lines. Reports the time per call and, as counters, the peak
// of heap memory the call holds at one time (operator new) and the peak
// resident size of the process; and, for comparison, the time to read the
// same files' bytes and parse their numbers with std::from_chars in a plain
// loop.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "standsim/engine/standsim_api.h"
#include "standsim/engine/testing/bench_heap_peak.h"

namespace {

using namespace standsim::benchmarking;

template <typename T>
std::string number(T value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// A column-data file of 5,000 years with two columns.
void write_data_file(const std::filesystem::path& path, double scale) {
  std::ofstream out(path);
  out << "! generated deposition\n!Year NOx NH3\n";
  for (int year = 1; year <= 5000; ++year) {
    out << number(year) << ' ' << number(scale * (year % 97)) << ' ' << number(scale * (year % 89))
        << '\n';
  }
}

// The QSM file and its two column-data files in a folder of their own,
// removed at the end.
struct SiteFiles {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("read4up_bench_" + std::to_string(getpid()));
  SiteFiles() {
    std::filesystem::create_directories(folder);
    write_data_file(folder / "nox.dat", 0.01);
    write_data_file(folder / "nh3.dat", 0.02);
    std::ofstream(folder / "site.qsm")
        << "period 1 4999\nNOx_dep nox.dat;NOx\nNH3_dep nh3.dat;\\2\n";
  }
  ~SiteFiles() { std::filesystem::remove_all(folder); }
};

void BM_Read4upTwoColumnFiles(benchmark::State& state) {
  const SiteFiles files;
  const std::string path = (files.folder / "site.qsm").string();
  std::vector<unsigned char> fname(128, 0);
  std::copy(path.begin(), path.end(), fname.begin());
  const int32_t ib = 0, ie = 4999;
  int32_t iyr1 = 0, iyr2 = 0;
  std::vector<float> ndep(5000);
  unsigned char errmsg[128];
  std::size_t peak_of_call = 0;
  for (auto _ : state) {
    start_heap_peak();
    READ4UP(fname.data(), &ib, &ie, &iyr1, &iyr2, ndep.data(), errmsg);
    peak_of_call = std::max(peak_of_call, heap_peak());
    benchmark::DoNotOptimize(ndep.data());
  }
  if (errmsg[0] != ' ' && errmsg[0] != 0)
    state.SkipWithError(reinterpret_cast<const char*>(errmsg));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["heap_peak_KiB"] = static_cast<double>(peak_of_call) / 1024.0;
  state.counters["maxrss_KiB"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_Read4upTwoColumnFiles)->Unit(benchmark::kMillisecond);

// The bytes of the file at PATH.
std::string file_bytes(const std::filesystem::path& path) {
  std::string bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  return bytes;
}

// The floor of READ4UP's reading: both column-data files read and every
// number of their data lines parsed with std::from_chars, the year as an
// integer and the values as 4-byte reals.
void BM_ReadAndParseWithFromChars(benchmark::State& state) {
  const SiteFiles files;
  bool parsed_all = true;
  for (auto _ : state) {
    float sum = 0.0f;
    for (const char* name : {"nox.dat", "nh3.dat"}) {
      const std::string bytes = file_bytes(files.folder / name);
      const char* p = bytes.data();
      const char* const end = p + bytes.size();
      while (p < end) {
        const char* line_end = std::find(p, end, '\n');
        if (*p != '!') {
          int32_t year = 0;
          p = std::from_chars(p, line_end, year).ptr;
          for (int column = 0; column < 2; ++column) {
            while (p < line_end && *p == ' ') ++p;
            float value = 0.0f;
            const auto [next, ec] = std::from_chars(p, line_end, value);
            if (ec != std::errc()) parsed_all = false;
            sum += value;
            p = next;
          }
        }
        p = line_end + 1;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  if (!parsed_all) state.SkipWithError("a number did not parse");
}
BENCHMARK(BM_ReadAndParseWithFromChars)->Unit(benchmark::kMillisecond);

}  // namespace
