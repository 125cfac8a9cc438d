#include "standsim/support/keyed_lists/basekit_fil2list.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {

bool split_key_line(std::string_view line, KeyLine& out) {
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

Fil2listOverflow FIL2LIST(KEYLIST& par) {
  Fil2listOverflow overflow;
  auto note = [&overflow](Fil2listOverflow::Kind kind, int32_t line) {
    if (overflow.kind == Fil2listOverflow::NONE) overflow = {kind, line};
  };

  par.NKEY = 0;
  OpenedUnit file(std::string_view(par.LISTFILE, LINE_LENGTH), UnitAccess::read);
  if (!file.is_open()) return overflow;
  std::string line;
  for (int32_t number = 1; unit_read_line(file.number(), line) == UnitStatus::ok; ++number) {
    KeyLine entry;
    if (!split_key_line(line, entry)) continue;
    if (par.NKEY == KEYLIST_MAXKEY) {
      note(Fil2listOverflow::FULL_LIST, number);
      break;
    }
    if (entry.key.size() > KEY_LENGTH) note(Fil2listOverflow::LONG_KEY, number);
    if (entry.value.size() > LINE_LENGTH) note(Fil2listOverflow::LONG_VALUE, number);
    const int32_t i = ++par.NKEY;
    assign_text(par.KEY[i - 1], entry.key);
    assign_text(par.LINE[i - 1], entry.value);
    par.GOT[i - 1] = 0;
    par.DEF[i - 1] = 0;
  }
  return overflow;
}

}  // namespace standsim
