// Editing of fixed-length texts: separators between words, the gap after a
// word, replacement of substrings, placeholders $1 to $9, and surrounding
// quotes. The significant stretch of a text runs from its first to its last
// character that is not a blank, TAB or zero byte; positions are 1-based.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "standsim/support/text/text_array.h"

namespace standsim {

// LINE left-justified with every run of blanks outside quotes (apostrophes
// and double quotes alike open and close them) replaced by one SEP, the
// first character of its text (a blank when empty). Only the blank
// separates: TABs and zero bytes inside the stretch are copied. NSEP, when
// given, receives the number of separators written. The result has the
// length of LINE.
std::string DELIMIT(std::string_view sep, std::string_view line, int32_t* nsep);

// The NGAP-th gap between words of STRING (separators: blank, TAB, zero
// byte): word NGAP ends at IBEG - 1 and word NGAP + 1 begins at IEND + 1.
// Both are 0 when the stretch has fewer gaps or NGAP is below 1.
void WORDGAP(int32_t ngap, std::string_view string, int32_t& ibeg, int32_t& iend);

// Replaces every occurrence of COLD in STRING, left to right, by CNEW, both
// with their whole length; the inserted text is not searched again. The
// tail moves with each replacement: a shrinking text is padded with
// blanks, and characters pushed past the end of STRING are lost, those of
// CNEW included.
void REPLSUB(std::string_view cold, std::string_view cnew, std::span<char> string);

// Fills the placeholders $1 to $9 of STRING, in this order, each with the
// text CARR(k) (of the 9 texts of CARR) without its trailing blanks; a
// blank CARR(k) deletes its placeholders.
void SUBARGS(const TextArray& carr, std::span<char> string);

// STRING without the outer pair of quotes of its significant stretch, when
// both ends are the same quote character (apostrophe or double quote): the
// quoted text moves one place to the left and the end is padded with
// blanks. Otherwise a copy of STRING.
std::string UNQUOTE(std::string_view string);

}  // namespace standsim
