#include "standsim/support/fortran_runtime/fortran_date_and_time.h"

#include <chrono>
#include <ctime>

#include "standsim/support/fortran_runtime/fortran_format_write.h"

namespace standsim {
namespace {

ClockTexts clock_texts(const std::tm& local, int milliseconds) {
  return {write_integer(local.tm_year + 1900, 4, 4) + write_integer(local.tm_mon + 1, 2, 2) +
              write_integer(local.tm_mday, 2, 2),
          write_integer(local.tm_hour, 2, 2) + write_integer(local.tm_min, 2, 2) +
              write_integer(local.tm_sec, 2, 2) + "." + write_integer(milliseconds, 3, 3)};
}

}  // namespace

ClockTexts date_and_time() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  return clock_texts(local, static_cast<int>(milliseconds));
}

}  // namespace standsim
