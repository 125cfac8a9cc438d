// Small numeric helpers: the printed width of an integer, a clamped linear
// ramp, and the removal of large entries from an integer list.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// The number of characters of N written in decimal, a minus sign included
// (1 for 0, 11 for -2147483648).
int32_t NDIGITS(int32_t n);

// Y1 for X <= X1, Y2 for X >= X2, linear in between (4-byte arithmetic). The
// tests come in that order, so X1 >= X2 gives a step at X1 and never divides
// by zero.
float RAMP(float x, float x1, float x2, float y1, float y2);

// Removes every entry above LIM from IVEC(1..N) (IVEC[0..N-1]); the kept
// entries keep their order, the freed places at the end become 0 and N
// becomes the number kept. Returns the number removed; nothing happens for
// N <= 0.
int32_t DROPABOVE(int32_t lim, int32_t& n, std::span<int32_t> ivec);

}  // namespace standsim
