#include "standsim/support/numbers/number_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "standsim/support/fortran_runtime/fortran_format_write.h"
#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/leading_zero.h"
#include "standsim/support/text/line_items.h"

namespace standsim {
namespace {

// |V - NINT(V)| < 1e-5 in 4-byte reals.
bool is_whole(float v) { return std::fabs(v - std::round(v)) < 1.0e-5f; }

// X written under FMT into a text of LENGTH characters, left-aligned and
// blank padded: NINT(X) under an integer descriptor, X under a real one.
// LENGTH asterisks when the value cannot be written so.
std::string written(float x, std::string_view fmt, std::size_t length) {
  const std::string failed(length, '*');
  const std::optional<EditDescriptor> descriptor = parse_format(fmt);
  if (!descriptor || static_cast<std::size_t>(descriptor->width) > length) return failed;
  std::optional<std::string> field;
  if (descriptor->kind == 'i') {
    const float nearest = std::round(x);
    if (!(nearest >= -2147483648.0f && nearest < 2147483648.0f)) return failed;
    field = write_formatted(fmt, static_cast<int32_t>(nearest));
  } else {
    field = write_formatted(fmt, x);
  }
  return field ? padded(*field, length) : failed;
}

}  // namespace

std::string GETFMT(float x1, float x2, int32_t nstep) {
  const std::string general = "(g12.4)";
  if (!std::isfinite(x1) || !std::isfinite(x2)) return general;
  float s = (x2 - x1) / static_cast<float>(nstep);
  if (is_whole(x1) && is_whole(s)) return "(i8)   ";
  int32_t e = 0;
  for (float a = std::fabs(x2); a >= 10.0f; a = a * 0.1f) ++e;
  for (int32_t d = 1; d <= 6; ++d) {
    s = s * 10.0f;
    if (is_whole(s)) {
      const int32_t w = d + std::max(e, 1) + 2;
      return "(f" + I_2_C(w, 2) + "." + I_2_C(d, 1) + ")";
    }
  }
  return general;
}

std::string N_2_C(float x, std::string_view fmt) {
  if (x == 0.0f) return padded("0", 16);
  return written(x, fmt, 16);
}

void CLSLABEL(int32_t ic, int32_t icfirst, int32_t iclast, std::string_view fmt, int32_t idir,
              float v1, float v2, std::span<char> label, int32_t& nwid) {
  constexpr std::size_t text_length = 12;
  int32_t first = 0, last = 0;
  TRIMPOS(fmt, first, last);
  const auto at = [&](int32_t i) {
    return i >= 1 && i <= static_cast<int32_t>(fmt.size()) ? fmt[i - 1] : ' ';
  };
  const bool integer = at(first + 1) == 'i' || at(first + 1) == 'I';

  // The width: the number between the letter and the ")" or the ".".
  const std::size_t end = fmt.find(integer ? ')' : '.');
  const auto width_start = static_cast<std::size_t>(first + 1);
  nwid = 0;
  if (first > 0 && end != std::string_view::npos && end > width_start) {
    int32_t width = 0;
    if (FreeFormatReader(fmt.substr(width_start, end - width_start)).read(width) ==
        FreeReadStatus::value) {
      nwid = width;
    }
  }

  const auto value_text = [&](float v) {
    std::string text = written(v, fmt, text_length);
    if (!integer) LEADZERO(v, text, 1);
    return text;
  };
  std::string txtl(text_length, ' ');
  const std::string txtr = value_text(v2);
  std::string_view sign;
  if (ic == icfirst) {
    sign = idir == -1 ? " > " : " < ";
  } else if (ic == iclast) {
    sign = idir == -1 ? " < " : " > ";
  } else {
    sign = " - ";
    txtl = value_text(v1);
  }

  int32_t right_first = 0, right_last = 0;
  TRIMPOS(txtr, right_first, right_last);
  const std::string_view right =
      right_last == 0
          ? std::string_view()
          : std::string_view(txtr).substr(static_cast<std::size_t>(right_first - 1),
                                          static_cast<std::size_t>(right_last - right_first + 1));
  assign_text(label, padded(txtl, static_cast<std::size_t>(std::max(nwid, 0))) + std::string(sign) +
                         std::string(right));
}

}  // namespace standsim
