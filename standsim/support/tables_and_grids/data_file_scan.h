// Scanning plain-text data tables and looking at lines of files.
//
// Routines that take a file name open it on the lowest free unit number
// (101..999) and close it before they return; a file that cannot be opened
// stops the process with a message naming the routine and the file. A
// routine that takes a unit works on its caller's open file and leaves it
// open. Texts are fixed-length and blank padded; "first character" means
// column 1 of a line, a blank for an empty line.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// Measures the table file FILNAM before anything is allocated for it.
//
// Lines before the first data line whose first character is "!" are header
// lines; a file of header lines only (or none) stops the process with
// "FILECHAR: no data in file!".
//
// LAYOUT beginning with "i-j-val": every record holds a column index i, a
// row index j and a value v, read in free format (a record may run over
// lines), in any order. The table covers columns IOFF+1 .. IOFF+NI and rows
// JOFF+1 .. JOFF+NJ, the ranges of the indexes found. A file without a
// complete record gives IOFF = JOFF = NI = NJ = 0.
//
// Any other LAYOUT: every data line is a row of NI values, NI being the
// number of items of the first data line (its first 4096 characters; a
// longer line gives "WARNING: Long line!"). The rows are read in free format
// when LAYOUT begins with "*", else with LAYOUT as the format, e.g.
// "(10f8.2)"; NJ is the number of rows, IOFF = JOFF = 0. A LAYOUT that is no
// usable format stops the process.
//
// VMIN and VMAX: the smallest and largest value read; 1.0e30 and -1.0e30 when
// there is none. A record or row that cannot be read is reported by a warning
// naming the file and line and is left out; only the end of the file ends the
// scan.
void FILECHAR(std::string_view filnam, std::string_view layout, int32_t& ioff, int32_t& joff,
              int32_t& ni, int32_t& nj, double& vmin, double& vmax);

// From the current position of unit IU, counts the lines whose first
// character is CH(1:1) (a blank for an empty CH). At the first other line
// steps back, so that line is read next, and returns the count; at the end of
// the file returns -1, whatever was counted.
int32_t CNTLINES(int32_t iu, std::string_view ch);

// Puts into LINE (cut or blank padded to its length) the N-th line of FILNAM
// that does not begin with CH(1:1), the first such line when N <= 1. LINE is
// blank when the file has fewer such lines.
void NTHLINE(int32_t n, std::string_view filnam, std::string_view ch, std::span<char> line);

// True when FILNAM (cleaned with TIDY) is not blank, names a file that can
// be opened, and a first line can be read from it.
bool HASDATA(std::string_view filnam);

}  // namespace standsim
