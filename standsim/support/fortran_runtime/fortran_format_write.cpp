#include "standsim/support/fortran_runtime/fortran_format_write.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace standsim {
namespace {

constexpr int32_t MAX_WIDTH = 9999;

std::string asterisks(int32_t width) {
  return std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
}

// TEXT right-justified in WIDTH characters, or asterisks when it is longer.
std::string right_justified(std::string_view text, int32_t width) {
  const auto w = static_cast<std::size_t>(std::max(width, 0));
  if (text.size() > w) return asterisks(width);
  return std::string(w - text.size(), ' ').append(text);
}

// NaN, Inf or Infinity with the sign of VALUE, the longest form that fits.
std::string non_finite(double value, int32_t width) {
  if (std::isnan(value)) return right_justified("NaN", width);
  const std::string sign = std::signbit(value) ? "-" : "";
  const std::string longer = sign + "Infinity";
  if (longer.size() <= static_cast<std::size_t>(width)) return right_justified(longer, width);
  return right_justified(sign + "Inf", width);
}

// Digits of MAGNITUDE (not negative, finite) with DECIMALS digits after
// the point, correctly rounded; no point when DECIMALS is 0.
std::string fixed_digits(double magnitude, int32_t decimals) {
  std::string buffer(330 + static_cast<std::size_t>(decimals), '\0');
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, decimals);
  buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
  return buffer;
}

// SIGN, then the digits of a number whose integer part may be the optional
// zero, which is left out when the field is too narrow for it.
std::string with_optional_zero(const std::string& sign, const std::string& digits, int32_t width) {
  const std::string full = sign + digits;
  if (full.size() <= static_cast<std::size_t>(width)) return right_justified(full, width);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
    return right_justified(sign + digits.substr(1), width);
  }
  return asterisks(width);
}

std::optional<int32_t> parse_number(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  int32_t number = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    number = number * 10 + (text[pos] - '0');
    if (number > MAX_WIDTH) return std::nullopt;
    ++pos;
  }
  if (pos == start) return std::nullopt;
  return number;
}

}  // namespace

std::optional<EditDescriptor> parse_format(std::string_view format) {
  std::string text;
  for (char c : format) {
    if (c != ' ') text += c;
  }
  std::size_t pos = 0;
  if (text.size() < 2 || text[pos++] != '(') return std::nullopt;
  EditDescriptor descriptor;
  switch (text[pos++]) {
    case 'i':
    case 'I':
      descriptor.kind = 'i';
      break;
    case 'f':
    case 'F':
      descriptor.kind = 'f';
      break;
    case 'g':
    case 'G':
      descriptor.kind = 'g';
      break;
    default:
      return std::nullopt;
  }
  const std::optional<int32_t> width = parse_number(text, pos);
  if (!width || *width < 1) return std::nullopt;
  descriptor.width = *width;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    const std::optional<int32_t> digits = parse_number(text, pos);
    if (!digits) return std::nullopt;
    descriptor.digits = *digits;
  }
  if (pos >= text.size() || text[pos] != ')') return std::nullopt;
  switch (descriptor.kind) {
    case 'i':
      if (descriptor.digits > descriptor.width) return std::nullopt;
      break;
    case 'f':
      if (descriptor.digits < 0) return std::nullopt;
      break;
    default:
      if (descriptor.digits < 1) return std::nullopt;
      break;
  }
  return descriptor;
}

std::string write_integer(int32_t value, int32_t width, int32_t min_digits) {
  if (width < 1) return {};
  if (min_digits > width) return asterisks(width);
  const int64_t magnitude = std::llabs(static_cast<int64_t>(value));
  if (value == 0 && min_digits == 0) return std::string(static_cast<std::size_t>(width), ' ');
  std::string digits = std::to_string(magnitude);
  if (min_digits > 0 && digits.size() < static_cast<std::size_t>(min_digits)) {
    digits.insert(0, static_cast<std::size_t>(min_digits) - digits.size(), '0');
  }
  return right_justified(value < 0 ? "-" + digits : digits, width);
}

std::string write_fixed(double value, int32_t width, int32_t decimals) {
  if (!std::isfinite(value)) return non_finite(value, width);
  if (decimals < 0 || decimals + 1 > width)
    return asterisks(width);  // no room for the point and decimals
  const std::string sign = std::signbit(value) ? "-" : "";
  const std::string digits = fixed_digits(std::fabs(value), decimals);
  if (decimals == 0) return right_justified(sign + digits + ".", width);
  return with_optional_zero(sign, digits, width);
}

