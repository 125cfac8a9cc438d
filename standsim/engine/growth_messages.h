// Pieces of the engine's messages.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace standsim {

// The decimal text of V, independent of any locale.
inline std::string integer_text(int64_t v) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  return std::string(digits, end);
}

// The shortest decimal text that reads back as V ("nan", "inf" and "-inf"
// for the values that are not finite), independent of any locale.
inline std::string real_text(double v) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  return std::string(digits, end);
}

}  // namespace standsim
