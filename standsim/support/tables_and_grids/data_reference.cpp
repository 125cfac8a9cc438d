#include "standsim/support/tables_and_grids/data_reference.h"

#include <array>
#include <span>

#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"

namespace standsim {
namespace {

// Character K (1-based) of REF, a blank beyond its end.
char at(std::string_view ref, int32_t k) {
  return k >= 1 && static_cast<std::size_t>(k) <= ref.size() ? ref[static_cast<std::size_t>(k - 1)]
                                                             : ' ';
}

// Characters FROM .. TO (1-based) of REF, empty when TO < FROM.
std::string_view part(std::string_view ref, int32_t from, int32_t to) {
  if (to < from) return {};
  return ref.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

// 1-based position of the last (or first) C in REF, 0 when absent.
int32_t last_of(std::string_view ref, char c) {
  const std::size_t k = ref.rfind(c);
  return k == std::string_view::npos ? 0 : static_cast<int32_t>(k + 1);
}

int32_t first_of(std::string_view ref, char c) {
  const std::size_t k = ref.find(c);
  return k == std::string_view::npos ? 0 : static_cast<int32_t>(k + 1);
}

}  // namespace

void PARSEREF(std::string_view ref, DataReference& spec) {
  int32_t first = 0, last = 0;
  TRIMPOS(ref, first, last);
  spec.VALID = last > 0 ? 1 : 0;
  if (last == 0) return;

  spec.CODE[0] = 's';
  if (const int32_t k = last_of(ref, '/'); k > 0) {
    spec.CODE[0] = at(ref, k + 1);
    last = k - 1;
  }

  spec.N1 = 1;
  if (const int32_t k = last_of(ref, '#'); k > 0) {
    if (at(ref, k + 1) == '?') {
      spec.N1 = 0;
    } else {
      const std::string_view numbers = part(ref, k + 1, last);
      std::array<int32_t, 2> n{spec.N1, spec.N2};
      free_read(numbers, std::span<int32_t>(n.data(), NITEMS(numbers) > 1 ? 2 : 1));
      spec.N1 = n[0];
      spec.N2 = n[1];
    }
    last = k - 1;
  }

  spec.FACT = 1.0f;
  if (const int32_t k = first_of(ref, '*'); k > 0) {
    if (at(ref, k - 1) == '?') {
      spec.FACT = 0.0f;
    } else {
      float fact = spec.FACT;
      free_read(part(ref, first, k - 1), std::span<float>(&fact, 1));
      spec.FACT = fact;
    }
    first = k + 1;
  }

  assign_text(spec.REFNAME, part(ref, first, last));
}

}  // namespace standsim
