// Year series out of a filled keyed list: a value text is a number, which
// the whole series takes, or a reference to a column of a column-data file,
// read by VARIN01 (missing marker -99.0).
//
// A year series VEC is the caller's array of 4-byte reals whose first
// element has the index N0: VEC(t) is vec[t - N0]. The getters fill the
// elements IYRB .. IYRB + NSUB * (IYRE - IYRB + 1) - 1 (NSUB values per year)
// and no others; elements below N0 are never written, and a range that ends
// beyond the array stops the process.
//
// A key found: a value text that holds a character other than
// " +-0123456789.=" (after TIDY) is a file reference and is joined to the
// list's folder with FULLPATH first; a joined reference longer than a value
// text (256 characters) is not read but refused with a message in KEYMSG.
// The entry is marked taken (GOT) even when the read fails. A failed read leaves its message in
// KEYMSG and in the series what VARIN01 left. A key absent and a default given: the filled range
// takes the default and the key is appended with DEF and GOT set (not when the list is full).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "standsim/support/keyed_lists/keyed_list.h"

namespace standsim {

// The series of KEYWORD; the list's value text of a file reference is
// rewritten into the joined path. DFLT optional.
void GETKEYTS(KEYLIST& par, std::string_view keyword, int32_t n0, int32_t iyrb, int32_t iyre,
              int32_t nsub, std::span<float> vec, const float* dflt);

// NCOL series of KEYWORD, one per "|"-separated item of its value text, into
// the columns c = 1..NCOL of ARR, whose element (c, t) is
// arr[(t - N0) * NDIM + c - 1] (NCOL must not exceed NDIM). Columns after the
// last item repeat the last item's series; a value text without items leaves
// ARR and GOT as they are. A failed item leaves its column as it was. The
// list's value text is not changed. DFLTV optional, NCOL elements: column c
// takes DFLTV(c) = dfltv[c - 1].
void GETKEYTS2(int32_t ndim, int32_t ncol, KEYLIST& par, std::string_view keyword, int32_t n0,
               int32_t iyrb, int32_t iyre, int32_t nsub, std::span<float> arr, const float* dfltv);

}  // namespace standsim
