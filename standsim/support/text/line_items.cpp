#include "standsim/support/text/line_items.h"

#include <algorithm>
#include <limits>

#include "standsim/support/fortran_runtime/fortran_format_write.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

constexpr std::string_view default_separators("\0\t ", 3);

bool is_blank_like(char c) { return c == ' ' || c == '\0' || c == '\t'; }

bool is_quote(char c) { return c == '\'' || c == '"'; }

struct Extent {
  std::size_t first = 0, last = 0;  // 0-based, valid when !blank
  bool blank = true;
};

Extent extent_of(std::string_view text) {
  int32_t first = 0, last = 0;
  TRIMPOS(text, first, last);
  if (last == 0) return {};
  return {static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - 1), false};
}

std::string_view separator_set(const std::string_view* seps) {
  return seps != nullptr ? *seps : default_separators;
}

// TEXT with every DLIM made a blank (when DLIM is not a blank), then
// left-adjusted.
void strip_and_left_adjust(std::string& text, char dlim) {
  if (dlim != ' ') std::replace(text.begin(), text.end(), dlim, ' ');
  const std::size_t lead = std::min(text.find_first_not_of(' '), text.size());
  text.erase(0, lead);
  text.append(lead, ' ');
}

// Walks the extent of STRING the way STR2VEC cuts it and calls
// ON_ITEM(number, characters) for each item, the last one running to the end
// of STRING; ON_ITEM returns true to stop. Returns the number of items,
// including a blank last item counted after a separator that ends the extent
// (for which ON_ITEM is not called).
template <typename OnItem>
int32_t scan_items(std::string_view string, std::string_view seps, char dlim, int32_t limit,
                   OnItem&& on_item) {
  const Extent ext = extent_of(string);
  if (limit <= 0 || ext.blank) return 0;
  const bool quoting = dlim != ' ';
  int32_t count = 1;
  std::size_t start = ext.first;
  bool inside_quotes = false;
  bool inside_item = false;
  for (std::size_t i = ext.first; i <= ext.last; ++i) {
    const char c = string[i];
    if (seps.find(c) != std::string_view::npos) {
      if (inside_quotes) continue;
      if (!inside_item) {
        start = i + 1;
        continue;
      }
      inside_item = false;
      if (on_item(count, string.substr(start, i - start)) || count == limit) return count;
      ++count;
      if (i == ext.last) return count;
      start = i + 1;
    } else {
      if (quoting && c == dlim) inside_quotes = !inside_quotes;
      inside_item = true;
      if (i == ext.last) {
        on_item(count, string.substr(start));
        return count;
      }
    }
  }
  // The extent ended on a separator inside quotes: the item is kept.
  if (inside_item) on_item(count, string.substr(start));
  return count;
}

}  // namespace

int32_t NITEMS(std::string_view string) {
  const Extent ext = extent_of(string);
  if (ext.blank) return 0;
  int32_t blank_count = 1, comma_count = 1;
  bool inside_quotes = false;
  for (std::size_t i = ext.first; i <= ext.last; ++i) {
    const char c = string[i];
    if (c == '\'') inside_quotes = !inside_quotes;
    if (inside_quotes) continue;
    if (c == ',') ++comma_count;
    if (is_blank_like(c) && i > ext.first && i < ext.last && !is_blank_like(string[i - 1]))
      ++blank_count;
  }
  return std::max(blank_count, comma_count);
}

void STR2VEC(std::string_view string, int32_t n, const TextArray& cvec, int32_t& nout, char dlim,
             const std::string_view* seps) {
  int32_t stored = 0;
  nout =
      scan_items(string, separator_set(seps), dlim, n, [&](int32_t number, std::string_view chars) {
        // Stripped before it is cut to the field, so quotes and leading blanks
        // do not take the place of the item's characters.
        std::string item(chars);
        strip_and_left_adjust(item, dlim);
        assign_text(cvec[number], item);
        stored = number;
        return false;
      });
  if (nout > stored) assign_text(cvec[nout], "");
}

void SPLITSEP(std::string_view line, std::string_view sep, int32_t n, const TextArray& lines) {
  for (int32_t k = 1; k <= n; ++k) assign_text(lines[k], "");
  const Extent ext = extent_of(line);
  if (n < 1 || ext.blank) return;
  const bool has_separator = !sep.empty();
  int32_t k = 0;
  std::size_t start = 0;
  bool inside_quotes = false;
  for (std::size_t i = ext.first; i <= ext.last && k < n - 1; ++i) {
    const char c = line[i];
    if (is_quote(c)) {
      inside_quotes = !inside_quotes;
    } else if (has_separator && c == sep.front() && !inside_quotes) {
      ++k;
      assign_text(lines[k], line.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start <= ext.last) assign_text(lines[k + 1], line.substr(start, ext.last + 1 - start));
}

int32_t ITEMNR(std::string_view string, std::string_view substr, const std::string_view* seps) {
  const Extent ext = extent_of(string);
  const Extent wanted = extent_of(substr);
  if (ext.blank || wanted.blank) return 0;
  const std::string_view search = substr.substr(wanted.first, wanted.last + 1 - wanted.first);
  const std::string_view separators = separator_set(seps);
  int32_t number = 0;
  std::size_t start = ext.first;
  bool inside_quotes = false;
  bool inside_item = false;
  for (std::size_t i = ext.first; i <= ext.last + 1; ++i) {
    const bool at_end = i > ext.last;
    const char c = at_end ? ' ' : string[i];
    if (!at_end && (is_quote(c) || inside_quotes || separators.find(c) == std::string_view::npos)) {
      if (is_quote(c)) inside_quotes = !inside_quotes;
      inside_item = true;
      continue;
    }
    if (inside_item) {
      ++number;
      if (without_trailing_blanks(string.substr(start, i - start)) ==
          without_trailing_blanks(search))
        return number;
    }
    inside_item = false;
    start = i + 1;
  }
  return 0;
}

int32_t ITEMNRQ(std::string_view string, std::string_view name, char dlim,
                const std::string_view* seps) {
  int32_t found = 0;
  scan_items(string, separator_set(seps), dlim, std::numeric_limits<int32_t>::max(),
             [&](int32_t number, std::string_view chars) {
               std::string item(chars);
               strip_and_left_adjust(item, dlim);
               if (without_trailing_blanks(item) != without_trailing_blanks(name)) return false;
               found = number;
               return true;
             });
  return found;
}

bool ONECHAR(std::string_view line, char cc1) {
  const Extent ext = extent_of(line);
  return !ext.blank && ext.first == ext.last && line[ext.first] == cc1;
}

std::string I_2_C(int32_t ival, int32_t n, const int32_t* m) {
  if (n < 1) return {};
  return write_integer(ival, n, m != nullptr ? *m : -1);
}

}  // namespace standsim
