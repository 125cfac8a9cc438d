#include "standsim/support/text/char_count.h"

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

// Calls COUNTED(i) with the 1-based position of each counted occurrence, in
// order, until it returns false.
template <typename Visit>
void scan(int32_t mode, std::string_view ch1, std::string_view string, Visit counted) {
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  if (last == 0) return;
  const char wanted = ch1.empty() ? ' ' : ch1.front();
  bool outside = true;
  for (int32_t i = first; i <= last; ++i) {
    const char c = string[static_cast<std::size_t>(i - 1)];
    if (c == wanted) {
      if ((mode == 1 || (mode == 2 && outside)) && !counted(i)) return;
    } else if (c == '\'') {
      outside = !outside;
    }
  }
}

}  // namespace

int32_t CHCOUNT(int32_t mode, std::string_view ch1, std::string_view string) {
  int32_t count = 0;
  scan(mode, ch1, string, [&](int32_t) {
    ++count;
    return true;
  });
  return count;
}

void CHPOSV(int32_t mode, std::string_view ch1, std::string_view string, int32_t& n,
            std::span<int32_t> indv) {
  n = 0;
  scan(mode, ch1, string, [&](int32_t i) {
    if (static_cast<std::size_t>(n) == indv.size()) return false;
    indv[static_cast<std::size_t>(n++)] = i;
    return true;
  });
}

int32_t CHPOSN(int32_t mode, int32_t nth, std::string_view ch1, std::string_view string) {
  int32_t count = 0, position = 0;
  if (nth < 1) return 0;
  scan(mode, ch1, string, [&](int32_t i) {
    if (++count < nth) return true;
    position = i;
    return false;
  });
  return position;
}

}  // namespace standsim
