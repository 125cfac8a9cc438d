// The local date and time from the platform clock, in the form of the
// Fortran run-time's DATE_AND_TIME: the date as the eight digits yyyymmdd
// and the time as hhmmss.sss.
#pragma once

#include <string>

namespace standsim {

struct ClockTexts {
  std::string date;  // yyyymmdd
  std::string time;  // hhmmss.sss
};

// The texts of the current local time.
ClockTexts date_and_time();

}  // namespace standsim
