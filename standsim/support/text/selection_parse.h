// A selection of item numbers such as "1 3-5 8": decimal numbers and ranges
// a-b separated by blanks (zero bytes count as blanks; blanks may stand
// around the minus). A range begins at the number before the minus, so
// "1 5 -7" selects 1 and 5 to 7, "2-4-6" selects 2 to 6, and a minus at the
// end of the list is ignored.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// Marks the items of STRING among 1 to N in USIT: USIT(k), in usit[k-1],
// becomes 1 when item k is selected and 0 otherwise; NSEL is the number
// selected. A blank STRING selects nothing. IERR is 1 for a malformed
// selection (a first character that is not a digit, a character other than
// a digit, a blank, a zero byte or "-", a number outside 1..N, a number too
// large for a 4-byte integer, or a range whose end is below its start):
// what was marked before the fault stays marked and NSEL stays 0. USIT has
// room for N entries; at most its size are used.
void SELPARSE(std::string_view string, int32_t n, std::span<int32_t> usit, int32_t& nsel,
              int32_t& ierr);

}  // namespace standsim
