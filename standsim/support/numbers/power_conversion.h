// Power-law conversion between a logarithmic value X and a linear value Y,
// in 4-byte real arithmetic (every intermediate result rounded to 4 bytes).
// P = 1 takes the exponents u = R, w = S; any other P takes u = 1/S, w = 1/R.
// Zero or negative R and S are not checked: the arithmetic's own results
// (infinities, not-a-numbers) come back.
#pragma once

#include <cstdint>

namespace standsim {

// (S^u / R^w) * 10^(X + N * (u - w)).
float PWRCONV(int32_t p, float x, int32_t r, int32_t s, int32_t n);

// The inverse of PWRCONV with the same P, R, S and N:
// log10((R^w / S^u) * Y) + N * (w - u).
float PWRCONVINV(int32_t p, float y, int32_t r, int32_t s, int32_t n);

}  // namespace standsim
