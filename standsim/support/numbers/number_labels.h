// Formats and labels for numbers in tables and legends. Formats are texts of
// one edit descriptor such as "(i8)", "(f 5.2)" or "(g12.4)" (blanks inside
// are ignored); arithmetic is in 4-byte reals.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace standsim {

// A format of 7 characters for the values X1, X1 + S, ..., X2 with the step
// S = (X2 - X1) / NSTEP: "(i8)" and three blanks when X1 and S are whole
// (within 1e-5); else "(fWW.D)" with the fewest decimals D (1 to 6) that
// make S whole, the width WW = D + max(E, 1) + 2 where E is the number of
// digits of |X2| before the point less one; else "(g12.4)", which is also
// the answer when X1 or X2 is infinite or not a number.
std::string GETFMT(float x1, float x2, int32_t nstep);

// X written with FMT into a text of 16 characters, left-aligned: NINT(X)
// for an integer format, "0" for a zero X whatever the format. 16
// asterisks when FMT is not a format of one number or writes more than 16
// characters, or NINT(X) is beyond the 4-byte integers.
std::string N_2_C(float x, std::string_view fmt);

// The legend text of class IC of the classes ICFIRST to ICLAST: NWID (the
// width of FMT) blanks, " < " and V2 for the first class (" > " when IDIR
// is -1); NWID blanks, " > " and V2 for the last (" < " when IDIR is -1);
// V1 right-justified in NWID characters, " - " and V2 for the others. The
// values are written with FMT (NINT for an integer format, the zero before
// the point put in where the field has room), and LABEL is blank padded or
// cut to its length. A value that FMT cannot write in 12 characters shows
// as 12 asterisks.
void CLSLABEL(int32_t ic, int32_t icfirst, int32_t iclast, std::string_view fmt, int32_t idir,
              float v1, float v2, std::span<char> label, int32_t& nwid);

}  // namespace standsim