namespace {

// 10**N in REAL arithmetic, by repeated multiplication; a negative N gives
// the reciprocal of the positive power.
template <typename Real>
Real power_of_ten(int32_t n) {
  Real r = 1;
  for (int32_t i = 0; i < std::abs(n); ++i) r *= 10;
  return n < 0 ? Real(1) / r : r;
}

// G editing of VALUE. Which form is written, and in the F form how many
// decimals, follows from comparing |VALUE| with bounds computed in the
// value's own precision, as the run-time does: a value equal to a bound
// belongs to the range above it.
template <typename Real>
std::string general(Real value, int32_t width, int32_t digits) {
  if (!std::isfinite(value)) return non_finite(value, width);
  if (digits < 1 || digits + 4 > width) return asterisks(width);  // no form fits
  const std::string trailing(4, ' ');
  // The F form: W - 4 characters and four blanks, all asterisks when the
  // value does not fit the narrower field.
  const auto f_form = [&](int32_t decimals) {
    const std::string field = write_fixed(value, width - 4, decimals);
    if (field.find('*') != std::string::npos) return asterisks(width);
    return field + trailing;
  };
  if (value == 0) return f_form(digits - 1);

  // The F form takes the values from 0.1 - 0.1 * 0.5 * 10**-D up to below
  // 10**D * (1 - 0.5 * 10**-D); the digits before the point, k, grow at
  // each bound 10**k * (1 - 0.5 * 10**-D).
  const Real m = std::fabs(value);
  const Real r = 0.5;
  const Real tenth = static_cast<Real>(0.1);
  const Real rexp_d = power_of_ten<Real>(-digits);
  const Real lowest = tenth - tenth * r * rexp_d;
  const Real bound_factor = 1 - r * rexp_d;
  const Real highest = power_of_ten<Real>(digits) * bound_factor;
  if (m >= lowest && m < highest) {
    int32_t k = 0;
    for (Real power = 1; k < digits && m >= static_cast<Real>(power * bound_factor); power *= 10)
      ++k;
    return f_form(digits - k);
  }

  // The E form: DIGITS significant digits d.ddde+x give 0.dddd * 10**(x+1).
  std::string scientific(static_cast<std::size_t>(digits) + 16, '\0');
  const auto result =
      std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                    static_cast<double>(m), std::chars_format::scientific, digits - 1);
  scientific.resize(static_cast<std::size_t>(result.ptr - scientific.data()));
  const std::size_t e_pos = scientific.find('e');
  int32_t exponent = 0;
  const char* first = scientific.data() + e_pos + 1;
  if (*first == '+') ++first;
  std::from_chars(first, scientific.data() + scientific.size(), exponent);
  exponent += 1;
  std::string mantissa = "0." + scientific.substr(0, 1);
  if (digits > 1) mantissa += scientific.substr(2, e_pos - 2);
  const int32_t magnitude = std::abs(exponent);
  std::string exponent_text = exponent < 0 ? "-" : "+";
  if (magnitude <= 99) {
    exponent_text = "E" + exponent_text + write_integer(magnitude, 2, 2);
  } else if (magnitude <= 999) {
    exponent_text += write_integer(magnitude, 3, 3);
  } else {
    return asterisks(width);
  }
  return with_optional_zero(std::signbit(value) ? "-" : "", mantissa + exponent_text, width);
}

}  // namespace

std::string write_general(float value, int32_t width, int32_t digits) {
  return general(value, width, digits);
}
std::string write_general(double value, int32_t width, int32_t digits) {
  return general(value, width, digits);
}

std::optional<std::string> write_formatted(std::string_view format, int32_t value) {
  const std::optional<EditDescriptor> descriptor = parse_format(format);
  if (!descriptor || descriptor->kind != 'i') return std::nullopt;
  return write_integer(value, descriptor->width, descriptor->digits);
}

namespace {

template <typename Real>
std::optional<std::string> write_real(std::string_view format, Real value) {
  const std::optional<EditDescriptor> descriptor = parse_format(format);
  if (!descriptor || descriptor->kind == 'i') return std::nullopt;
  if (descriptor->kind == 'f') return write_fixed(value, descriptor->width, descriptor->digits);
  return write_general(value, descriptor->width, descriptor->digits);
}

}  // namespace

std::optional<std::string> write_formatted(std::string_view format, float value) {
  return write_real(format, value);
}
std::optional<std::string> write_formatted(std::string_view format, double value) {
  return write_real(format, value);
}

}  // namespace standsim
