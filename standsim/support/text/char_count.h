// Counting and locating one character in a text, outside or inside stretches
// quoted with apostrophes.
//
// The scan runs over the significant stretch of STRING (first to last
// character that is not a blank, TAB or zero byte). MODE 1 counts every
// occurrence of CH1, MODE 2 only those outside apostrophe quotes; any other
// MODE counts nothing. Every apostrophe that is not itself CH1 opens or
// closes a quoted stretch. CH1 is the first character of its text; an empty
// text stands for a blank. Positions are 1-based.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// The number of counted occurrences of CH1 in STRING.
int32_t CHCOUNT(int32_t mode, std::string_view ch1, std::string_view string);

// The positions of the counted occurrences: INDV(1), INDV(2), ... in
// indv[0], indv[1], ...; N is the number stored, which stops at the room
// INDV has.
void CHPOSV(int32_t mode, std::string_view ch1, std::string_view string, int32_t& n,
            std::span<int32_t> indv);

// The position of the NTH counted occurrence; 0 when there are fewer, and
// for NTH below 1.
int32_t CHPOSN(int32_t mode, int32_t nth, std::string_view ch1, std::string_view string);

}  // namespace standsim
