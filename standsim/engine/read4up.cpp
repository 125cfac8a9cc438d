// READ4UP: the period and the N deposition of a QSM input file.
//
// The key file is read into a keyed list; "period" gives the first and last
// year, and the deposition of each year is the sum of the series under
// "NOx_dep" and "NH3_dep" (an absent series counts as zero). The deposition
// is returned only when every series was read; a message is returned
// otherwise, and IYR1, IYR2 hold the period as read (IB and IE when none
// was read).
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "standsim/engine/growth_messages.h"
#include "standsim/engine/standsim_api.h"
#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/keyed_lists/basekit_fil2list.h"
#include "standsim/support/keyed_lists/keyed_list.h"
#include "standsim/support/keyed_lists/keyed_list_series.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"
#include "standsim/support/text/text_array.h"

namespace standsim {
namespace {

constexpr std::size_t FNAME_LENGTH = 128;
constexpr std::size_t MESSAGE_LENGTH = 128;

// Deposition by year 1..5000: DEPTAB(y) is DEPTAB[y - 1]; component 1 holds
// the oxidised, component 2 the reduced N deposition.
constexpr int32_t DEPTAB_YEARS = 5000;
std::array<DEPREC, DEPTAB_YEARS> DEPTAB{};

std::string trimmed(std::string_view text) {
  int32_t first = 0, last = 0;
  TRIMPOS(text, first, last);
  if (last == 0) return {};
  return std::string(
      text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

// The message for a key file line that did not fit into the list.
std::string overflow_message(const Fil2listOverflow& overflow, const KEYLIST& list) {
  const std::string where =
      "line " + integer_text(overflow.line) + " of " + trimmed({list.LISTFILE, LINE_LENGTH});
  switch (overflow.kind) {
    case Fil2listOverflow::LONG_KEY:
      return "xREADINP: key longer than 16 characters in " + where;
    case Fil2listOverflow::LONG_VALUE:
      return "xREADINP: value longer than 256 characters in " + where;
    case Fil2listOverflow::FULL_LIST:
      return "xREADINP: more than 256 keys, from " + where;
    case Fil2listOverflow::NONE:
      break;
  }
  return {};
}

// The folder of LISTFILE: up to and including its last "/" or "\", blank
// when it has neither.
void set_listdir(KEYLIST& list) {
  const std::string_view file(list.LISTFILE, LINE_LENGTH);
  const std::size_t last = file.find_last_of("/\\");
  assign_text(list.LISTDIR,
              last == std::string_view::npos ? std::string_view{} : file.substr(0, last + 1));
}

// Reads the first two integers of the period's value text.
bool read_period(std::string_view text, int32_t& iyr1, int32_t& iyr2) {
  FreeFormatReader reader(text);
  int32_t first = 0, last = 0;
  if (reader.read(first) != FreeReadStatus::value || reader.read(last) != FreeReadStatus::value)
    return false;
  iyr1 = first;
  iyr2 = last;
  return true;
}

// True when the series of KEYWORD is the reference "=", which names no
// values of this file.
bool is_equals_reference(const KEYLIST& list, std::string_view keyword) {
  int32_t ind = 0;
  if (!FINDKEY(list, keyword, ind)) return false;
  std::array<char, 2 * LINE_LENGTH> pieces;
  const TextArray file_and_column(pieces, LINE_LENGTH, "READ4UP reference");
  SPLITSEP(std::string_view(list.LINE[ind - 1], LINE_LENGTH), ";", 2, file_and_column);
  return ONECHAR(file_and_column.text(1), '=');
}

constexpr std::array<std::string_view, 2> SERIES_KEYS = {"NOx_dep", "NH3_dep"};

// The message for the first year of IYR1..IYR2 whose deposition in DEPTAB,
// after gap filling, is negative or not finite; blank when there is none.
std::string unusable_deposition(const KEYLIST& list, int32_t iyr1, int32_t iyr2) {
  const std::string file = trimmed({list.LISTFILE, LINE_LENGTH});
  for (int32_t y = iyr1; y <= iyr2; ++y) {
    const DEPREC& year = DEPTAB[y - 1];
    for (std::size_t component = 0; component < SERIES_KEYS.size(); ++component) {
      if (!(year.c[component] >= 0.0f) || !std::isfinite(year.c[component])) {
        return "xREADINP: " + std::string(SERIES_KEYS[component]) + " of year " + integer_text(y) +
               " is negative or not finite in  " + file;
      }
    }
    if (!std::isfinite(year.c[0] + year.c[1])) {
      return "xREADINP: NOx_dep + NH3_dep of year " + integer_text(y) + " is not finite in  " +
             file;
    }
  }
  return {};
}

// Reads the period and the deposition; returns the message, blank on success.
std::string read_deposition(std::string_view fname, int32_t ib, int32_t ie, int32_t& iyr1,
                            int32_t& iyr2, float* ndep) {
  auto list = std::make_unique<KEYLIST>();  // all zero bytes
  assign_text(list->LISTFILE, fname);
  assign_text(list->LISTNAME, "QSM");
  const Fil2listOverflow overflow = FIL2LIST(*list);
  set_listdir(*list);

  iyr1 = ib;
  iyr2 = ie;
  if (overflow.kind != Fil2listOverflow::NONE) return overflow_message(overflow, *list);
  int32_t ind = 0;
  if (!FINDKEY(*list, "period", ind)) return "No period defined in qsm+ input file!";
  if (!read_period(std::string_view(list->LINE[ind - 1], LINE_LENGTH), iyr1, iyr2)) {
    return "xREADINP: value of key period does not begin with two integer years!";
  }
  if (iyr1 < ib) return "xREADINP: first year (time step) < IB!";
  if (iyr2 > ie) return "xREADINP: last year (time step) > IE!";
  if (iyr2 < iyr1) return "xREADINP: last year (time step) < first year!";
  if (iyr1 < 1) return "xREADINP: first year (time step) < 1!";
  if (iyr2 > DEPTAB_YEARS) return "xREADINP: last year (time step) > 5000!";
  for (std::string_view key : SERIES_KEYS) {
    if (is_equals_reference(*list, key))
      return "xREADINP: series " + std::string(key) + " may not be \"=\"!";
  }
  list->GOT[ind - 1] = -1;  // taken, as a word with all bits set

  KEYMSG.fill(' ');
  const float no_deposition = 0.0f;
  std::vector<float> series(DEPTAB_YEARS);  // one component of DEPTAB, years 1..5000
  for (std::size_t component = 0; component < SERIES_KEYS.size(); ++component) {
    for (int32_t y = 1; y <= DEPTAB_YEARS; ++y) series[y - 1] = DEPTAB[y - 1].c[component];
    GETKEYTS(*list, SERIES_KEYS[component], 1, iyr1, iyr2, 1, series, &no_deposition);
    for (int32_t y = 1; y <= DEPTAB_YEARS; ++y) DEPTAB[y - 1].c[component] = series[y - 1];
  }
  const std::string message(KEYMSG.data(), KEYMSG.size());
  if (message[0] != ' ' && message[0] != '\0') return message;
  if (std::string refusal = unusable_deposition(*list, iyr1, iyr2); !refusal.empty())
    return refusal;
  for (int32_t y = iyr1; y <= iyr2; ++y) ndep[y - ib] = DEPTAB[y - 1].c[0] + DEPTAB[y - 1].c[1];
  return message;
}

}  // namespace
}  // namespace standsim

extern "C" void READ4UP(const unsigned char* FNAME, const int32_t* IB, const int32_t* IE,
                        int32_t* IYR1, int32_t* IYR2, float* NDEP, unsigned char* ERRMSG) {
  using namespace standsim;
  const std::string fname = BYTE2STR(std::span<const unsigned char>(FNAME, FNAME_LENGTH));
  const std::string rmsg =
      padded(read_deposition(fname, *IB, *IE, *IYR1, *IYR2, NDEP), MESSAGE_LENGTH);
  STR2BYTE(rmsg, static_cast<int32_t>(MESSAGE_LENGTH), ERRMSG);
}
