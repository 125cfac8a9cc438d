#include "standsim/support/basekit_fil2list.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>

#include "standsim/support/fixed_text.h"

namespace standsim {

namespace {

// The file name of a blank-padded path text, with "\" opened as "/".
std::string OPEN_NAME(std::string_view path) {
  int32_t first = 0, last = 0;
  TRIMPOS(path, first, last);
  if (last == 0) return {};
  std::string name(path.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

struct KeyLine {
  std::string_view key, value;
};

// Splits LINE into key and value; false for a comment or blank line.
bool SPLIT_KEY_LINE(std::string_view line, KeyLine& out) {
  const std::string clean = TIDY(line);
  const std::size_t key_begin = clean.find_first_not_of(' ');
  if (key_begin == std::string::npos || clean[key_begin] == '!') return false;
  const std::size_t key_end = std::min(clean.find(' ', key_begin), clean.size());
  out.key = line.substr(key_begin, key_end - key_begin);
  const std::size_t value_begin = clean.find_first_not_of(' ', key_end);
  if (value_begin == std::string::npos) {
    out.value = {};
  } else {
    const std::size_t value_end = clean.find_last_not_of(' ') + 1;
    out.value = line.substr(value_begin, value_end - value_begin);
  }
  return true;
}

}  // namespace

FIL2LIST_OVERFLOW FIL2LIST(KEYLIST& par) {
  FIL2LIST_OVERFLOW overflow;
  auto note = [&overflow](FIL2LIST_OVERFLOW::Kind kind, int32_t line) {
    if (overflow.kind == FIL2LIST_OVERFLOW::NONE) overflow = {kind, line};
  };

  par.NKEY = 0;
  std::ifstream file(OPEN_NAME(std::string_view(par.LISTFILE, LINE_LENGTH)), std::ios::binary);
  std::string line;
  for (int32_t number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    KeyLine entry;
    if (!SPLIT_KEY_LINE(line, entry)) continue;
    if (par.NKEY == KEYLIST_MAXKEY) {
      note(FIL2LIST_OVERFLOW::FULL_LIST, number);
      break;
    }
    if (entry.key.size() > KEY_LENGTH) note(FIL2LIST_OVERFLOW::LONG_KEY, number);
    if (entry.value.size() > LINE_LENGTH) note(FIL2LIST_OVERFLOW::LONG_VALUE, number);
    const int32_t i = ++par.NKEY;
    ASSIGN_TEXT(par.KEY[i - 1], entry.key);
    ASSIGN_TEXT(par.LINE[i - 1], entry.value);
    par.GOT[i - 1] = 0;
    par.DEF[i - 1] = 0;
  }
  return overflow;
}

}  // namespace standsim
