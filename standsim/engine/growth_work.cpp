#include "standsim/engine/growth_work.h"

#include <cstdint>

#include "standsim/engine/growth_messages.h"
#include "standsim/support/process_stop.h"

namespace standsim {
namespace {

// Bytes of work per cohort and year. The arrays of 8-byte elements come
// first, so every array starts aligned.
constexpr std::size_t kBytesPerCohortYear =
    sizeof(double) + 3 * sizeof(BIOVEC) + 2 * sizeof(NUTVEC) + sizeof(int32_t);

[[noreturn]] void out_of_memory(std::size_t cohorts, std::size_t years) {
  STOP_PROCESS("standsim: out of memory: GROWTH cannot allocate its work arrays for " +
               INTEGER_TEXT(static_cast<int64_t>(cohorts)) + " cohorts and " +
               INTEGER_TEXT(static_cast<int64_t>(years)) + " years");
}

// The next N elements of type T from CURSOR on.
template <typename T>
std::span<T> take(unsigned char*& cursor, std::size_t n) {
  std::span<T> part(reinterpret_cast<T*>(cursor), n);
  cursor += n * sizeof(T);
  return part;
}

}  // namespace

GrowthWork::GrowthWork(int32_t ncoh, int64_t first, int64_t last, Order order)
    : first_year(first), years(last < first ? 0 : static_cast<std::size_t>(last - first + 1)) {
  const std::size_t cohorts = static_cast<std::size_t>(ncoh);
  const bool by_cohort = order == Order::kYearsOfACohortTogether;
  year_stride = by_cohort ? 1 : cohorts;
  cohort_stride = by_cohort ? years : 1;
  if (cohorts != 0 && years > PTRDIFF_MAX / kBytesPerCohortYear / cohorts) out_of_memory(cohorts, years);
  const std::size_t n = cohorts * years;
  // calloc: the records are implicit-lifetime types, created by the allocation.
  storage_.reset(std::calloc(n == 0 ? 1 : n, kBytesPerCohortYear));
  if (!storage_) out_of_memory(cohorts, years);
  auto* cursor = static_cast<unsigned char*>(storage_.get());
  actperc = take<double>(cursor, n);
  actrem = take<BIOVEC>(cursor, n);
  wbiom = take<BIOVEC>(cursor, n);
  wlitf = take<BIOVEC>(cursor, n);
  wupt = take<NUTVEC>(cursor, n);
  wsoilin = take<NUTVEC>(cursor, n);
  acttyp = take<int32_t>(cursor, n);
}

}  // namespace standsim
