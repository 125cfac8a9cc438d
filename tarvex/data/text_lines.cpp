#include "tarvex/data/text_lines.h"

namespace tarvex {

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::istream& ReadTextLine(std::istream& in, std::string& line) {
  if (std::getline(in, line)) line.erase(WithoutCarriageReturn(line).size());
  return in;
}

}  // namespace tarvex
