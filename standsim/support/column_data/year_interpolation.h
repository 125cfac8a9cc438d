// Missing-value filling of year series and interpolation in a year table,
// all in single precision.
//
// A series is the caller's array of 4-byte reals whose first element has the
// index N0: VEC[k] is element N0 + k. An element is missing when it is not
// greater than XMISS (equal, below, or not a number); every other element is
// valid.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// Fills the missing elements IB..IE of VEC in place: before the first valid
// element with its value, after the last valid element with its value, and
// between two valid elements by linear interpolation. Valid elements and
// elements outside IB..IE are not changed. IERR: 0 filled; 1 IB < N0; 2 IE <
// IB or no element of IB..IE is valid (VEC then unchanged). An IE beyond the
// end of VEC stops the process.
void vecintp(int32_t n0, int32_t ib, int32_t ie, float xmiss, std::span<float> vec, int32_t& ierr);

// The value at IYEAR of the table of N points with ascending years IYV[0..N-1]
// and values VEC[0..N-1]: linear between the points, the end values outside
// (and VEC[N-1] when the years are not ascending). N must lie within 1 and
// the length of both arrays, else the process stops.
float tabintp(int32_t n, std::span<const int32_t> iyv, std::span<const float> vec, int32_t iyear);

}  // namespace standsim
