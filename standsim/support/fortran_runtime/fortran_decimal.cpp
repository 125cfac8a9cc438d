#include "standsim/support/fortran_runtime/fortran_decimal.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace standsim {
namespace {

// Far beyond the decimal range of any real, but small enough that adding the
// digit count cannot overflow.
constexpr long long kExponentLimit = 1'000'000'000LL;

template <typename Real>
Real decimal_to_real(bool negative, std::string_view digits, long long exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return negative ? -Real(0) : Real(0);
  const std::string_view significant = digits.substr(first);
  if (exponent > kExponentLimit) exponent = kExponentLimit;
  if (exponent < -kExponentLimit) exponent = -kExponentLimit;

  std::string text(significant);
  text += 'e';
  char buffer[24];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, exponent);
  text.append(buffer, written.ptr);

  Real value{};
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Decimal power of the leading digit decides between overflow and underflow.
    const long long leading = exponent + static_cast<long long>(significant.size()) - 1;
    value = leading > 0 ? std::numeric_limits<Real>::infinity() : Real(0);
  }
  return negative ? -value : value;
}

}  // namespace

float decimal_to_float(bool negative, std::string_view digits, long long exponent) {
  return decimal_to_real<float>(negative, digits, exponent);
}

double decimal_to_double(bool negative, std::string_view digits, long long exponent) {
  return decimal_to_real<double>(negative, digits, exponent);
}

}  // namespace standsim
