// Heapsorts that put a key vector in ascending order in place and give up to
// two companion vectors the same reordering, so values that stood side by
// side stay side by side. Position p of the 1-based vectors is element p - 1
// of the spans. A companion is optional: nullptr leaves it out, and nothing is
// read or written for it. The companions take no part in the comparisons.
// Not stable: a child replaces its parent only when strictly greater than the
// element being sifted, and the right child is taken only when strictly
// greater than the left, which fixes the order of equal keys. N <= 1 changes
// nothing; a vector shorter than N stops the process.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

void HEAPSORTD(int32_t n, std::span<double> ra, std::span<double>* rb = nullptr,
               std::span<double>* rc = nullptr);

void HEAPSORTI(int32_t n, std::span<int32_t> ia, std::span<int32_t>* ib = nullptr,
               std::span<int32_t>* ic = nullptr);

void HEAPSORTR(int32_t n, std::span<float> ra, std::span<float>* rb = nullptr,
               std::span<float>* rc = nullptr);

}  // namespace standsim
