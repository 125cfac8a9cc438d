// Random shuffles in place of a vector of N 4-byte elements (element p - 1 of
// the span is position p). For n = N down to 2 one number r is drawn from the
// process's uniform sequence (fortran_random.h) and position n is swapped with
// k = floor(r * n) + 1 (4-byte product; k may equal n). N <= 1 draws nothing.
// A vector shorter than N stops the process.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

void SHUFFLEI(int32_t n, std::span<int32_t> ivec);
void SHUFFLER(int32_t n, std::span<float> vec);

}  // namespace standsim
