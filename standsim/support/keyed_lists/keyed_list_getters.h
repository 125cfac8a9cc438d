// Typed values out of a filled keyed list: integer and real scalars and
// vectors.
//
// Each getter looks its key up with FINDKEY. A key found: the value text is
// read in free format (items separated by blanks or commas) and the entry is
// marked taken (GOT). A key absent and a default given: the result is the
// default and the key is appended with DEF and GOT set (not when the list is
// full). A key absent without a default: nothing changes.
//
// Vectors are 1-based: IVEC(i) is ivec[i - 1], i = 1..N, and a vector must
// hold at least N elements. The vector getters read K = NITEMS values, at
// most N, and fill elements K+1..N with element K; a value text without items
// leaves the vector as it is. Defaults are optional (nullptr when absent)
// except for GETKEYIS and GETKEYRS; a vector default holds N elements.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "standsim/support/keyed_lists/keyed_list.h"

namespace standsim {

void GETKEYI(KEYLIST& par, std::string_view keyword, int32_t& ival, const int32_t* idflt);
void GETKEYR(KEYLIST& par, std::string_view keyword, float& val, const float* dflt);

// Default: IVEC(i) = IDFLTV(i).
void GETKEYIV(int32_t n, KEYLIST& par, std::string_view keyword, std::span<int32_t> ivec,
              const int32_t* idfltv);
void GETKEYRV(int32_t n, KEYLIST& par, std::string_view keyword, std::span<float> vec,
              const float* dfltv);

// Default: every IVEC(i) = IDFLT.
void GETKEYIS(int32_t n, KEYLIST& par, std::string_view keyword, std::span<int32_t> ivec,
              const int32_t& idflt);
void GETKEYRS(int32_t n, KEYLIST& par, std::string_view keyword, std::span<float> vec,
              const float& dflt);

}  // namespace standsim
