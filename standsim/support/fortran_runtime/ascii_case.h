// Upper and lower case of the ASCII letters a to z, for the run-time's
// readers of formats, numbers and logical values and for the text routines.
// Every other character stays as it is, whatever the locale.
#pragma once

namespace standsim {

constexpr char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ascii_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace standsim
