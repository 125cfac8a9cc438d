// Stands in for basekit's FIL2LIST: fills a keyed list from the key file
// named in its LISTFILE.
//
// Syntax of a key file: one key per line; the first word of the line (words
// are separated by blanks and TABs) is the key, the rest of the line, without
// its leading and trailing blanks, is the value text. Lines whose first
// non-blank character is "!" and blank lines are skipped; a trailing "\r" is
// dropped from every line. Keys may repeat; lookups take the first.
//
// The list receives NKEY and KEY(i), LINE(i) for i = 1..NKEY, blank padded,
// with GOT(i) and DEF(i) false; LISTNAME and LISTFILE are left as they are.
// A file that cannot be opened leaves the list empty.
#pragma once

#include <cstdint>
#include <string_view>

#include "standsim/support/keyed_lists/keyed_list.h"

namespace standsim {

// A line of a key file: the key and the value text, both views into the line.
struct KeyLine {
  std::string_view key, value;
};

// Splits LINE into key and value; false for a comment or blank line.
bool split_key_line(std::string_view line, KeyLine& out);

// The first line of a key file that did not fit into the list. A key longer
// than 16 characters or a value longer than 256 is stored cut to its field;
// at a 257th key the reading stops.
struct Fil2listOverflow {
  enum Kind : int32_t { NONE, LONG_KEY, LONG_VALUE, FULL_LIST };
  Kind kind = NONE;
  int32_t line = 0;  // 1-based line number in the file, every line counted
};

Fil2listOverflow FIL2LIST(KEYLIST& par);

}  // namespace standsim
