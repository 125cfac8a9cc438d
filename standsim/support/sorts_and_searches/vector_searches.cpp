#include "standsim/support/sorts_and_searches/vector_searches.h"

#include <string_view>

#include "standsim/support/fortran_runtime/array_bounds.h"

namespace standsim {
namespace {

template <class T>
T element(std::span<const T> vec, int32_t p) {
  return vec[static_cast<std::size_t>(p - 1)];
}

template <class T>
bool find_first(std::string_view routine, std::string_view name, int32_t n, std::span<const T> vec,
                T val, int32_t& ind) {
  ind = 0;
  if (n <= 0) return false;
  check_length(routine, name, vec.size(), n);
  for (int32_t i = 1; i <= n; ++i) {
    if (element(vec, i) == val) {
      ind = i;
      return true;
    }
  }
  return false;
}

template <class T>
bool find_first_pair(std::string_view routine, std::string_view name1, std::string_view name2,
                     int32_t n, std::span<const T> vec1, std::span<const T> vec2, T val1, T val2,
                     int32_t& ind) {
  ind = 0;
  if (n <= 0) return false;
  check_length(routine, name1, vec1.size(), n);
  check_length(routine, name2, vec2.size(), n);
  for (int32_t i = 1; i <= n; ++i) {
    if (element(vec1, i) == val1 && element(vec2, i) == val2) {
      ind = i;
      return true;
    }
  }
  return false;
}

template <class T>
bool find_all(std::string_view routine, std::string_view name, int32_t n, std::span<const T> vec,
              T val, int32_t& nind, std::span<int32_t> indv) {
  nind = 0;
  if (n <= 0) return false;
  check_length(routine, name, vec.size(), n);
  for (int32_t i = 1; i <= n; ++i) {
    if (element(vec, i) != val) continue;
    ++nind;
    check_subscript(routine, "INDV", indv.size(), nind);
    indv[static_cast<std::size_t>(nind - 1)] = i;
  }
  return nind >= 1;
}

}  // namespace

bool FINDI(int32_t n, std::span<const int32_t> ivec, int32_t ival, int32_t& ind) {
  return find_first("FINDI", "IVEC", n, ivec, ival, ind);
}

bool FINDR(int32_t n, std::span<const float> vec, float val, int32_t& ind) {
  return find_first("FINDR", "VEC", n, vec, val, ind);
}

bool FINDPAIRI(int32_t n, std::span<const int32_t> ivec1, std::span<const int32_t> ivec2,
               int32_t ival1, int32_t ival2, int32_t& ind) {
  return find_first_pair("FINDPAIRI", "IVEC1", "IVEC2", n, ivec1, ivec2, ival1, ival2, ind);
}

bool FINDPAIRR(int32_t n, std::span<const float> vec1, std::span<const float> vec2, float val1,
               float val2, int32_t& ind) {
  return find_first_pair("FINDPAIRR", "VEC1", "VEC2", n, vec1, vec2, val1, val2, ind);
}

bool FINDALLI(int32_t n, std::span<const int32_t> ivec, int32_t ival, int32_t& nind,
              std::span<int32_t> indv) {
  return find_all("FINDALLI", "IVEC", n, ivec, ival, nind, indv);
}

bool FINDALLR(int32_t n, std::span<const float> vec, float val, int32_t& nind,
              std::span<int32_t> indv) {
  return find_all("FINDALLR", "VEC", n, vec, val, nind, indv);
}

int32_t LOCATE(float x, int32_t n, std::span<const float> vlim) {
  if (n <= 0) return 0;
  check_length("LOCATE", "VLIM", vlim.size(), n);
  const bool ascending = element(vlim, n) > element(vlim, 1);
  int64_t lo = 0;
  int64_t hi = int64_t{n} + 1;
  while (hi - lo > 1) {
    const int64_t mid = (lo + hi) / 2;
    const float limit = element(vlim, static_cast<int32_t>(mid));
    const bool below = ascending ? limit <= x : limit > x;
    if (below) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return static_cast<int32_t>(lo);
}

int32_t NEARCROSS(int32_t n0, int32_t ib, int32_t ie, std::span<const float> vec, float x) {
  if (ie <= ib) return ie;
  // VEC(k) is element k - N0 + 1 of the 1-based series.
  auto at = [&](int32_t k) {
    const int64_t p = int64_t{k} - n0 + 1;
    check_subscript("NEARCROSS", "VEC", vec.size(), p);
    return vec[static_cast<std::size_t>(p - 1)];
  };
  for (int64_t i = int64_t{ib} + 1; i <= ie; ++i) {
    const float value = at(static_cast<int32_t>(i));
    if (!(value > x)) continue;
    const float below = x - at(static_cast<int32_t>(i - 1));
    const float above = value - x;
    return static_cast<int32_t>(above > below ? i - 1 : i);
  }
  return ie;
}

}  // namespace standsim
