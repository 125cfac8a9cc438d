#include "standsim/support/sorts_and_searches/heapsorts.h"

#include <string_view>

#include "standsim/support/fortran_runtime/array_bounds.h"

namespace standsim {
namespace {

// The key vector with its present companions, addressed by 1-based position.
template <class T>
class SortedVectors {
 public:
  struct Element {
    T a, b, c;
  };

  SortedVectors(std::span<T> ra, std::span<T>* rb, std::span<T>* rc)
      : ra_(ra.data()), rb_(rb ? rb->data() : nullptr), rc_(rc ? rc->data() : nullptr) {}

  T key(int64_t p) const { return ra_[p - 1]; }

  Element take(int64_t q) const {
    Element v{ra_[q - 1], T{}, T{}};
    if (rb_) v.b = rb_[q - 1];
    if (rc_) v.c = rc_[q - 1];
    return v;
  }

  void store(int64_t p, const Element& v) {
    ra_[p - 1] = v.a;
    if (rb_) rb_[p - 1] = v.b;
    if (rc_) rc_[p - 1] = v.c;
  }

  void move(int64_t q, int64_t p) { store(p, take(q)); }

 private:
  T* ra_;
  T* rb_;
  T* rc_;
};

// The routine's name and the names of its key vector and companions.
struct RoutineNames {
  std::string_view routine, a, b, c;
};

template <class T>
void heapsort(const RoutineNames& names, int32_t n, std::span<T> ra, std::span<T>* rb,
              std::span<T>* rc) {
  if (n <= 1) return;
  check_length(names.routine, names.a, ra.size(), n);
  if (rb) check_length(names.routine, names.b, rb->size(), n);
  if (rc) check_length(names.routine, names.c, rc->size(), n);
  SortedVectors<T> vectors(ra, rb, rc);
  int64_t l = n / 2 + 1;
  int64_t r = n;
  for (;;) {
    typename SortedVectors<T>::Element v;
    if (l > 1) {
      --l;
      v = vectors.take(l);
    } else {
      v = vectors.take(r);
      vectors.move(1, r);
      --r;
      if (r == 1) {
        vectors.store(1, v);
        return;
      }
    }
    int64_t i = l;
    int64_t j = 2 * l;
    while (j <= r) {
      if (j < r && vectors.key(j + 1) > vectors.key(j)) ++j;
      if (vectors.key(j) > v.a) {
        vectors.move(j, i);
        i = j;
        j = 2 * j;
      } else {
        j = r + 1;
      }
    }
    vectors.store(i, v);
  }
}

}  // namespace

void HEAPSORTD(int32_t n, std::span<double> ra, std::span<double>* rb, std::span<double>* rc) {
  heapsort({"HEAPSORTD", "RA", "RB", "RC"}, n, ra, rb, rc);
}

void HEAPSORTI(int32_t n, std::span<int32_t> ia, std::span<int32_t>* ib, std::span<int32_t>* ic) {
  heapsort({"HEAPSORTI", "IA", "IB", "IC"}, n, ia, ib, ic);
}

void HEAPSORTR(int32_t n, std::span<float> ra, std::span<float>* rb, std::span<float>* rc) {
  heapsort({"HEAPSORTR", "RA", "RB", "RC"}, n, ra, rb, rc);
}

}  // namespace standsim
