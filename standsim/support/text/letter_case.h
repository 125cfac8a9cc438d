// Upper and lower case of the ASCII letters a to z in the significant
// stretch of a text (first to last character that is not a blank, TAB or
// zero byte). Every other character, whatever the locale, stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace standsim {

std::string LOW2UPP(std::string_view string);
std::string UPP2LOW(std::string_view string);

}  // namespace standsim
