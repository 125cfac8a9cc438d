// Real numbers as the workbench shows them: the shortest text with up to 15
// significant digits, fixed point for decimal exponents -4 to 14 and
// scientific notation otherwise ("1E-5", "2.5E20"), "." as the decimal
// separator whatever the locale.
#pragma once

#include <string>

namespace tarvex {

std::string FloatToText(double value);

}  // namespace tarvex
