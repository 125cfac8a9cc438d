#include "standsim/engine/growth_work.h"

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>

#include "standsim/engine/growth_messages.h"
#include "standsim/support/process_stop.h"

namespace standsim {
namespace {

// Bytes of work per cohort and year.
constexpr std::size_t kBytesPerCohortYear = sizeof(int32_t) + sizeof(double) + 3 * sizeof(BIOVEC) +
                                            2 * sizeof(NUTVEC);

[[noreturn]] void out_of_memory(std::size_t cohorts, std::size_t years) {
  STOP_PROCESS("standsim: out of memory: GROWTH cannot allocate its work arrays for " +
               INTEGER_TEXT(static_cast<int64_t>(cohorts)) + " cohorts and " + INTEGER_TEXT(static_cast<int64_t>(years)) + " years");
}

}  // namespace

GrowthWork::GrowthWork(int32_t ncoh, int32_t ib_, int32_t ie) : ib(ib_), years(static_cast<std::size_t>(int64_t{ie} - ib_ + 1)) {
  const std::size_t cohorts = static_cast<std::size_t>(ncoh);
  if (cohorts != 0 && years > PTRDIFF_MAX / kBytesPerCohortYear / cohorts) out_of_memory(cohorts, years);
  const std::size_t n = cohorts * years;
  try {
    acttyp.resize(n);
    actperc.resize(n);
    actrem.resize(n);
    wbiom.resize(n);
    wlitf.resize(n);
    wupt.resize(n);
    wsoilin.resize(n);
  } catch (const std::bad_alloc&) {
    out_of_memory(cohorts, years);
  } catch (const std::length_error&) {
    out_of_memory(cohorts, years);
  }
}

}  // namespace standsim
