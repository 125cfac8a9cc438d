#include "standsim/support/text/date_time_stamp.h"

#include "standsim/support/fortran_runtime/fortran_date_and_time.h"

namespace standsim {
namespace {

constexpr std::string_view MONTH = "JanFebMarAprMayJunJulAugSepOctNovDec";

}  // namespace

std::string DATETIME(int32_t itime) {
  const ClockTexts now = date_and_time();
  return datetime_stamp(now.date, now.time, itime);
}

std::string datetime_stamp(std::string_view date, std::string_view time, int32_t itime) {
  const std::string digits = std::string(date).append(8, ' ').substr(0, 8);
  const std::string clock = std::string(time).append(6, ' ').substr(0, 6);
  const bool numeric = digits[4] >= '0' && digits[4] <= '9' && digits[5] >= '0' && digits[5] <= '9';
  const int month = numeric ? (digits[4] - '0') * 10 + (digits[5] - '0') : 0;
  const std::string_view name =
      month >= 1 && month <= 12 ? MONTH.substr(3 * (month - 1), 3) : "???";
  std::string stamp =
      digits.substr(6, 2) + "-" + std::string(name) + "-" + digits.substr(0, 4) + "      ";
  if (itime >= 1) stamp.replace(12, 5, clock.substr(0, 2) + ":" + clock.substr(2, 2));
  return stamp;
}

}  // namespace standsim
