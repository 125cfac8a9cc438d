#include "tarvex/data/text_helpers.h"

#include <algorithm>

namespace tarvex {

std::string_view WithoutSurroundingBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string> SplitString(std::string_view text, std::string_view delimiters) {
  const auto separates = [delimiters](char c) {
    return c == '\n' || c == '\0' || delimiters.find(c) != std::string_view::npos;
  };
  std::vector<std::string> items;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && separates(text[i])) ++i;
    const std::size_t begin = i;
    while (i < text.size() && !separates(text[i])) ++i;
    if (i > begin) items.emplace_back(text.substr(begin, i - begin));
  }
  return items;
}

std::string SubString(std::string_view text, int start, int length) {
  if (start < 1) start = 1;
  const auto first = static_cast<std::size_t>(start - 1);
  if (length <= 0 || first >= text.size()) return {};
  return std::string(text.substr(first, static_cast<std::size_t>(length)));
}

void ShellSort(std::span<int> values) {
  const std::size_t n = values.size();
  for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < n; ++i) {
      const int v = values[i];
      std::size_t j = i;
      while (j >= gap && values[j - gap] > v) {
        values[j] = values[j - gap];
        j -= gap;
      }
      values[j] = v;
    }
  }
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

void MakeFullPath(std::string& path, std::string_view folder) {
  if (path.size() < 2 || IsPathSeparator(path[0]) || path[1] == ':') return;
  std::string full(folder);
  if (!full.empty() && !IsPathSeparator(full.back())) full += '/';
  path = full + path;
}

std::string NativePath(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace tarvex
