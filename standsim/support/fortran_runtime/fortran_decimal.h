// Conversion of a decimal number given as its digits and a power of ten to a
// 4- or 8-byte real, correctly rounded to the target's own precision (a
// 4-byte real is not rounded through an 8-byte one first).
#pragma once

#include <string_view>

namespace standsim {

// The integer written by DIGITS times 10^EXPONENT, negated when NEGATIVE.
// DIGITS holds only '0'..'9' and may be empty (the value is then a signed
// zero). A magnitude beyond the target's range
// gives a signed infinity, one below its smallest subnormal a signed zero.
float decimal_to_float(bool negative, std::string_view digits, long long exponent);
double decimal_to_double(bool negative, std::string_view digits, long long exponent);

}  // namespace standsim
