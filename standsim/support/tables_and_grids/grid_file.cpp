#include "standsim/support/tables_and_grids/grid_file.h"

#include <algorithm>
#include <cmath>
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

// The quarter turn 1..4 (0, 90, 180, 270 degrees) of ANGLE, computed in
// 4-byte reals with the remainder taken towards minus infinity.
int32_t quarter(float angle) {
  if (!std::isfinite(angle)) return 1;
  float remainder = std::fmod(angle, 360.0f);
  if (remainder < 0.0f) remainder += 360.0f;
  const int32_t q = static_cast<int32_t>(remainder / 90.0f) + 1;
  // A remainder just below 0 may round up to 360.0: that is a full turn.
  return (q - 1) % 4 + 1;
}

// Where value C of line R (both 1-based) goes, as the 1-based (i, j).
struct Cell {
  int32_t i;
  int32_t j;
};

Cell cell(int32_t q, int32_t r, int32_t c, int32_t nx, int32_t ny) {
  switch (q) {
    case 1:
      return {c, r};
    case 2:
      return {r, nx + 1 - c};
    case 3:
      return {nx + 1 - c, ny + 1 - r};
    default:
      return {ny + 1 - r, c};
  }
}

// Reads the NY lines of FILE_NAME, one read of NX items per line; ITEM_AT
// gives the item for the element (i, j).
template <typename ItemAt>
void read_turned(std::string_view file_name, std::string_view fmt, int32_t q, int32_t nx,
                 int32_t ny, ItemAt item_at) {
  const bool free_format = !fmt.empty() && fmt.front() == '*';
  const InputFormat format = free_format ? InputFormat() : InputFormat::parse(fmt);
  if (!format.error().empty()) {
    stop_process("READGRID: unusable format for " + open_name(file_name) + ": " + format.error());
  }

  OpenedUnit file(file_name, UnitAccess::read);
  stop_unless_open(file, "READGRID", file_name);
  UnitRecords records(file.number());
  std::vector<ReadItem> items(static_cast<std::size_t>(std::max(nx, 0)));
  for (int32_t r = 1; r <= ny; ++r) {
    for (int32_t c = 1; c <= nx; ++c) {
      const Cell at = cell(q, r, c, nx, ny);
      items[static_cast<std::size_t>(c - 1)] = item_at(at.i, at.j);
    }
    const ReadResult read = free_format ? read_list_directed(records.source(), items)
                                        : read_formatted(records.source(), format, items);
    if (read.outcome == ReadOutcome::ok) continue;
    if (read.outcome == ReadOutcome::bad_format) {
      stop_process("READGRID: unusable format for " + open_name(file_name) + ": " + read.message);
    }
    if (read.outcome == ReadOutcome::end_of_file) {
      report_warning("READGRID: " + open_name(file_name) + " ends before its " +
                     std::to_string(ny) + " lines of values were read");
    } else {
      report_warning("READGRID: cannot read line " + std::to_string(records.lines()) + " of " +
                     open_name(file_name) + ": " + read.message);
    }
    return;
  }
}

}  // namespace

void READGRID(std::string_view gridfile, std::string_view maskfile, std::string_view fmt,
              float angle, int32_t nx, int32_t ny, float aspect, int32_t ld, std::span<float> grid,
              std::span<int32_t> mask, int32_t& ni, int32_t& nj, float& scalei, float& scalej) {
  const int32_t q = quarter(angle);
  const bool turned = q == 2 || q == 4;
  ni = turned ? ny : nx;
  nj = turned ? nx : ny;
  scalei = turned ? 1.0f : aspect;
  scalej = turned ? aspect : 1.0f;
  const bool with_mask = TIDY(maskfile).find_first_not_of(' ') != std::string::npos;

  const auto count = [](int32_t a, int32_t b) {
    return static_cast<std::size_t>(a) * static_cast<std::size_t>(b);
  };
  const bool values = nx > 0 && ny > 0;
  if (values && (ni > ld || (with_mask && nj > ld))) {
    stop_process("READGRID: a grid of " + std::to_string(ni) + " x " + std::to_string(nj) +
                 " values does not fit the leading dimension " + std::to_string(ld));
  }
  if (values && grid.size() < count(ld, nj))
    stop_process("READGRID: GRID holds fewer than LD x NJ values");
  if (ld >= 1 && mask.size() < count(ld, ld))
    stop_process("READGRID: MASK holds fewer than LD x LD flags");

  const auto index = [ld](int32_t i, int32_t j) {
    return static_cast<std::size_t>(i - 1) +
           static_cast<std::size_t>(ld) * static_cast<std::size_t>(j - 1);
  };
  read_turned(gridfile, fmt, q, nx, ny,
              [&](int32_t i, int32_t j) { return ReadItem(&grid[index(i, j)]); });

  if (ld >= 1) std::fill_n(mask.begin(), count(ld, ld), 0);
  if (!with_mask) return;
  // "(LDl1)", LD right-aligned in 3 characters or in as many as it needs.
  const int32_t ld_width = std::max<int32_t>(3, static_cast<int32_t>(std::to_string(ld).size()));
  const std::string mask_format = std::string("(").append(I_2_C(ld, ld_width)).append("l1)");
  read_turned(maskfile, mask_format, q, nx, ny,
              [&](int32_t i, int32_t j) { return ReadItem(FlagWord{&mask[index(i, j)]}); });
}

}  // namespace standsim
