#include "tarvex/window_logic/deposition_reading.h"

#include <algorithm>
#include <vector>

#include "tarvex/data/read4up_file_name.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/window_logic/growth_arguments.h"
#include "tarvex/window_logic/routine_message.h"

namespace tarvex {

void ReadDeposition(standsim::Read4upEntry read4up, const std::string& fileName, CSite& site) {
  const std::array<unsigned char, kRead4upNameBytes> name = Read4upFileName(fileName);
  // READ4UP writes only the years of the period it reads.
  std::vector<float> ndep(site.Ndep.begin(), site.Ndep.end());
  const int32_t ib = kYearLo, ie = kYearHi;
  int32_t first = 0, last = 0;
  unsigned char message[256] = {' ', 0};
  read4up(name.data(), &ib, &ie, &first, &last, ndep.data(), message);
  if (const std::string text = RoutineMessage(message); !text.empty()) {
    throw TarvexError("Cannot read N deposition: " + text);
  }
  std::copy(ndep.begin(), ndep.end(), site.Ndep.begin());
  site.FirstYear = first;
  site.LastYear = last;
}

}  // namespace tarvex
