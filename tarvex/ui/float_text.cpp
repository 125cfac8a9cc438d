#include "tarvex/ui/float_text.h"

#include <charconv>
#include <cmath>

namespace tarvex {

std::string FloatToText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  // to_chars writes the exponent as "e+15" or "e-05"; shown is "E15" or "E-5".
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  const bool negative = exponent.front() == '-';
  exponent.erase(0, exponent.find_first_not_of("+-0"));
  return text.substr(0, e) + (negative ? "E-" : "E") + exponent;
}

}  // namespace tarvex
