// Lists of texts: a TextArray whose entries 1 to N are in use (N given
// beside it). Two texts are equal when they agree character by character
// after the shorter is padded with blanks: exact and case-sensitive, a TAB
// or a zero byte differs from a blank; the lists of one call may have
// different text lengths. Removing entry j moves the later entries down one
// place in their order, blanks the last one and lowers N by 1. Logical
// results are 1 for true and 0 for false.
#pragma once

#include <cstdint>
#include <string_view>

#include "standsim/support/text/text_array.h"

namespace standsim {

// True when A and B agree character by character after the shorter is
// padded with blanks (the equality of texts used by the lists).
bool same_text(std::string_view a, std::string_view b);

// Appends to CVEC(1..N) each of CADDV(1..NADD) that it does not hold yet,
// cut or padded to CVEC's text length; an entry repeated within CADDV is
// added once. CVEC must have room for the entries added.
void ADDCVEC(int32_t& n, const TextArray& cvec, int32_t nadd, const TextArray& caddv);

// The last entry of CVEC(1..N) that repeats an earlier one; 0 when all differ.
int32_t CVECDUP(int32_t n, const TextArray& cvec);

// 1 when CSTR is one of CVEC(1..N), with IND its first index; else 0 and
// IND = 0.
int32_t INCVEC(int32_t n, const TextArray& cvec, std::string_view cstr, int32_t& ind);

// The number of entries before the first blank one (TABs and zero bytes
// count as blank); every entry when none is blank.
int32_t NCVEC(const TextArray& cvec);

// 1 when CV1(1..N1) and CV2(1..N2) share no entry (also when either is
// empty), else 0.
int32_t CVDISJ(int32_t n1, const TextArray& cv1, int32_t n2, const TextArray& cv2);

// Removes from CVEC(1..N) every entry whose first NCHAR characters equal
// the first NCHAR characters of one of CSUBV(1..NREM). With NCHAR <= 0 every
// entry goes as soon as NREM >= 1.
void SUBCVEC(int32_t nchar, int32_t& n, const TextArray& cvec, int32_t nrem,
             const TextArray& csubv);

// Removes every entry of CVEC(1..N) that repeats an earlier one; the first
// appearances keep their order.
void UNIQCVEC(int32_t& n, const TextArray& cvec);

}  // namespace standsim
