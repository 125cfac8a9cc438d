#include "standsim/support/keyed_lists/keyed_list_getters.h"

#include <algorithm>
#include <string>

#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/text/line_items.h"

namespace standsim {

namespace {

std::string_view value_text(const KEYLIST& par, int32_t ind) {
  return {par.LINE[ind - 1], LINE_LENGTH};
}

template <typename T>
void get_scalar(KEYLIST& par, std::string_view keyword, T& value, const T* dflt) {
  int32_t ind = 0;
  if (FINDKEY(par, keyword, ind)) {
    free_read(value_text(par, ind), std::span<T>(&value, 1));
    par.GOT[ind - 1] = FLAG_TRUE;
  } else if (dflt != nullptr) {
    value = *dflt;
    append_default_key(par, keyword);
  }
}

// The first N elements of VEC, stopping the process when it is shorter.
template <typename T>
std::span<T> first_n(std::span<T> vec, int32_t n, std::string_view routine) {
  const std::size_t count = static_cast<std::size_t>(std::max(n, int32_t{0}));
  if (count > vec.size()) stop_process(std::string(routine) + ": vector shorter than N!");
  return vec.first(count);
}

// Reads the found entry IND into VEC: at most VEC.size() values, the rest
// repeating the last value read; no items leave VEC as it is.
template <typename T>
void read_vector(KEYLIST& par, int32_t ind, std::span<T> vec) {
  const std::string_view text = value_text(par, ind);
  const std::size_t k =
      std::min(static_cast<std::size_t>(std::max(NITEMS(text), int32_t{0})), vec.size());
  if (k > 0) {
    free_read(text, vec.first(k));
    std::fill(vec.begin() + static_cast<std::ptrdiff_t>(k), vec.end(), vec[k - 1]);
  }
  par.GOT[ind - 1] = FLAG_TRUE;
}

// A vector getter: DEFAULT_FILL(vec) fills the result for an absent key, or
// is empty when there is no default.
template <typename T, typename Fill>
void get_vector(KEYLIST& par, std::string_view keyword, std::span<T> vec, bool has_default,
                Fill default_fill) {
  int32_t ind = 0;
  if (FINDKEY(par, keyword, ind)) {
    read_vector(par, ind, vec);
  } else if (has_default) {
    default_fill(vec);
    append_default_key(par, keyword);
  }
}

template <typename T>
void get_vector_default_vector(int32_t n, KEYLIST& par, std::string_view keyword, std::span<T> vec,
                               const T* dfltv, std::string_view routine) {
  get_vector(par, keyword, first_n(vec, n, routine), dfltv != nullptr,
             [dfltv](std::span<T> v) { std::copy_n(dfltv, v.size(), v.begin()); });
}

template <typename T>
void get_vector_default_scalar(int32_t n, KEYLIST& par, std::string_view keyword, std::span<T> vec,
                               const T& dflt, std::string_view routine) {
  get_vector(par, keyword, first_n(vec, n, routine), true,
             [&dflt](std::span<T> v) { std::fill(v.begin(), v.end(), dflt); });
}

}  // namespace

void GETKEYI(KEYLIST& par, std::string_view keyword, int32_t& ival, const int32_t* idflt) {
  get_scalar(par, keyword, ival, idflt);
}

void GETKEYR(KEYLIST& par, std::string_view keyword, float& val, const float* dflt) {
  get_scalar(par, keyword, val, dflt);
}

void GETKEYIV(int32_t n, KEYLIST& par, std::string_view keyword, std::span<int32_t> ivec,
              const int32_t* idfltv) {
  get_vector_default_vector(n, par, keyword, ivec, idfltv, "GETKEYIV");
}

void GETKEYRV(int32_t n, KEYLIST& par, std::string_view keyword, std::span<float> vec,
              const float* dfltv) {
  get_vector_default_vector(n, par, keyword, vec, dfltv, "GETKEYRV");
}

void GETKEYIS(int32_t n, KEYLIST& par, std::string_view keyword, std::span<int32_t> ivec,
              const int32_t& idflt) {
  get_vector_default_scalar(n, par, keyword, ivec, idflt, "GETKEYIS");
}

void GETKEYRS(int32_t n, KEYLIST& par, std::string_view keyword, std::span<float> vec,
              const float& dflt) {
  get_vector_default_scalar(n, par, keyword, vec, dflt, "GETKEYRS");
}

}  // namespace standsim
