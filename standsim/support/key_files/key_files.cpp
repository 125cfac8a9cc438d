#include "standsim/support/key_files/key_files.h"

#include <algorithm>
#include <array>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"
#include "standsim/support/text/string_lists.h"

namespace standsim {
namespace {

constexpr std::size_t KEY_LINE_LENGTH = 256;

// The key and value pieces of one line, 256 characters each.
struct KeyPieces {
  std::array<char, 2 * KEY_LINE_LENGTH> bytes;
  TextArray pieces{bytes, KEY_LINE_LENGTH, "key line pieces"};
  std::string_view key() const { return pieces.text(1); }
  std::string_view value() const { return pieces.text(2); }
};

// The text from its first character that is not a blank on.
std::string_view without_leading_blanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Reads the key lines of FILNAM in order and hands each taken one to TAKE,
// which returns false to end the reading with that key unknown. The key of
// the line that ends the reading goes into LIST(N+1), when LIST has room.
template <typename Take>
void read_key_lines(std::string_view filnam, std::string_view ch, int32_t n, const TextArray& list,
                    Take take) {
  n = std::max(n, 0);
  if (list.size() > n) assign_text(list[n + 1], "");
  OpenedUnit file(filnam, UnitAccess::read);
  if (!file.is_open()) return;
  std::string raw;
  KeyPieces line;
  while (unit_read_line(file.number(), raw) == UnitStatus::ok) {
    const std::string text = padded(raw, KEY_LINE_LENGTH);
    if ((!ch.empty() && text[0] == ch[0]) || text.find_first_not_of(' ') == std::string::npos)
      continue;
    SPLITSEP(TIDY(text), " ", 2, line.pieces);
    int32_t ind = 0;
    const bool allowed = n == 0 || INCVEC(n, list, line.key(), ind) != 0;
    if (!allowed || !take(line)) {
      if (list.size() > n) assign_text(list[n + 1], line.key());
      return;
    }
  }
}

}  // namespace

int32_t READKEYS(std::string_view filnam, std::string_view ch, int32_t n, const TextArray& list,
                 KEYLIST& par) {
  int32_t first = 0, last = 0;
  TRIMPOS(std::string_view(par.LISTFILE, LINE_LENGTH), first, last);
  if (last > 0) {
    assign_text(par.LISTFILE, std::string(par.LISTFILE, static_cast<std::size_t>(last)) + "+" +
                                  std::string(filnam));
  } else {
    assign_text(par.LISTFILE, filnam);
  }
  int32_t nkey = keys_in_use(par);
  read_key_lines(filnam, ch, n, list, [&](const KeyPieces& line) {
    if (nkey == KEYLIST_MAXKEY) return false;
    ++nkey;
    assign_text(par.KEY[nkey - 1], without_leading_blanks(line.key()));
    assign_text(par.LINE[nkey - 1], without_leading_blanks(line.value()));
    return true;
  });
  par.NKEY = nkey;
  return nkey;
}

void KEYS2PAIRS(int32_t iu, std::string_view filnam, std::string_view ch, int32_t n,
                const TextArray& list) {
  read_key_lines(filnam, ch, n, list, [&](const KeyPieces& line) {
    unit_write_line(iu, line.key());
    unit_write_line(iu, line.value());
    return true;
  });
}

}  // namespace standsim
