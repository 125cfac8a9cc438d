#include "standsim/support/numbers/quantiles.h"

#include <algorithm>
#include <string_view>

#include "standsim/support/fortran_runtime/array_bounds.h"

namespace standsim {
namespace {

constexpr int32_t no_elements = 1;
constexpr int32_t not_ascending = 2;
constexpr int32_t bad_probability = 3;
constexpr int32_t probabilities_not_ascending = 3;
constexpr int32_t probability_outside = 4;

bool is_probability(float p) { return p >= 0.0f && p <= 1.0f; }

bool ascending(std::span<const float> v) {
  return std::adjacent_find(v.begin(), v.end(), [](float a, float b) { return a > b; }) == v.end();
}

// The error code of the vector checks, 0 when VEC may be used.
int32_t vector_error(std::string_view routine, int32_t n, std::span<const float> vec) {
  if (n <= 0) return no_elements;
  check_length(routine, "VEC", vec.size(), n);
  return ascending(vec.first(static_cast<std::size_t>(n))) ? 0 : not_ascending;
}

// The error code of the checks on QV(1..NQ), 0 when they may be used.
int32_t probabilities_error(std::string_view routine, int32_t nq, std::span<const float> qv) {
  if (nq <= 0) return 0;
  check_length(routine, "QV", qv.size(), nq);
  const auto used = qv.first(static_cast<std::size_t>(nq));
  if (!ascending(used)) return probabilities_not_ascending;
  return std::all_of(used.begin(), used.end(), is_probability) ? 0 : probability_outside;
}

// The 4-byte sum of WEI(1..N) in order.
float weight_sum(std::span<const float> wei) {
  float s = 0.0f;
  for (const float w : wei) s = s + w;
  return s;
}

}  // namespace

void QUANTILE(float p, int32_t n, std::span<const float> vec, float& xq, int32_t& ierr) {
  ierr = vector_error("QUANTILE", n, vec);
  if (ierr != 0) return;
  if (!is_probability(p)) {
    ierr = bad_probability;
    return;
  }
  // The 4-byte product can round past N for very large N; N - 1 is the most.
  const int64_t k = std::min<int64_t>(static_cast<int64_t>(static_cast<float>(n) * p), n - 1);
  xq = vec[static_cast<std::size_t>(k)];
}

void WQUANTILE(float p, int32_t n, std::span<const float> vec, std::span<const float> wei,
               float& xq, int32_t& ierr) {
  ierr = vector_error("WQUANTILE", n, vec);
  if (ierr != 0) return;
  if (!is_probability(p)) {
    ierr = bad_probability;
    return;
  }
  check_length("WQUANTILE", "WEI", wei.size(), n);
  const auto weights = wei.first(static_cast<std::size_t>(n));
  const float t = weight_sum(weights) * p;
  float c = 0.0f;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    c = c + weights[i];
    if (c > t) {
      xq = vec[i];
      return;
    }
  }
  xq = vec[weights.size() - 1];
}

void QUANTILES(int32_t nq, std::span<const float> qv, int32_t n, std::span<const float> vec,
               std::span<float> xqv, int32_t& ierr) {
  ierr = vector_error("QUANTILES", n, vec);
  if (ierr == 0) ierr = probabilities_error("QUANTILES", nq, qv);
  if (ierr != 0 || nq <= 0) return;
  check_length("QUANTILES", "XQV", xqv.size(), nq);
  // K is the 1-based position of the quantile, the first integer above N * QV(j).
  int64_t k = 1;
  for (int32_t j = 0; j < nq; ++j) {
    const float x = static_cast<float>(n) * qv[static_cast<std::size_t>(j)];
    while (static_cast<double>(k) <= x) ++k;
    if (k > n) {
      std::fill(xqv.begin() + j, xqv.begin() + nq, vec[static_cast<std::size_t>(n - 1)]);
      return;
    }
    xqv[static_cast<std::size_t>(j)] = vec[static_cast<std::size_t>(k - 1)];
  }
}

void WQUANTILES(int32_t nq, std::span<const float> qv, int32_t n, std::span<const float> vec,
                std::span<const float> wei, std::span<float> xqv, int32_t& ierr) {
  ierr = vector_error("WQUANTILES", n, vec);
  if (ierr == 0) ierr = probabilities_error("WQUANTILES", nq, qv);
  if (ierr != 0 || nq <= 0) return;
  check_length("WQUANTILES", "WEI", wei.size(), n);
  check_length("WQUANTILES", "XQV", xqv.size(), nq);
  const auto weights = wei.first(static_cast<std::size_t>(n));
  const float s = weight_sum(weights);
  std::size_t j = 0;
  float t = s * qv[0];
  float c = 0.0f;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    c = c + weights[i];
    while (c > t) {
      xqv[j] = vec[i];
      if (j + 1 == static_cast<std::size_t>(nq)) return;
      ++j;
      t = s * qv[j];
    }
  }
  std::fill(xqv.begin() + static_cast<std::ptrdiff_t>(j), xqv.begin() + nq,
            vec[weights.size() - 1]);
}

}  // namespace standsim
