// The keyed list: the key-value lines of one model input file held in one
// record, and the lookups of a key in it.
//
// KEYLIST is shared byte for byte with the filler of the list (FIL2LIST), so
// its layout is fixed: 72,212 bytes, no padding, texts blank padded and not
// zero terminated, 32-bit little-endian words. The 1-based entries of the
// record map to the C++ arrays one lower: KEY(i), LINE(i), GOT(i) and DEF(i)
// are KEY[i - 1], LINE[i - 1], GOT[i - 1] and DEF[i - 1]; entries 1..NKEY are
// in use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

inline constexpr int32_t KEYLIST_MAXKEY = 256;   // entries the record holds
inline constexpr std::size_t KEY_LENGTH = 16;    // characters of a key
inline constexpr std::size_t LINE_LENGTH = 256;  // characters of a value text, a file path
inline constexpr std::size_t LISTNAME_LENGTH = 16;

struct KEYLIST {
  char LISTNAME[LISTNAME_LENGTH];          // kind of list, set by the caller
  char KEY[KEYLIST_MAXKEY][KEY_LENGTH];    // the keys
  char LISTFILE[LINE_LENGTH];              // path of the key file
  char LISTDIR[LINE_LENGTH];               // its folder, final separator included
  char LINE[KEYLIST_MAXKEY][LINE_LENGTH];  // value text of each key
  int32_t NKEY;                            // entries in use, 0..256
  int32_t GOT[KEYLIST_MAXKEY];             // value taken by a getter
  int32_t DEF[KEYLIST_MAXKEY];             // entry appended from a default
};

static_assert(sizeof(KEYLIST) == 72212);
static_assert(offsetof(KEYLIST, LISTNAME) == 0);
static_assert(offsetof(KEYLIST, KEY) == 16);
static_assert(offsetof(KEYLIST, LISTFILE) == 4112);
static_assert(offsetof(KEYLIST, LISTDIR) == 4368);
static_assert(offsetof(KEYLIST, LINE) == 4624);
static_assert(offsetof(KEYLIST, NKEY) == 70160);
static_assert(offsetof(KEYLIST, GOT) == 70164);
static_assert(offsetof(KEYLIST, DEF) == 71188);

// Flag words: 0 is false; the library stores 1 for true, READ4UP a word with
// all bits set. A word counts as true when its lowest bit is 1.
inline constexpr int32_t FLAG_TRUE = 1;
inline bool flag_set(int32_t word) { return (word & 1) != 0; }

// The support library's message text: all zero bytes when the library is
// loaded; the series readers write their failure messages into it.
extern std::array<char, 128> KEYMSG;

// Entries in use, NKEY, stopping the process when the record claims more
// than it can hold.
int32_t keys_in_use(const KEYLIST& par);

// Looks KEYWORD up: its text from the first to the last character that is
// not a blank, TAB or zero byte is compared case-sensitively with the start
// of each key; the rest of the key field must be blank (TABs and zero bytes
// count as blank). IND is the lowest matching entry, 0 when none matches.
// A blank keyword, or one longer than a key field, matches nothing.
bool FINDKEY(const KEYLIST& par, std::string_view keyword, int32_t& ind);

// Every entry whose key is KEYWORD, in order: INDV(1..N) in indv[0..N-1],
// which must have room for NKEY entries. Unlike FINDKEY the rest of the key
// field must be blanks as stored.
bool FINDKEYS(const KEYLIST& par, std::string_view keyword, int32_t& n, std::span<int32_t> indv);

// Appends KEYWORD, as passed (blank padded or cut to 16 characters), as an
// entry taken from its default: DEF and GOT true, its value text not
// written. A full list (256 entries) is left as it is.
void append_default_key(KEYLIST& par, std::string_view keyword);

// The DEF and GOT flag words of KEYWORD as stored; 0 when it is absent.
int32_t KEYDEF(std::string_view keyword, const KEYLIST& par);
int32_t KEYGOT(std::string_view keyword, const KEYLIST& par);

}  // namespace standsim
