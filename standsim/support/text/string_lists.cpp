#include "standsim/support/text/string_lists.h"

#include <algorithm>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

bool all_blank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// The index of the first of CVEC(1..N) equal to TEXT, 0 when none is.
int32_t first_equal(int32_t n, const TextArray& cvec, std::string_view text) {
  for (int32_t i = 1; i <= n; ++i) {
    if (same_text(cvec.text(i), text)) return i;
  }
  return 0;
}

void remove_entry(int32_t j, int32_t& n, const TextArray& cvec) {
  for (int32_t k = j; k < n; ++k) assign_text(cvec[k], cvec.text(k + 1));
  assign_text(cvec[n], "");
  --n;
}

}  // namespace

bool same_text(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  return a.substr(0, common) == b.substr(0, common) && all_blank(a.substr(common)) &&
         all_blank(b.substr(common));
}

void ADDCVEC(int32_t& n, const TextArray& cvec, int32_t nadd, const TextArray& caddv) {
  for (int32_t i = 1; i <= nadd; ++i) {
    if (first_equal(n, cvec, caddv.text(i)) != 0) continue;
    ++n;
    assign_text(cvec[n], caddv.text(i));
  }
}

int32_t CVECDUP(int32_t n, const TextArray& cvec) {
  for (int32_t k = n; k >= 2; --k) {
    if (first_equal(k - 1, cvec, cvec.text(k)) != 0) return k;
  }
  return 0;
}

int32_t INCVEC(int32_t n, const TextArray& cvec, std::string_view cstr, int32_t& ind) {
  ind = first_equal(n, cvec, cstr);
  return ind != 0 ? 1 : 0;
}

int32_t NCVEC(const TextArray& cvec) {
  for (int32_t i = 1; i <= cvec.size(); ++i) {
    if (all_blank(TIDY(cvec.text(i)))) return i - 1;
  }
  return cvec.size();
}

int32_t CVDISJ(int32_t n1, const TextArray& cv1, int32_t n2, const TextArray& cv2) {
  for (int32_t i = 1; i <= n1; ++i) {
    if (first_equal(n2, cv2, cv1.text(i)) != 0) return 0;
  }
  return 1;
}

void SUBCVEC(int32_t nchar, int32_t& n, const TextArray& cvec, int32_t nrem,
             const TextArray& csubv) {
  const std::size_t prefix = static_cast<std::size_t>(std::max(nchar, 0));
  for (int32_t i = 1; i <= nrem; ++i) {
    const std::string removed = padded(csubv.text(i), prefix);
    for (int32_t j = n; j >= 1; --j) {
      if (padded(cvec.text(j), prefix) == removed) remove_entry(j, n, cvec);
    }
  }
}

void UNIQCVEC(int32_t& n, const TextArray& cvec) {
  for (int32_t k = n; k >= 2; --k) {
    if (first_equal(k - 1, cvec, cvec.text(k)) != 0) remove_entry(k, n, cvec);
  }
}

}  // namespace standsim
