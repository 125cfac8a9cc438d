#include "tarvex/data/text_helpers.h"

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

}  // namespace tarvex
