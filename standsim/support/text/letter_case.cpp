#include "standsim/support/text/letter_case.h"

#include <cstdint>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

std::string mapped(std::string_view string, char from_first, char to_first) {
  std::string result(string);
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  for (int32_t i = first; i >= 1 && i <= last; ++i) {
    char& c = result[static_cast<std::size_t>(i - 1)];
    if (c >= from_first && c <= from_first + 25) c = static_cast<char>(to_first + (c - from_first));
  }
  return result;
}

}  // namespace

std::string LOW2UPP(std::string_view string) { return mapped(string, 'a', 'A'); }
std::string UPP2LOW(std::string_view string) { return mapped(string, 'A', 'a'); }

}  // namespace standsim
