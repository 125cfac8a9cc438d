// Formatted output of one number under one edit descriptor, written as a
// Fortran run-time writes it: the format texts "(iW)", "(iW.M)", "(fW.D)" and
// "(gW.D)", the letter in either case and blanks anywhere in the text
// ignored. Every field is exactly W characters, right-justified, and W
// asterisks when the value does not fit.
//
// I: the integer with a minus sign when negative and at least M digits
//    (leading zeros; without M one digit; M = 0 writes a zero as W blanks).
// F: the value rounded to D decimals (the exact binary value, ties to even),
//    a minus sign whenever the value is negative, -0 included; the zero
//    before the point is left out when the field has no room for it.
// G: D significant digits. A value of magnitude from about 0.1 to 10**D is
//    written in F form with the decimals that leave D digits (the exact
//    bounds are those the run-time computes, see write_general), followed by
//    four blanks; zero likewise with D - 1 decimals; any other value in E
//    form "0.ddddE+xx" (an exponent beyond 99 drops the "E": "0.dddd+xxx").
// A value that is not a number is "NaN", an infinity "Inf" or "Infinity"
// with its sign, as wide as the field allows. A width below 1 writes nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace standsim {

// One edit descriptor of a format text.
struct EditDescriptor {
  char kind = 'i';      // 'i', 'f' or 'g'
  int32_t width = 0;    // W, 1 to 9999
  int32_t digits = -1;  // M of i (-1 when absent), D of f and g
};

// The descriptor of FORMAT: "(", one descriptor, ")" and anything after it
// ignored. Nothing when FORMAT is not such a text: a letter other than i, f
// or g, a width of 0 or beyond 9999, f or g without ".D", g with D = 0, or
// M beyond W.
std::optional<EditDescriptor> parse_format(std::string_view format);

// The field that an I descriptor of WIDTH and MIN_DIGITS (-1 when absent)
// writes for VALUE; asterisks when MIN_DIGITS is above WIDTH.
std::string write_integer(int32_t value, int32_t width, int32_t min_digits = -1);

// The fields that F and G descriptors write for VALUE. F writes the exact
// value's digits whatever its precision; G chooses its form in the value's
// own precision, so a 4-byte real must be passed as a float.
std::string write_fixed(double value, int32_t width, int32_t decimals);
std::string write_general(float value, int32_t width, int32_t digits);
std::string write_general(double value, int32_t width, int32_t digits);

// VALUE written under FORMAT; nothing when FORMAT is not a format text or
// its descriptor does not edit the value's type (I edits integers, F and G
// reals).
std::optional<std::string> write_formatted(std::string_view format, int32_t value);
std::optional<std::string> write_formatted(std::string_view format, float value);
std::optional<std::string> write_formatted(std::string_view format, double value);

}  // namespace standsim
