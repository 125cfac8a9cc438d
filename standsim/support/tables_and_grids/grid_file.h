// Reading a grid of values, and optionally a grid of true/false marks, from
// text files, turned by a multiple of a quarter turn.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// Reads GRIDFILE, NY lines of NX values in the file's own orientation, into
// GRID turned by ANGLE degrees in quarter turns (0, 90, 180 or 270; an angle
// between two of them counts as the lower one, a negative one is counted
// from 360 down, one just below 0 whose remainder rounds to 360 as 0, and an
// angle that is not a finite number as 0).
//
// GRID and MASK have the leading dimension LD: element (i, j), 1-based, is
// GRID[i - 1 + LD * (j - 1)]. Value c of line r goes to:
//   0 degrees:   (c, r)               NI = NX, NJ = NY, SCALEI = ASPECT, SCALEJ = 1
//   90 degrees:  (r, NX + 1 - c)      NI = NY, NJ = NX, SCALEI = 1, SCALEJ = ASPECT
//   180 degrees: (NX + 1 - c, NY + 1 - r)  as 0 degrees
//   270 degrees: (NY + 1 - r, c)      as 90 degrees
// Each line's values are read in free format when FMT begins with "*" (they
// may run over several lines; the rest of the last line read is skipped),
// else with the format FMT, e.g. "(10f8.2)".
//
// All LD x LD flags of MASK are set false. When MASKFILE (cleaned with TIDY)
// is not blank it is read with the same turn, one character per flag under
// the format "(LDl1)" ("T" true, "F" false, either case).
//
// A file that cannot be opened stops the process, as do NI > LD, a mask
// read with NJ > LD, and arrays too small for them (GRID needs LD * NJ
// values, MASK LD * LD flags). A file that ends early or holds a value that
// cannot be read is reported by a warning naming the file and line; the
// elements it did not reach keep what they held.
void READGRID(std::string_view gridfile, std::string_view maskfile, std::string_view fmt,
              float angle, int32_t nx, int32_t ny, float aspect, int32_t ld, std::span<float> grid,
              std::span<int32_t> mask, int32_t& ni, int32_t& nj, float& scalei, float& scalej);

}  // namespace standsim
