// Key files: one parameter per line, a key and its value.
//
// Lines are read as texts of 256 characters (a longer line is cut). A line
// whose first character is the comment character CH (the first character
// of its text; an empty CH has none) is skipped, and so is a line of blanks
// only; a line of TABs only gives an entry with a blank key and a blank
// value. Every other line, with its TABs and zero bytes made blanks, is cut
// at its first blank outside quotes (apostrophes and double quotes) after
// the key's first character: the key piece keeps its leading blanks, the
// value piece takes the rest of the line.
//
// Allowed keys: with N > 0 only key pieces equal to one of LIST(1..N)
// (exact and case-sensitive, blank padded, leading blanks included) are
// taken; the first other key ends the reading and is returned in LIST(N+1).
// With N <= 0 every key is taken. LIST(N+1) is set blank first; it is
// written only when LIST has room for it. An N below 0 counts as 0.
// LIST(i) is list[i].
#pragma once

#include <cstdint>
#include <string_view>

#include "standsim/support/keyed_lists/keyed_list.h"
#include "standsim/support/text/text_array.h"

namespace standsim {

// Reads the key file FILNAM into PAR and returns its new NKEY. LISTFILE
// records the file: FILNAM, or the names so far joined to it by "+" (cut to
// 256 characters). Each key taken is appended after the entries already in
// the list: KEY the key piece without leading blanks, cut to 16
// characters, LINE the value piece without leading blanks; their GOT and
// DEF flags are not touched. The list holds 256 entries: a key that finds
// it full ends the reading as an unknown key does, in LIST(N+1). A file
// that cannot be opened adds nothing.
int32_t READKEYS(std::string_view filnam, std::string_view ch, int32_t n, const TextArray& list,
                 KEYLIST& par);

// Writes every key line of FILNAM taken as by READKEYS to the open unit IU
// as two lines of 256 characters, trailing blanks included: the key piece
// (its leading blanks kept) and the value piece. Unit IU stays open.
void KEYS2PAIRS(int32_t iu, std::string_view filnam, std::string_view ch, int32_t n,
                const TextArray& list);

}  // namespace standsim
