#include "standsim/support/text/fixed_text.h"

#include <algorithm>

namespace standsim {

std::string TIDY(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    if (c == '\0' || c == '\t') c = ' ';
  }
  return copy;
}

std::string BYTE2STR(std::span<const unsigned char> bytevec) {
  std::string text(bytevec.size(), ' ');
  for (std::size_t i = 0; i < bytevec.size(); ++i) {
    if (bytevec[i] == 0) break;
    text[i] = static_cast<char>(bytevec[i]);
  }
  return text;
}

void STR2BYTE(std::string_view text, int32_t n, unsigned char* bytevec) {
  if (n < 1) return;  // no room for the terminating zero byte
  const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n) - 1, text.size());
  for (std::size_t i = 0; i < k; ++i) bytevec[i] = static_cast<unsigned char>(text[i]);
  bytevec[k] = 0;
}

void TRIMPOS(std::string_view text, int32_t& ifirst, int32_t& ilast) {
  const std::string clean = TIDY(text);
  const std::size_t last = clean.find_last_not_of(' ');
  ilast = last == std::string::npos ? 0 : static_cast<int32_t>(last + 1);
  ifirst = ilast > 0 ? static_cast<int32_t>(clean.find_first_not_of(' ') + 1) : 0;
}

void assign_text(std::span<char> target, std::string_view value) {
  const std::size_t n = std::min(target.size(), value.size());
  std::copy_n(value.begin(), n, target.begin());
  std::fill(target.begin() + static_cast<std::ptrdiff_t>(n), target.end(), ' ');
}

std::string padded(std::string_view value, std::size_t length) {
  std::string text(length, ' ');
  assign_text(text, value);
  return text;
}

std::string_view without_trailing_blanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace standsim
