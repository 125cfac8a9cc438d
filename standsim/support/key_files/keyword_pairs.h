// Paired keyword files: each parameter on two lines, a keyword line whose
// first 8 characters are the keyword (the rest is ignored) and the value
// line that belongs to it. The file is the caller's, open for reading on
// unit 1; every search starts again at its first line.
//
// A keyword matches a search word WORD when its 8 characters equal WORD
// padded with blanks: exact and case-sensitive, so a WORD longer than 8
// characters matches only when its characters beyond the eighth are blanks.
#pragma once

#include <cstdint>
#include <string_view>

namespace standsim {

inline constexpr int32_t PAIR_FILE_UNIT = 1;

// 1 when a keyword line matches WORD, with unit 1 then positioned at its
// value line; else 0 (also when unit 1 is not open for reading).
int32_t FINDPAIR(std::string_view word);

// Writes one line to unit IU for the first pair of WORD: WORD without its
// trailing blanks, one blank and the value (read as a text of 256
// characters) without its trailing blanks. Nothing when the pair is missing
// or its value line is.
void PAIR2KEY(int32_t iu, std::string_view word);

// The yes-or-no answer of WORD: 1 or 0, IDEF (0 no, 1 yes) unless the first
// item of the value line says the opposite by its first letter, in either
// case ("y" against a default of 0, "n" against 1). A missing pair, a blank
// value line, and an IDEF other than 0 or 1 leave the answer at IDEF > 0.
int32_t PAIRYN(int32_t idef, std::string_view word);

// Writes the value line of every pair of WORD (read as a text of 128
// characters) to the file FILNAM, cut at each ";" outside quotes into N
// pieces (the last taking the rest), one piece per line without trailing
// blanks. FILNAM is created, or replaced, only when there is a pair, and
// only once every line has been written. Returns the number of pairs of
// WORD with a value line; 0 when N is below 1.
int32_t PAIRSPLIT(std::string_view word, std::string_view filnam, int32_t n);

}  // namespace standsim
