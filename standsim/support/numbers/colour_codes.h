// Colour codes of three decimal digits for red, green and blue, each digit
// 0..5 giving one of the levels 0, 51, 102, 153, 204, 255 (216 colours).
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// IRGB = the digits of min(ICODE, 555) times 51: codes above 555 give white.
// The digits are not limited one by one, so a tens or units digit above 5
// gives a component above 255 and a negative code negative components.
void CODE2RGB(int32_t icode, std::span<int32_t, 3> irgb);

}  // namespace standsim
