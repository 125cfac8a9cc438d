// Gap filling and smoothing of a rectangular grid F(I1..I2, J1..J2) with
// missing cells. The grid is the caller's array with the first index fastest:
// cell (i, j) is F[(i - I1) + (I2 - I1 + 1) * (j - J1)]. A cell is valid when
// its value is greater than the marker MISS. Neighbour means weigh the four
// edge neighbours 1 and the four diagonal ones d, visited in the order
// (-1,-1), (0,-1), (1,-1), (1,0), (1,1), (0,1), (-1,1), (-1,0) of (di, dj),
// with sums kept in the grid's type. Only cells valid at the start of a call
// feed the means, so the visiting order does not matter. An empty range
// (I2 < I1 or J2 < J1) does nothing; a grid shorter than the range stops the
// process with a message.
#pragma once

#include <cstdint>
#include <span>

namespace standsim {

// Each missing cell with a valid neighbour gets the neighbour mean; others
// keep their value. 4-byte grid, d = 0.70710677.
void GAPFILLR(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<float> f, float miss);

// The same for an 8-byte grid, d = 0.7071067932881648 (1 over the 4-byte
// value of the square root of 2).
void GAPFILLD(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<double> f, double miss);

// Each valid cell with a valid neighbour becomes W * itself + (1 - W) * the
// neighbour mean, all from the values before the call. Nothing changes when
// W >= 1; W below 0 is taken as it is. 8-byte grid, d as in GAPFILLD.
void GRIDSMOOTH(int32_t i1, int32_t i2, int32_t j1, int32_t j2, std::span<double> f, double w,
                double miss);

}  // namespace standsim
