#include "standsim/support/key_files/keyword_pairs.h"

#include <memory>
#include <string>
#include <vector>

#include "standsim/support/files/replacing_unit.h"
#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/letter_case.h"
#include "standsim/support/text/line_items.h"
#include "standsim/support/text/string_lists.h"
#include "standsim/support/text/text_array.h"

namespace standsim {
namespace {

constexpr std::size_t KEYWORD_LENGTH = 8;

bool matches(std::string_view keyword_line, std::string_view word) {
  return same_text(padded(keyword_line, KEYWORD_LENGTH), word);
}

// Reads the next line of unit 1; false at its end or on a failure.
bool next_line(std::string& line) { return unit_read_line(PAIR_FILE_UNIT, line) == UnitStatus::ok; }

}  // namespace

int32_t FINDPAIR(std::string_view word) {
  if (unit_rewind(PAIR_FILE_UNIT) != UnitStatus::ok) return 0;
  std::string line;
  while (next_line(line)) {
    if (matches(line, word)) return 1;
    if (!next_line(line)) return 0;
  }
  return 0;
}

void PAIR2KEY(int32_t iu, std::string_view word) {
  std::string value;
  if (FINDPAIR(word) == 0 || !next_line(value)) return;
  unit_write_line(iu, std::string(without_trailing_blanks(word)) + " " +
                          std::string(without_trailing_blanks(padded(value, 256))));
}

int32_t PAIRYN(int32_t idef, std::string_view word) {
  int32_t answer = idef > 0 ? 1 : 0;
  std::string value;
  if (idef < 0 || idef > 1 || FINDPAIR(word) == 0 || !next_line(value)) return answer;
  std::string item;
  if (FreeFormatReader(value).read(item) != FreeReadStatus::value || item.empty()) return answer;
  const char letter = UPP2LOW(item.substr(0, 1))[0];
  if (letter == "yn"[idef]) answer = 1 - answer;
  return answer;
}

int32_t PAIRSPLIT(std::string_view word, std::string_view filnam, int32_t n) {
  if (n < 1 || unit_rewind(PAIR_FILE_UNIT) != UnitStatus::ok) return 0;
  constexpr std::size_t piece_length = 128;
  std::vector<char> bytes(static_cast<std::size_t>(n) * piece_length);
  const TextArray pieces(bytes, piece_length, "PAIRSPLIT pieces");
  std::unique_ptr<ReplacingUnit> output;
  int32_t count = 0;
  std::string keyword, value;
  while (next_line(keyword)) {
    if (!next_line(value)) break;
    if (!matches(keyword, word)) continue;
    if (!output) output = std::make_unique<ReplacingUnit>(filnam);
    SPLITSEP(padded(value, piece_length), ";", n, pieces);
    for (int32_t i = 1; i <= n; ++i) output->write_line(without_trailing_blanks(pieces.text(i)));
    ++count;
  }
  if (output) output->commit();
  return count;
}

}  // namespace standsim
