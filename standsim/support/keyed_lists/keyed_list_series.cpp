#include "standsim/support/keyed_lists/keyed_list_series.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "standsim/support/column_data/column_data.h"
#include "standsim/support/files/file_names.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"
#include "standsim/support/text/text_array.h"

namespace standsim {

namespace {

constexpr float XMISS = -99.0f;

// Elements FIRST..LAST of a series, computed in 64 bits so that no year span
// overflows; empty when LAST < FIRST.
struct ElementRange {
  int64_t first, last;
  bool empty() const { return last < first; }
};

// The elements a getter fills, without those below N0.
ElementRange filled_elements(int32_t n0, int32_t iyrb, int32_t iyre, int32_t nsub) {
  const int64_t last = int64_t{iyrb} + int64_t{nsub} * (int64_t{iyre} - iyrb + 1) - 1;
  return {std::max<int64_t>(iyrb, n0), last};
}

// A value text that is neither a number nor "=" names a file.
bool is_file_reference(std::string_view text) {
  return text.find_first_not_of(" +-0123456789.=") != std::string_view::npos;
}

// TEXT joined to the list's folder, as a value text of 256 characters. A
// joined text that does not fit is not cut, since its end would silently
// name another column or scale; it is refused with a message of ROUTINE in
// KEYMSG instead (nullopt).
std::optional<std::string> joined_to_listdir(const KEYLIST& par, std::string_view text,
                                             std::string_view keyword, std::string_view routine) {
  const std::string joined = FULLPATH(std::string_view(par.LISTDIR, LINE_LENGTH), text);
  if (joined.find_last_not_of(' ') + 1 <= LINE_LENGTH) return padded(joined, LINE_LENGTH);
  int32_t first = 0, last = 0;
  TRIMPOS(keyword, first, last);
  const std::string_view key = keyword.substr(static_cast<std::size_t>(first - 1),
                                              static_cast<std::size_t>(last - first + 1));
  assign_text(KEYMSG, std::string(routine) + ": Reference of  " + std::string(key) +
                          "  is longer than 256 characters with its folder!");
  return std::nullopt;
}

}  // namespace

void GETKEYTS(KEYLIST& par, std::string_view keyword, int32_t n0, int32_t iyrb, int32_t iyre,
              int32_t nsub, std::span<float> vec, const float* dflt) {
  int32_t ind = 0;
  if (FINDKEY(par, keyword, ind)) {
    char(&line)[LINE_LENGTH] = par.LINE[ind - 1];
    const std::string_view text(line, LINE_LENGTH);
    bool readable = true;
    if (is_file_reference(TIDY(text))) {
      const std::optional<std::string> joined = joined_to_listdir(par, text, keyword, "xGETKEYTS");
      if (joined) assign_text(line, *joined);
      readable = joined.has_value();
    }
    if (readable) VARIN01(text, n0, iyrb, iyre, nsub, XMISS, vec, KEYMSG);
    par.GOT[ind - 1] = FLAG_TRUE;
  } else if (dflt != nullptr) {
    const ElementRange range = filled_elements(n0, iyrb, iyre, nsub);
    if (!range.empty()) {
      if (range.last - n0 >= static_cast<int64_t>(vec.size()))
        stop_process("GETKEYTS: VEC too short!");
      std::fill(vec.begin() + (range.first - n0), vec.begin() + (range.last - n0 + 1), *dflt);
    }
    append_default_key(par, keyword);
  }
}

void GETKEYTS2(int32_t ndim, int32_t ncol, KEYLIST& par, std::string_view keyword, int32_t n0,
               int32_t iyrb, int32_t iyre, int32_t nsub, std::span<float> arr, const float* dfltv) {
  if (ncol > ndim) stop_process("GETKEYTS2: NCOL > NDIM!");
  if (ncol < 0) return;
  const ElementRange range = filled_elements(n0, iyrb, iyre, nsub);
  if (!range.empty() && (range.last - n0) * ndim + ncol > static_cast<int64_t>(arr.size())) {
    stop_process("GETKEYTS2: ARR too short!");
  }
  auto element = [&](int32_t c, int64_t t) -> float& {
    return arr[static_cast<std::size_t>((t - n0) * ndim + (c - 1))];
  };

  int32_t ind = 0;
  if (!FINDKEY(par, keyword, ind)) {
    if (dfltv == nullptr) return;
    for (int64_t t = range.first; t <= range.last; ++t) {
      for (int32_t c = 1; c <= ncol; ++c) element(c, t) = dfltv[c - 1];
    }
    append_default_key(par, keyword);
    return;
  }

  std::vector<char> item_bytes(static_cast<std::size_t>(ncol) * LINE_LENGTH);
  const TextArray items(item_bytes, LINE_LENGTH, "GETKEYTS2 items");
  const std::string_view bar = "|";
  int32_t nitem = 0;
  STR2VEC(std::string_view(par.LINE[ind - 1], LINE_LENGTH), ncol, items, nitem, ' ', &bar);
  if (nitem == 0) return;

  // The work series W(N0..), as long as a column of ARR.
  const std::size_t column_length =
      (arr.size() + static_cast<std::size_t>(ndim) - 1) / static_cast<std::size_t>(ndim);
  std::vector<float> w(column_length, 0.0f);
  auto work = [&](int64_t t) -> float& { return w[static_cast<std::size_t>(t - n0)]; };
  for (int32_t c = 1; c <= nitem; ++c) {
    // Each item starts from its column as it is, so a failed read leaves it so.
    for (int64_t t = range.first; t <= range.last; ++t) work(t) = element(c, t);
    const std::string_view item = items.text(c);
    const std::optional<std::string> reference =
        is_file_reference(item) ? joined_to_listdir(par, item, keyword, "xGETKEYTS2")
                                : std::string(item);
    if (reference) VARIN01(*reference, n0, iyrb, iyre, nsub, XMISS, w, KEYMSG);
    for (int64_t t = range.first; t <= range.last; ++t) element(c, t) = work(t);
    par.GOT[ind - 1] = FLAG_TRUE;
  }
  for (int32_t c = nitem + 1; c <= ncol; ++c) {
    for (int64_t t = range.first; t <= range.last; ++t) element(c, t) = work(t);
  }
}

}  // namespace standsim
