// Quantiles of an ascending vector VEC(1..N) of 4-byte reals, plain or
// weighted, for one probability P or for the ascending probabilities
// QV(1..NQ). Position p of the 1-based vectors is element p - 1 of the spans.
// The quantile is an element of VEC, never an interpolation: the plain one at
// position floor(N * P) + 1 (the last for P = 1), the weighted one at the
// first position where the running sum of WEI exceeds P times the sum of all
// weights (the last when none does); products and sums in 4-byte reals.
//
// IERR reports the first check that fails, in this order, and then XQ or XQV
// is not written:
//   1  N <= 0
//   2  VEC not ascending (some VEC(i-1) > VEC(i))
//   3  P outside 0..1 or not a number (QUANTILE, WQUANTILE);
//      QV not ascending (QUANTILES, WQUANTILES)
//   4  some QV(j) outside 0..1 or not a number (QUANTILES, WQUANTILES)
// and 0 when the result is computed. With NQ <= 0 there is nothing to
// compute: IERR 0 once VEC passes its checks. Vectors shorter than their
// counts stop the process with a message.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

void QUANTILE(float p, int32_t n, std::span<const float> vec, float& xq, int32_t& ierr);

void WQUANTILE(float p, int32_t n, std::span<const float> vec, std::span<const float> wei,
               float& xq, int32_t& ierr);

void QUANTILES(int32_t nq, std::span<const float> qv, int32_t n, std::span<const float> vec,
               std::span<float> xqv, int32_t& ierr);

void WQUANTILES(int32_t nq, std::span<const float> qv, int32_t n, std::span<const float> vec,
                std::span<const float> wei, std::span<float> xqv, int32_t& ierr);

}  // namespace standsim
