// Numbers as text, independent of the locale: "." is always the decimal
// separator. Writing follows the printf conversions the files use ("%d" and
// "%lf") or, for what the workbench shows, the shortest general form; reading takes a whole item
// (surrounding blanks allowed) and refuses anything else with a ConversionError that names the
// text.
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

// The text of "%d".
std::string FormatInt(long long value);

// The text of "%lf": fixed point, six decimals, no exponent.
std::string FormatFixed6(double value);

// Real numbers as the workbench shows them: the shortest text with up to 15
// significant digits, fixed point for decimal exponents -4 to 14 and
// scientific notation otherwise ("1E-5", "2.5E20"); "NAN", "INF", "-INF".
std::string FloatToText(double value);

// The integer written in TEXT ("+" or "-" allowed before the digits).
int ParseInt(std::string_view text);

// The finite real number written in TEXT, in decimal or exponent notation;
// "nan", "inf" and values beyond the doubles raise ConversionError.
double ParseDouble(std::string_view text);

}  // namespace tarvex
