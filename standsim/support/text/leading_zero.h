// The zero before the decimal point of a number between -1 and 1 that has
// been written with a fixed-point format leaving it out.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// For 0 <= X < 1 the character before the "." of STRING (the last "." when
// BACK is not 0, else the first) becomes "0"; for -1 < X < 0 the two
// characters before it become "-0". Whatever stood there is replaced,
// except a digit 1 to 9 right before the point: the value was rounded up to
// 1 when it was written (0.96 as " 1.0"), and the text stays as it is. A
// "." too near the start, a STRING without one, and any other X (a value
// that is not a number included) leave STRING as it is too.
void LEADZERO(float x, std::span<char> string, int32_t back);

}  // namespace standsim
