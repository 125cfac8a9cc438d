#include "standsim/support/files/file_copy.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "standsim/support/files/replacing_unit.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/fortran_runtime/unit_records.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

constexpr std::size_t kLineLength = 512;

char mark_of(std::string_view ch) { return ch.empty() ? ' ' : ch.front(); }

// Copies SRC to DST line by line; EDIT gives the line to write for a line of
// SRC (cut to 512 characters and blank padded), or nothing to drop it.
template <typename Edit>
void copy_lines(const char* routine, std::string_view src, std::string_view dst, Edit edit) {
  OpenedUnit in(src, UnitAccess::read);
  stop_unless_open(in, routine, src);
  ReplacingUnit out(dst);
  if (!out.is_open()) stop_process(std::string(routine) + ": cannot create file " + open_name(dst));
  std::string line;
  while (unit_read_line(in.number(), line) == UnitStatus::ok) {
    line.resize(kLineLength, ' ');
    if (const std::optional<std::string_view> kept = edit(std::string_view(line)))
      out.write_line(*kept);
  }
  if (!out.commit()) stop_process(std::string(routine) + ": cannot write file " + open_name(dst));
}

}  // namespace

void COPYFILE(std::string_view src, std::string_view dst, std::string_view ch) {
  const char mark = mark_of(ch);
  copy_lines("COPYFILE", src, dst,
             [mark](std::string_view line) -> std::optional<std::string_view> {
               if (line.front() == mark) return std::nullopt;
               return without_trailing_blanks(line);
             });
}

void COPYCUT(std::string_view src, std::string_view dst, std::string_view ch) {
  const char mark = mark_of(ch);
  copy_lines("COPYCUT", src, dst, [mark](std::string_view line) -> std::optional<std::string_view> {
    const std::size_t cut = line.find(mark);
    if (cut == std::string_view::npos) return without_trailing_blanks(line);
    if (cut == 0) return std::nullopt;
    return line.substr(0, cut);
  });
}

void ECHOPAR(std::string_view progname, int32_t iu, std::string_view prefix,
             std::string_view filnam) {
  // The lowest 32-bit integer has no absolute value and names no unit.
  if (iu == 0 || iu == std::numeric_limits<int32_t>::min()) return;
  OpenedUnit in(filnam, UnitAccess::read);
  if (!in.is_open()) return;
  const int32_t unit = std::abs(iu);
  const std::string head(prefix);
  unit_write_line(unit, head + "-- Begin: Parameters used by " + std::string(progname) + " --");
  std::string line;
  while (unit_read_line(in.number(), line) == UnitStatus::ok) {
    line.resize(std::min(line.size(), kLineLength));
    const std::size_t first = line.find_first_not_of(' ');
    const std::string_view text =
        first == std::string::npos ? std::string_view()
                                   : without_trailing_blanks(std::string_view(line).substr(first));
    unit_write_line(unit, head + std::string(text));
  }
  unit_write_line(unit, head + "-- End: Parameters used by " + std::string(progname) + " --");
}

}  // namespace standsim
