// Year series from a reference text: a plain number that every year takes,
// or one column of a column-data file.
//
// Reference text (STRING, any length, blank padded):
// - a number when, after TIDY, it holds only " +-0123456789." (no exponent
//   letter); read as one free-format real;
// - otherwise a file name and a column selector separated by the first
//   ";" outside quotes (no ";": column 1); the file name "=" alone is a
//   special reference of VARIN01 (VEC(IYRB) = -999999.0, nothing else).
// Column selector (COLSPEC): [FACT "*"] (NAME | "\" ICOL) ["+" OFFS]:
// the column whose header item is NAME, or column ICOL counted from the
// first column after the year; each valid value v is read as v * FACT + OFFS.
//
// Column-data file: lines whose first character is "!" are comments; the
// last of the leading comment lines, from its second character, is the
// header (the first line when there is no leading comment line), read only
// for a column chosen by name; its first item names the year column. Data
// lines follow; each holds the year (an integer) and the column values in
// free format; lines starting with "!" and blank lines among them are
// skipped. Only the first 256 characters of a line are read. A value not
// greater than XMISS is missing; a value that is not finite, or is not
// finite once scaled, is refused with the file and the line. With NSUB values per year, each year
// has NSUB consecutive data lines, one per sub-period. Years need not be sorted; a later line wins.
//
// Series: VEC holds 4-byte reals; VEC[k] is element N0 + k. VARIN01 writes
// the value of year y and sub-period s to element IYRB + (y - IYRB) * NSUB +
// s - 1 for y = IYRB..IYRE, s = 1..NSUB, and nothing else; gaps are filled
// with the first valid value before it, the last after it and linear
// interpolation between (single precision).
//
// ERRMSG is written (cut or blank padded) only on failure; on success it
// keeps what it held. The routines never stop the process on bad input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// The characters of a data line that the readers read; the rest is not read.
inline constexpr std::size_t COLUMN_DATA_LINE_LENGTH = 256;

// Parses a column selector (see above). NAME is a text of 32
// characters. Without a selector: column 1, factor 1.0, offset 0.0. A
// factor, offset or column number that does not read as a number keeps its
// default; READABLE, when given, then becomes false (else true). The readers
// refuse such a selector.
void COLSPEC(std::string_view line, float& fact, float& offs, std::span<char> name, bool& byname,
             int32_t& icol, bool* readable = nullptr);

// Fills VEC for the years IYRB..IYRE with NSUB values per year from the
// reference STRING (see above).
void VARIN01(std::string_view string, int32_t n0, int32_t iyrb, int32_t iyre, int32_t nsub,
             float xmiss, std::span<float> vec, std::span<char> errmsg);

// Fills VEC(NBEG..NEND) from the reference STRING, one value per data line:
// the n-th data line belongs to element NBEG + n - 1 and is read without a
// year item (the column's item is skipped to as by VARIN01). No "="
// reference and no sub-periods.
void VARIN00(std::string_view string, int32_t n0, int32_t nbeg, int32_t nend, float xmiss,
             std::span<float> vec, std::span<char> errmsg);

}  // namespace standsim
