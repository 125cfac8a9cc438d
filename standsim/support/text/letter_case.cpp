#include "standsim/support/text/letter_case.h"

#include <cstdint>

#include "standsim/support/fortran_runtime/ascii_case.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

std::string mapped(std::string_view string, char (*map)(char)) {
  std::string result(string);
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  for (int32_t i = first; i >= 1 && i <= last; ++i) {
    char& c = result[static_cast<std::size_t>(i - 1)];
    c = map(c);
  }
  return result;
}

}  // namespace

std::string LOW2UPP(std::string_view string) { return mapped(string, ascii_upper); }
std::string UPP2LOW(std::string_view string) { return mapped(string, ascii_lower); }

}  // namespace standsim
