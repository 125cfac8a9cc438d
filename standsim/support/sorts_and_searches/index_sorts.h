// Index sorts: INDX receives the positions 1..N of the keys in ascending
// order of the keys, which stay where they are. Position p of the Part's
// 1-based vectors is element p - 1 of the spans, and INDX holds 1-based
// positions. The sort is not stable; equal keys end in the order the index
// quicksort (index_quicksort.h) leaves them, and N <= 7 keeps them in input
// order. N <= 0 changes nothing. Vectors shorter than N stop the process.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// 4-byte integer keys IAR(1..N); "INDEXI: nstack too small!" when the stack
// of 50 pending positions overflows.
void INDEXI(int32_t n, std::span<const int32_t> iar, std::span<int32_t> indx);

// 4-byte real keys ARR(1..N).
void INDEXR(int32_t n, std::span<const float> arr, std::span<int32_t> indx);

// 8-byte real keys ARR(1..N).
void INDEXD(int32_t n, std::span<const double> arr, std::span<int32_t> indx);

// Texts CVEC(1..N) of one length L, ordered by a 4-byte integer key packed
// from their first NC = min(NCHAR, L) characters: the byte value of the first
// character (always counted), then key * 256 + byte for each further one in
// 32-bit two's complement, so only the last four of them remain and a first
// byte of 128 or more makes a 4-character key negative. An empty text counts
// as one blank. The stack overflow message is the one of INDEXI.
void INDEXC(int32_t nchar, int32_t n, std::span<const std::string_view> cvec,
            std::span<int32_t> indx);

// The rank of every element from an index: IRANK(INDX(j)) = j for j = 1..N.
// An INDX entry outside IRANK stops the process.
void INDX2RANK(int32_t n, std::span<const int32_t> indx, std::span<int32_t> irank);

}  // namespace standsim
