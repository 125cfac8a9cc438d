#include "standsim/support/tables_and_grids/data_file_scan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "standsim/support/fortran_runtime/fortran_format_read.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/fortran_runtime/process_stop.h"
#include "standsim/support/fortran_runtime/process_warning.h"
#include "standsim/support/fortran_runtime/unit_records.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"

namespace standsim {
namespace {

char first_character(const std::string& line) { return line.empty() ? ' ' : line.front(); }

// Length of the text into which the first data line of a row layout is read.
constexpr std::size_t kFirstLineLength = 4096;

// Index ranges are computed in 64 bits: the extreme 32-bit indexes give
// offsets and sizes beyond 32 bits, which are cut to its range.
int32_t to_int32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void warn_unreadable(std::string_view filnam, int line, const std::string& message) {
  report_warning("FILECHAR: cannot read line " + std::to_string(line) + " of " + open_name(filnam) +
                 ": " + message);
}

void scan_index_records(std::string_view filnam, UnitRecords& records, int32_t& ioff, int32_t& joff,
                        int32_t& ni, int32_t& nj, double& vmin, double& vmax) {
  bool any = false;
  int32_t imin = 0, imax = 0, jmin = 0, jmax = 0;
  while (true) {
    int32_t i = 0, j = 0;
    double v = 0.0;
    const std::array<ReadItem, 3> items{&i, &j, &v};
    const ReadResult read = read_list_directed(records.source(), items);
    if (read.outcome == ReadOutcome::end_of_file) break;
    if (read.outcome != ReadOutcome::ok) {
      warn_unreadable(filnam, records.lines(), read.message);
      continue;
    }
    // The ranges start from the first record, whatever its indexes.
    if (!any) {
      imin = imax = i;
      jmin = jmax = j;
      any = true;
    }
    imin = std::min(imin, i);
    jmin = std::min(jmin, j);
    imax = std::max(imax, i);
    jmax = std::max(jmax, j);
    vmin = std::min(vmin, v);
    vmax = std::max(vmax, v);
  }
  if (!any) {
    ioff = joff = ni = nj = 0;
    return;
  }
  ioff = to_int32(int64_t{imin} - 1);
  ni = to_int32(int64_t{imax} - imin + 1);
  joff = to_int32(int64_t{jmin} - 1);
  nj = to_int32(int64_t{jmax} - jmin + 1);
}

void scan_rows(std::string_view filnam, std::string_view layout, int32_t unit, UnitRecords& records,
               int32_t& ni, int32_t& nj, double& vmin, double& vmax) {
  std::string first;
  unit_read_line(unit, first);
  const std::string text = padded(first, kFirstLineLength);
  if (text.find_first_not_of(' ', kFirstLineLength - 3) != std::string::npos)
    report_warning("WARNING: Long line!");
  ni = NITEMS(text);
  unit_backspace(unit);

  const bool free_format = !layout.empty() && layout.front() == '*';
  const InputFormat format = free_format ? InputFormat() : InputFormat::parse(layout);
  if (!format.error().empty())
    stop_process("FILECHAR: unusable layout for " + open_name(filnam) + ": " + format.error());

  std::vector<double> row(static_cast<std::size_t>(ni));
  std::vector<ReadItem> items;
  for (double& value : row) items.emplace_back(&value);
  nj = 0;
  while (true) {
    const ReadResult read = free_format ? read_list_directed(records.source(), items)
                                        : read_formatted(records.source(), format, items);
    if (read.outcome == ReadOutcome::end_of_file) break;
    if (read.outcome == ReadOutcome::bad_format) {
      stop_process("FILECHAR: unusable layout for " + open_name(filnam) + ": " + read.message);
    }
    if (read.outcome != ReadOutcome::ok) {
      warn_unreadable(filnam, records.lines(), read.message);
      continue;
    }
    for (const double value : row) {
      vmax = std::max(vmax, value);
      vmin = std::min(vmin, value);
    }
    ++nj;
  }
}

}  // namespace

void FILECHAR(std::string_view filnam, std::string_view layout, int32_t& ioff, int32_t& joff,
              int32_t& ni, int32_t& nj, double& vmin, double& vmax) {
  vmin = 1.0e30;
  vmax = -1.0e30;
  OpenedUnit file(filnam, UnitAccess::read);
  stop_unless_open(file, "FILECHAR", filnam);
  const int32_t unit = file.number();

  int header_lines = 0;
  std::string line;
  while (true) {
    if (unit_read_line(unit, line) != UnitStatus::ok) stop_process("FILECHAR: no data in file!");
    if (first_character(line) != '!') break;
    ++header_lines;
  }
  unit_backspace(unit);

  UnitRecords records(unit, header_lines);
  if (layout.starts_with("i-j-val")) {
    scan_index_records(filnam, records, ioff, joff, ni, nj, vmin, vmax);
  } else {
    ioff = joff = 0;
    scan_rows(filnam, layout, unit, records, ni, nj, vmin, vmax);
  }
}

int32_t CNTLINES(int32_t iu, std::string_view ch) {
  const char mark = ch.empty() ? ' ' : ch.front();
  int32_t count = 0;
  std::string line;
  while (unit_read_line(iu, line) == UnitStatus::ok) {
    if (first_character(line) != mark) {
      unit_backspace(iu);
      return count;
    }
    ++count;
  }
  return -1;
}

void NTHLINE(int32_t n, std::string_view filnam, std::string_view ch, std::span<char> line) {
  OpenedUnit file(filnam, UnitAccess::read);
  stop_unless_open(file, "NTHLINE", filnam);
  const char mark = ch.empty() ? ' ' : ch.front();
  const int32_t wanted = std::max(n, 1);
  int32_t counted = 0;
  std::string text;
  while (unit_read_line(file.number(), text) == UnitStatus::ok) {
    if (first_character(text) == mark) continue;
    if (++counted == wanted) {
      assign_text(line, text);
      return;
    }
  }
  assign_text(line, "");
}

bool HASDATA(std::string_view filnam) {
  if (TIDY(filnam).find_first_not_of(' ') == std::string::npos || !file_exists(filnam))
    return false;
  OpenedUnit file(filnam, UnitAccess::read);
  std::string line;
  return file.is_open() && unit_read_line(file.number(), line) == UnitStatus::ok;
}

}  // namespace standsim
