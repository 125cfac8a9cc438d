#include "standsim/support/keyed_lists/keyed_list.h"

#include <algorithm>
#include <string>

#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {

std::array<char, 128> KEYMSG{};

int32_t KEYS_IN_USE(const KEYLIST& par) {
  if (par.NKEY > KEYLIST_MAXKEY) STOP_PROCESS("KEYLIST: NKEY above 256!");
  return std::max(par.NKEY, int32_t{0});
}

namespace {

// The keyword's characters from its first to its last character that is not
// blank after TIDY, as passed; empty when the keyword is blank.
std::string_view SEARCH_TEXT(std::string_view keyword) {
  int32_t first = 0, last = 0;
  TRIMPOS(keyword, first, last);
  if (last == 0) return {};
  return keyword.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// The key field starts with SEARCH and the rest of it is blank, counting
// TABs and zero bytes as blank when CLEAN_REST is set.
bool KEY_MATCHES(const char (&key)[KEY_LENGTH], std::string_view search, bool clean_rest) {
  const std::string_view field(key, KEY_LENGTH);
  if (field.substr(0, search.size()) != search) return false;
  const std::string_view rest = field.substr(search.size());
  const std::string rest_text = clean_rest ? TIDY(rest) : std::string(rest);
  return rest_text.find_first_not_of(' ') == std::string::npos;
}

bool USABLE(std::string_view search) { return !search.empty() && search.size() <= KEY_LENGTH; }

}  // namespace

bool FINDKEY(const KEYLIST& par, std::string_view keyword, int32_t& ind) {
  ind = 0;
  const std::string_view search = SEARCH_TEXT(keyword);
  if (!USABLE(search)) return false;
  const int32_t nkey = KEYS_IN_USE(par);
  for (int32_t i = 1; i <= nkey; ++i) {
    if (KEY_MATCHES(par.KEY[i - 1], search, true)) {
      ind = i;
      return true;
    }
  }
  return false;
}

bool FINDKEYS(const KEYLIST& par, std::string_view keyword, int32_t& n, std::span<int32_t> indv) {
  n = 0;
  const std::string_view search = SEARCH_TEXT(keyword);
  if (!USABLE(search)) return false;
  const int32_t nkey = KEYS_IN_USE(par);
  for (int32_t i = 1; i <= nkey; ++i) {
    if (!KEY_MATCHES(par.KEY[i - 1], search, false)) continue;
    if (static_cast<std::size_t>(n) >= indv.size()) STOP_PROCESS("FINDKEYS: INDV too small!");
    indv[static_cast<std::size_t>(n)] = i;
    ++n;
  }
  return n >= 1;
}

void APPEND_DEFAULT_KEY(KEYLIST& par, std::string_view keyword) {
  // A full list has no room: the entry would overwrite the fields after KEY.
  // A negative count, like 0, leaves no entry in use.
  const int32_t i = KEYS_IN_USE(par) + 1;
  if (i > KEYLIST_MAXKEY) return;
  par.NKEY = i;
  ASSIGN_TEXT(par.KEY[i - 1], keyword);
  par.DEF[i - 1] = FLAG_TRUE;
  par.GOT[i - 1] = FLAG_TRUE;
}

int32_t KEYDEF(std::string_view keyword, const KEYLIST& par) {
  int32_t ind = 0;
  return FINDKEY(par, keyword, ind) ? par.DEF[ind - 1] : 0;
}

int32_t KEYGOT(std::string_view keyword, const KEYLIST& par) {
  int32_t ind = 0;
  return FINDKEY(par, keyword, ind) ? par.GOT[ind - 1] : 0;
}

}  // namespace standsim
