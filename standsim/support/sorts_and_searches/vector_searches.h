// Searches in vectors. Position p of the 1-based vectors is element p - 1 of
// the spans; NEARCROSS's series starts at position N0 instead. Reals compare
// with the processor's equality: -0.0 equals 0.0 and a not-a-number equals
// nothing. A vector shorter than what the count or bounds make the routine
// read stops the process with a message.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// The first i in 1..N with IVEC(i) = IVAL: IND = i and true; otherwise
// (always for N <= 0) IND = 0 and false.
bool FINDI(int32_t n, std::span<const int32_t> ivec, int32_t ival, int32_t& ind);
bool FINDR(int32_t n, std::span<const float> vec, float val, int32_t& ind);

// The same for the first i with IVEC1(i) = IVAL1 and IVEC2(i) = IVAL2; the
// second vector is read only where the first one matches.
bool FINDPAIRI(int32_t n, std::span<const int32_t> ivec1, std::span<const int32_t> ivec2,
               int32_t ival1, int32_t ival2, int32_t& ind);
bool FINDPAIRR(int32_t n, std::span<const float> vec1, std::span<const float> vec2, float val1,
               float val2, int32_t& ind);

// Every i in 1..N with IVEC(i) = IVAL, in order, into INDV(1..NIND); true when
// there is one. NIND is set to 0 first; INDV is written only at matches.
bool FINDALLI(int32_t n, std::span<const int32_t> ivec, int32_t ival, int32_t& nind,
              std::span<int32_t> indv);
bool FINDALLR(int32_t n, std::span<const float> vec, float val, int32_t& nind,
              std::span<int32_t> indv);

// The interval J in 0..N of X among the limits VLIM(1..N), by bisection.
// Ascending limits (VLIM(N) > VLIM(1)): VLIM(J) <= X < VLIM(J+1), 0 below
// VLIM(1), N from VLIM(N) on. Otherwise (also equal limits and N = 1) they
// count as descending: VLIM(J) > X >= VLIM(J+1), 0 from VLIM(1) on, N below
// VLIM(N). N <= 0 gives 0 without reading VLIM.
int32_t LOCATE(float x, int32_t n, std::span<const float> vlim);

// For the series VEC(N0..IE) (VEC[0] is VEC(N0)): at the first i in IB+1..IE
// with VEC(i) > X, the nearer of i - 1 and i to the crossing (4-byte
// differences X - VEC(i-1) and VEC(i) - X; a tie gives i). IE when no element
// exceeds X, and at once when IE <= IB.
int32_t NEARCROSS(int32_t n0, int32_t ib, int32_t ie, std::span<const float> vec, float x);

}  // namespace standsim
