#include "standsim/support/text/selection_parse.h"

#include <algorithm>
#include <limits>

#include "standsim/support/text/fixed_text.h"

namespace standsim {

void SELPARSE(std::string_view string, int32_t n, std::span<int32_t> usit, int32_t& nsel,
              int32_t& ierr) {
  const int32_t items = std::clamp<int64_t>(n, 0, static_cast<int64_t>(usit.size()));
  ierr = 0;
  nsel = 0;
  std::fill_n(usit.begin(), items, 0);
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  if (last == 0) return;
  ierr = 1;
  const auto at = [&](int32_t i) {
    return i <= static_cast<int32_t>(string.size()) ? string[static_cast<std::size_t>(i - 1)] : ' ';
  };
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!is_digit(at(first))) return;

  bool in_number = true;
  int64_t value = at(first) - '0';  // the number being read, capped above the 4-byte range
  int32_t start = 0;
  bool range = false;
  for (int32_t i = first + 1; i <= last + 1; ++i) {
    const char c = at(i);
    if (is_digit(c)) {
      value = in_number ? std::min<int64_t>(value * 10 + (c - '0'),
                                            int64_t{std::numeric_limits<int32_t>::max()} + 1)
                        : c - '0';
      in_number = true;
      continue;
    }
    if (c != ' ' && c != '\0' && c != '-') return;
    if (!in_number) {
      if (c == '-') range = true;
      continue;
    }
    // The number ends here.
    if (value > items || value < 1) return;
    const auto k = static_cast<int32_t>(value);
    if (range) {
      if (k < start) return;
    } else {
      start = k;
    }
    std::fill(usit.begin() + (start - 1), usit.begin() + k, 1);
    start = k;
    in_number = false;
    range = c == '-';
  }
  nsel = static_cast<int32_t>(
      std::count_if(usit.begin(), usit.begin() + items, [](int32_t u) { return u != 0; }));
  ierr = 0;
}

}  // namespace standsim
