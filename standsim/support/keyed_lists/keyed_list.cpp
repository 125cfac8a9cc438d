#include "standsim/support/keyed_lists/keyed_list.h"

#include <algorithm>
#include <string>

#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {

std::array<char, 128> KEYMSG{};

int32_t keys_in_use(const KEYLIST& par) {
  if (par.NKEY > KEYLIST_MAXKEY) stop_process("KEYLIST: NKEY above 256!");
  return std::max(par.NKEY, int32_t{0});
}

namespace {

// The keyword's characters from its first to its last character that is not
// blank after TIDY, as passed; empty when the keyword is blank.
std::string_view search_text(std::string_view keyword) {
  int32_t first = 0, last = 0;
  TRIMPOS(keyword, first, last);
  if (last == 0) return {};
  return keyword.substr(static_cast<std::size_t>(first - 1),
                        static_cast<std::size_t>(last - first + 1));
}

// The key field starts with SEARCH and the rest of it is blank, counting
// TABs and zero bytes as blank when CLEAN_REST is set.
bool key_matches(const char (&key)[KEY_LENGTH], std::string_view search, bool clean_rest) {
  const std::string_view field(key, KEY_LENGTH);
  if (field.substr(0, search.size()) != search) return false;
  const std::string_view rest = field.substr(search.size());
  const std::string rest_text = clean_rest ? TIDY(rest) : std::string(rest);
  return rest_text.find_first_not_of(' ') == std::string::npos;
}

bool usable(std::string_view search) { return !search.empty() && search.size() <= KEY_LENGTH; }

}  // namespace

bool FINDKEY(const KEYLIST& par, std::string_view keyword, int32_t& ind) {
  ind = 0;
  const std::string_view search = search_text(keyword);
  if (!usable(search)) return false;
  const int32_t nkey = keys_in_use(par);
  for (int32_t i = 1; i <= nkey; ++i) {
    if (key_matches(par.KEY[i - 1], search, true)) {
      ind = i;
      return true;
    }
  }
  return false;
}

bool FINDKEYS(const KEYLIST& par, std::string_view keyword, int32_t& n, std::span<int32_t> indv) {
  n = 0;
  const std::string_view search = search_text(keyword);
  if (!usable(search)) return false;
  const int32_t nkey = keys_in_use(par);
  for (int32_t i = 1; i <= nkey; ++i) {
    if (!key_matches(par.KEY[i - 1], search, false)) continue;
    if (static_cast<std::size_t>(n) >= indv.size()) stop_process("FINDKEYS: INDV too small!");
    indv[static_cast<std::size_t>(n)] = i;
    ++n;
  }
  return n >= 1;
}

void append_default_key(KEYLIST& par, std::string_view keyword) {
  // A full list has no room: the entry would overwrite the fields after KEY.
  // A negative count, like 0, leaves no entry in use.
  const int32_t i = keys_in_use(par) + 1;
  if (i > KEYLIST_MAXKEY) return;
  par.NKEY = i;
  assign_text(par.KEY[i - 1], keyword);
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
