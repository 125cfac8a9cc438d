// A date-and-time stamp of 17 characters: "05-Mar-2009 14:07", or the date
// alone followed by six blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standsim {

// The stamp of the current local time; the time is shown when ITIME is 1
// or more.
std::string DATETIME(int32_t itime);

// The stamp of the date DATE (yyyymmdd) and the time TIME (hhmmss, more
// characters ignored). A month number outside 1 to 12 shows as "???".
std::string datetime_stamp(std::string_view date, std::string_view time, int32_t itime);

}  // namespace standsim
