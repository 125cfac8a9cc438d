// For tests: the lines a Fortran reference program prints, each a row of
// fields ended by "|" ("1995|5|-1| 1995|"), so that a field may hold blanks
// and commas. The tests of standsim's number writing and reading use it.
#pragma once

#include <charconv>
#include <string_view>
#include <system_error>
#include <vector>

// The fields of LINE, each ended by a "|"; what follows the last "|" is not
// a field.
inline std::vector<std::string_view> bar_fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|')) {
    fields.push_back(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  return fields;
}

// The integer FIELD spells in BASE; false when it spells none, or more.
template <typename Integer>
bool field_value(std::string_view field, Integer& value, int base = 10) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  return error == std::errc() && end == field.data() + field.size();
}
