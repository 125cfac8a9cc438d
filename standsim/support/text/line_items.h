// Items in a line: counting the items of a text, cutting it into items or
// into pieces at one separator, finding the item number of a name, the
// one-character test and the integer-to-text conversion.
//
// The extent of a text runs from its first to its last character that is not
// blank after TIDY (zero bytes and TABs count as blanks); a text with an empty
// extent is blank and holds no items. Items are maximal runs of characters
// between separators (a run of separators counts as one); the default
// separator set is blank, zero byte and TAB, and SEPS, where given, is the
// set in its place (any characters). Quoting differs by routine (below).
//
// Positions and indexes in the comments are 1-based, as the callers count;
// text arrays are TextArray views whose element 1 is the first text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "standsim/support/text/text_array.h"

namespace standsim {

// The number of items of STRING: the larger of the count of blank-separated
// items (blanks, zero bytes, TABs) and the count of comma-separated items
// (a comma at the end counts), apostrophes quoting both. 0 when blank.
int32_t NITEMS(std::string_view string);

// Cuts STRING into at most N items stored in CVEC(1..NOUT). The quote
// character is DLIM; quotes toggle quoting and are blanked in the stored item
// (a blank DLIM: no quoting). Each item is left-adjusted, then cut or
// padded to the length of CVEC. A separator that ends the extent counts a blank
// last item.
void STR2VEC(std::string_view string, int32_t n, const TextArray& cvec, int32_t& nout, char dlim,
             const std::string_view* seps = nullptr);

// Cuts LINE into the N pieces LINES(1..N) at the first character of SEP that
// stands outside quotes (apostrophes and double quotes, kept in the pieces).
// The first piece starts at the first character of LINE, the last piece runs
// to the end of the extent and holds any further separators; pieces are cut
// or padded to the length of LINES. An empty SEP cuts nothing.
void SPLITSEP(std::string_view line, std::string_view sep, int32_t n, const TextArray& lines);

// The item number of SUBSTR (without its leading and trailing blanks) in
// STRING, 0 when absent or when either text is blank. Apostrophes and double
// quotes quote, and the quotes stay part of the item; items compare exactly
// and case-sensitively, trailing blanks not counting.
int32_t ITEMNR(std::string_view string, std::string_view substr,
               const std::string_view* seps = nullptr);

// The item number of NAME in STRING, 0 when absent. Items are scanned as by
// STR2VEC with the quote character DLIM, stripped of DLIM characters and
// left-adjusted, and compared whole with NAME (trailing blanks not counting,
// case-sensitive).
int32_t ITEMNRQ(std::string_view string, std::string_view name, char dlim,
                const std::string_view* seps = nullptr);

// True when the extent of LINE is exactly the one character CC1.
bool ONECHAR(std::string_view line, char cc1);

// IVAL right-aligned in a text of N characters (1..99) with at least M digits
// (0..99; leading zeros fill up to M). Without M at least one digit is
// written; with M = 0 a zero value gives blanks, as the edit descriptor iN.0
// does. N asterisks when the number does not fit (M above N included).
std::string I_2_C(int32_t ival, int32_t n, const int32_t* m = nullptr);

}  // namespace standsim
