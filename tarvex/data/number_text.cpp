#include "tarvex/data/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"

namespace tarvex {
namespace {

// The digits of a number without a leading "+", which from_chars refuses.
std::string_view WithoutPlus(std::string_view item) {
  if (item.size() > 1 && item.front() == '+' && item[1] != '-' && item[1] != '+') {
    return item.substr(1);
  }
  return item;
}

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
  const std::string_view item = WithoutPlus(WithoutSurroundingBlanks(text));
  if (item.empty()) return false;
  const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
  return ec == std::errc() && end == item.data() + item.size();
}

}  // namespace

std::string FormatInt(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatFixed6(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[400];  // the largest double has 309 digits before the point
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

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

int ParseInt(std::string_view text) {
  int value = 0;
  if (!ParseWhole(text, value)) {
    throw ConversionError("\"" + std::string(text) + "\" is not a valid integer",
                          std::string(text));
  }
  return value;
}

double ParseDouble(std::string_view text) {
  double value = 0.0;
  // "nan" and "inf" are no numbers a user means: they would slip past every
  // range check of the inputs and the files.
  if (!ParseWhole(text, value) || !std::isfinite(value)) {
    throw ConversionError("\"" + std::string(text) + "\" is not a valid number", std::string(text));
  }
  return value;
}

}  // namespace tarvex
