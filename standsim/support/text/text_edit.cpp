#include "standsim/support/text/text_edit.h"

#include <algorithm>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\0'; }
bool is_quote(char c) { return c == '\'' || c == '"'; }

}  // namespace

std::string DELIMIT(std::string_view sep, std::string_view line, int32_t* nsep) {
  std::string result(line.size(), ' ');
  if (nsep) *nsep = 0;
  int32_t first = 0, last = 0;
  TRIMPOS(line, first, last);
  if (last == 0) return result;
  const char separator = sep.empty() ? ' ' : sep.front();
  std::size_t j = 0;
  bool quoted = false, previous = false;
  for (int32_t i = first; i <= last; ++i) {
    const char c = line[static_cast<std::size_t>(i - 1)];
    if (is_quote(c)) quoted = !quoted;
    if (c != ' ' || quoted) {
      result[j++] = c;
      previous = true;
    } else if (previous) {
      result[j++] = separator;
      if (nsep) ++*nsep;
      previous = false;
    }
  }
  return result;
}

void WORDGAP(int32_t ngap, std::string_view string, int32_t& ibeg, int32_t& iend) {
  ibeg = 0;
  iend = 0;
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  if (ngap < 1 || int64_t{last} - first < 2 * int64_t{ngap}) return;
  bool in_gap = false;
  int32_t gaps = 0;
  for (int32_t i = first + 1; i <= last; ++i) {
    if (is_separator(string[static_cast<std::size_t>(i - 1)])) {
      if (!in_gap && ++gaps == ngap) ibeg = i;
      in_gap = true;
    } else {
      if (in_gap && gaps == ngap) {
        iend = i - 1;
        return;
      }
      in_gap = false;
    }
  }
}

void REPLSUB(std::string_view cold, std::string_view cnew, std::span<char> string) {
  const auto length = static_cast<int64_t>(string.size());
  const auto old_length = static_cast<int64_t>(cold.size());
  const auto new_length = static_cast<int64_t>(cnew.size());
  int32_t first = 0, last = 0;
  TRIMPOS(std::string_view(string.data(), string.size()), first, last);
  if (last == 0 || cold.empty()) return;
  int64_t p = 1, l = last;
  while (p <= l) {
    const std::string_view searched(string.data() + (p - 1), static_cast<std::size_t>(l - p + 1));
    const std::size_t found = searched.find(cold);
    if (found == std::string_view::npos) return;
    const int64_t u = p + static_cast<int64_t>(found);
    // Move the tail behind the occurrence to its new place.
    const std::string tail(string.begin() + (u - 1 + old_length), string.end());
    if (u - 1 + new_length < length) {
      assign_text(string.subspan(static_cast<std::size_t>(u - 1 + new_length)), tail);
    }
    // Then the replacement, as far as it fits.
    const int64_t fits = std::min(new_length, length - (u - 1));
    std::copy_n(cnew.begin(), fits, string.begin() + (u - 1));
    p = u + new_length;
    l = std::min(l + new_length - old_length, length);
  }
}

void SUBARGS(const TextArray& carr, std::span<char> string) {
  for (int32_t k = 1; k <= 9; ++k) {
    const std::string placeholder{'$', static_cast<char>('0' + k)};
    std::string_view value = carr.text(k);
    value = value.substr(0, value.find_last_not_of(' ') + 1);
    REPLSUB(placeholder, value, string);
  }
}

std::string UNQUOTE(std::string_view string) {
  std::string result(string);
  int32_t first = 0, last = 0;
  TRIMPOS(string, first, last);
  if (last == 0) return result;
  const char opening = string[static_cast<std::size_t>(first - 1)];
  if (!is_quote(opening) || string[static_cast<std::size_t>(last - 1)] != opening) return result;
  const std::string_view inner = first < last
                                     ? string.substr(static_cast<std::size_t>(first),
                                                     static_cast<std::size_t>(last - first - 1))
                                     : std::string_view();
  assign_text(std::span<char>(result).subspan(static_cast<std::size_t>(first - 1)), inner);
  return result;
}

}  // namespace standsim
