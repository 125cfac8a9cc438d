#include "standsim/support/column_data/column_data.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "standsim/support/column_data/year_interpolation.h"
#include "standsim/support/files/file_lines.h"
#include "standsim/support/fortran_runtime/fortran_free_read.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/line_items.h"
#include "standsim/support/text/text_array.h"

namespace standsim {
namespace {

constexpr std::size_t line_length = COLUMN_DATA_LINE_LENGTH;  // characters of a line that are read
constexpr std::size_t name_length = 32;                       // of a column name
constexpr std::string_view header_separators(" \0\t,", 4);
constexpr float unset_reference = -999999.0f;
// Values of the work table at most (64 MB): data years far apart are a
// fault of the file, not a series to interpolate.
constexpr int64_t max_table_values = int64_t{1} << 24;

bool is_number_text(std::string_view text) {
  const std::string clean = TIDY(text);
  return clean.find_first_not_of(" +-0123456789.") == std::string::npos;
}

bool is_blank_line(std::string_view text) {
  return text.find_first_not_of(std::string_view(" \t\0", 3)) == std::string_view::npos;
}

bool is_comment(std::string_view line) { return !line.empty() && line.front() == '!'; }

// One call's reading of a column: its messages, and its file, read whole.
class ColumnReader {
 public:
  ColumnReader(std::string_view routine, std::span<char> errmsg)
      : routine_(routine), errmsg_(errmsg) {}

  // Assigns the message and returns false, so a failing step can return it.
  bool fail(std::string_view message) {
    assign_text(errmsg_, message);
    return false;
  }
  bool fail_in_file(std::string_view message) {
    return fail(std::string(routine_) + ": File " + file_ + ": " + std::string(message));
  }

  // A number reference: its value in X.
  bool read_number(std::string_view string, float& x) {
    const std::string clean = TIDY(string);
    FreeFormatReader reader(clean);
    const FreeReadStatus status = reader.read(x);
    if (status == FreeReadStatus::value && std::isfinite(x)) return true;
    if (status == FreeReadStatus::end)
      return fail(std::string(routine_) + ": No number and no file given!");
    return fail(std::string(routine_) + ": Cannot read  " +
                std::string(without_trailing_blanks(clean)) + "  as a number!");
  }

  // Reads the file of FILE_PIECE and finds the column of SPEC; NEXT then
  // gives the first data line.
  bool open(std::string_view file_piece, std::string_view spec) {
    file_ = without_trailing_blanks(file_piece);
    if (!file_exists(file_piece))
      return fail(std::string(routine_) + ": File  " + file_ + "  does not exist!");
    std::array<char, name_length> name;
    bool byname = false, readable = true;
    COLSPEC(spec, fact_, offs_, name, byname, icol_, &readable);
    if (!readable) {
      return fail(std::string(routine_) + ": Cannot read the column  " +
                  std::string(without_trailing_blanks(TIDY(spec))) + "  of  " + file_);
    }
    if (!lines_.read(file_piece)) return unreadable();

    std::string_view line, last_comment;
    int32_t comments = 0;
    std::size_t data_start = 0;
    for (;;) {
      data_start = lines_.position();
      if (!lines_.next(line))
        return fail(std::string(routine_) + ": File  " + file_ + "  holds no data!");
      if (!is_comment(line)) break;
      ++comments;
      last_comment = line;
    }
    lines_.seek(data_start);
    line_number_ = comments;
    if (!byname) return true;

    std::string_view header;
    if (comments > 0) {
      header = last_comment.substr(1, line_length);
    } else {
      lines_.next(header);
      header = header.substr(0, line_length);
      line_number_ = 1;
    }
    const std::string_view name_text(name.data(), name.size());
    const int32_t item = ITEMNR(header, name_text, &header_separators);
    if (item == 0) {
      return fail(std::string(routine_) + ": Column with name  " +
                  std::string(without_trailing_blanks(name_text)) + "  not found in  " + file_);
    }
    icol_ = item - 1;
    return true;
  }

  // Reads the next data line: its year (unless WITH_YEAR is false) and the
  // chosen column's value, NaN when the value is absent. Returns false at the
  // end of the file (END set) or on failure (message written).
  bool next(bool with_year, int32_t& year, float& value, bool& end) {
    end = false;
    std::string_view line;
    for (;;) {
      if (!lines_.next(line)) {
        end = true;
        return false;
      }
      ++line_number_;
      line = line.substr(0, line_length);
      if (!is_comment(line) && !is_blank_line(line)) break;
    }
    FreeFormatReader reader(line);
    if (with_year && reader.read(year) != FreeReadStatus::value) {
      return fail_in_file("Line " + std::to_string(line_number_) + " holds no year!");
    }
    for (int32_t i = 1; i < icol_; ++i) reader.skip();
    value = std::numeric_limits<float>::quiet_NaN();
    const FreeReadStatus status = reader.read(value);
    if (status == FreeReadStatus::bad) return fail_in_line(line_number_, "is not a number!");
    if (status == FreeReadStatus::value && !std::isfinite(value)) {
      return fail_in_line(line_number_, "is not a finite number!");
    }
    return true;
  }

  // A valid value as it is stored: times the factor, then plus the offset.
  // False with a message naming LINE when that is not finite.
  bool scale(float& value, int64_t line) {
    value = value * fact_;
    value = value + offs_;
    return std::isfinite(value) ||
           fail_in_line(line, "is not finite with the factor and the offset!");
  }

  // The line of the data line read last.
  int64_t line_number() const { return line_number_; }

  int32_t icol() const { return icol_; }

  bool fail_vecintp() { return fail(std::string(routine_) + ": Error in vecintp!"); }

 private:
  bool unreadable() {
    return fail(std::string(routine_) + ": File  " + file_ + "  cannot be read!");
  }
  // A message about the chosen column of data line LINE.
  bool fail_in_line(int64_t line, std::string_view what) {
    const int32_t column = std::max(icol_, 1);  // column 0 reads column 1
    return fail_in_file("Line " + std::to_string(line) + ": column" + I_2_C(column, 4) + " " +
                        std::string(what));
  }

  std::string_view routine_;
  std::span<char> errmsg_;
  std::string file_;
  float fact_ = 1.0f, offs_ = 0.0f;
  int32_t icol_ = 1;
  int64_t line_number_ = 0;
  FileLines lines_;
};

// The reference cut into its file name and column selector.
struct FileReference {
  std::string file, spec;
};

FileReference split_reference(std::string_view string) {
  std::string pieces(2 * line_length, ' ');
  SPLITSEP(string, ";", 2, TextArray(pieces, line_length));
  return {pieces.substr(0, line_length), pieces.substr(line_length)};
}

// The elements VARIN01 writes: NSUB values per year for IYRB..IYRE, from
// VEC(IYRB) on.
struct SubPeriodSeries {
  std::span<float> vec;
  int64_t first;  // position of VEC(IYRB) in VEC
  int32_t iyrb, iyre, nsub;

  int64_t count() const {
    return std::max<int64_t>(0,
                             static_cast<int64_t>(nsub) * (static_cast<int64_t>(iyre) - iyrb + 1));
  }
  // N elements from VEC(IYRB) lie within VEC; no element always does.
  bool fits(int64_t n) const { return n <= 0 || first + n <= static_cast<int64_t>(vec.size()); }
  void fill(float x) const {
    if (count() > 0) std::fill_n(vec.begin() + first, count(), x);
  }
  // The element of YEAR and sub-period ROW + 1.
  float& at(int64_t year, int64_t row) const {
    return vec[static_cast<std::size_t>(first + (year - iyrb) * nsub + row)];
  }
};

// The valid values of the chosen column in the order of their lines, and
// the years the work table spans: those requested and those with data.
struct ColumnValues {
  struct Valid {
    int64_t line, row;  // the line of the file; the sub-period less one
    int32_t year;
    float value;
  };
  std::vector<Valid> valid;
  int32_t first_year = 0, last_year = 0;

  int64_t years() const { return static_cast<int64_t>(last_year) - first_year + 1; }
};

// The pass over the data lines: checks that each group of NSUB lines holds
// one year and keeps the valid values. False, with the message written, on
// a failure or when the column holds no valid value.
bool read_column_values(ColumnReader& reader, const SubPeriodSeries& series, float xmiss,
                        ColumnValues& values) {
  values.first_year = series.iyrb;
  values.last_year = series.iyre;
  int32_t year = 0, group_year = 0;
  float value = 0.0f;
  bool end = false;
  for (int64_t n = 1; reader.next(true, year, value, end); ++n) {
    const int64_t sub = (n - 1) % series.nsub + 1;
    if (sub == 1) group_year = year;
    if (series.nsub >= 2 && sub == series.nsub && year != group_year) {
      return reader.fail_in_file("Wrong number of data in year" + I_2_C(group_year, 5) + " (?)");
    }
    if (value > xmiss) {
      values.valid.push_back({reader.line_number(), sub - 1, year, value});
      values.first_year = std::min(values.first_year, year);
      values.last_year = std::max(values.last_year, year);
    }
  }
  if (!end) return false;
  if (values.valid.empty()) {
    return reader.fail_in_file("No data in column" + I_2_C(reader.icol(), 4));
  }
  return true;
}

// The work table: one row per sub-period, one element per year of VALUES;
// the valid values, scaled, stored in the order of their lines (a later
// line wins), the other elements missing (2 XMISS). False, with the message
// written, when the years lie too far apart or a scaled value is not finite.
bool fill_work_table(ColumnReader& reader, ColumnValues& values, int32_t nsub, float xmiss,
                     std::vector<float>& table) {
  const int64_t years = values.years();
  if (years * nsub > max_table_values) {
    return reader.fail_in_file("Data years " + std::to_string(values.first_year) + " to " +
                               std::to_string(values.last_year) + " lie too far apart!");
  }
  table.assign(static_cast<std::size_t>(years * nsub), 2.0f * xmiss);
  for (ColumnValues::Valid& v : values.valid) {
    if (!reader.scale(v.value, v.line)) return false;
    table[static_cast<std::size_t>(v.row * years + (v.year - values.first_year))] = v.value;
  }
  return true;
}

// Fills the gaps of each sub-period's row of TABLE and copies its requested
// years into SERIES, row after row. At a row without a valid value the
// message is written and the rows before it stay written.
void fill_gaps_into_series(ColumnReader& reader, std::vector<float>& table,
                           const ColumnValues& values, float xmiss, const SubPeriodSeries& series) {
  const int64_t years = values.years();
  for (int64_t row = 0; row < series.nsub; ++row) {
    const std::span<float> cells(table.data() + row * years, static_cast<std::size_t>(years));
    int32_t ierr = 0;
    vecintp(values.first_year, values.first_year, values.last_year, xmiss, cells, ierr);
    if (ierr != 0) {
      reader.fail_vecintp();
      return;
    }
    for (int64_t y = series.iyrb; y <= series.iyre; ++y)
      series.at(y, row) = cells[static_cast<std::size_t>(y - values.first_year)];
  }
}

}  // namespace

void COLSPEC(std::string_view line, float& fact, float& offs, std::span<char> name, bool& byname,
             int32_t& icol, bool* readable) {
  bool all_read = true;
  const auto read_into = [&](std::string_view text, auto& value) {
    auto read = value;
    if (FreeFormatReader(text).read(read) == FreeReadStatus::value &&
        std::isfinite(static_cast<double>(read))) {
      value = read;
    } else {
      all_read = false;
    }
  };
  if (readable != nullptr) *readable = true;
  fact = 1.0f;
  offs = 0.0f;
  icol = 1;
  assign_text(name, "");
  byname = false;
  int32_t first = 0, last = 0;
  TRIMPOS(line, first, last);
  if (last == 0) return;
  std::size_t l = static_cast<std::size_t>(first - 1),
              h = static_cast<std::size_t>(last);  // [l, h)
  const std::size_t star = line.find('*');
  if (star != std::string_view::npos) {
    read_into(line.substr(0, star), fact);
    l = star + 1;
  }
  const std::size_t plus = line.find('+');
  if (plus != std::string_view::npos) {
    read_into(line.substr(plus + 1), offs);
    h = plus;
  }
  const std::string_view column = l < h ? line.substr(l, h - l) : std::string_view();
  if (!column.empty() && column.front() == '\\') {
    read_into(column.substr(1), icol);
  } else {
    assign_text(name, column);
    byname = true;
    icol = 0;
  }
  if (readable != nullptr) *readable = all_read;
}

void VARIN01(std::string_view string, int32_t n0, int32_t iyrb, int32_t iyre, int32_t nsub,
             float xmiss, std::span<float> vec, std::span<char> errmsg) {
  ColumnReader reader("xVARIN01", errmsg);
  if (iyrb < n0) {
    reader.fail("xVARINO1: iyrb < n0!");
    return;
  }
  if (nsub < 1) {
    reader.fail("xVARIN01: nsub < 1!");
    return;
  }
  const SubPeriodSeries series{vec, static_cast<int64_t>(iyrb) - n0, iyrb, iyre, nsub};
  const auto beyond_vec = [&] { reader.fail("xVARIN01: iyre beyond the end of vec!"); };

  if (is_number_text(string)) {
    float x = 0.0f;
    if (!reader.read_number(string, x)) return;
    if (!series.fits(series.count())) return beyond_vec();
    series.fill(x);
    return;
  }
  const FileReference ref = split_reference(string);
  if (ONECHAR(ref.file, '=')) {
    if (!series.fits(1)) return beyond_vec();
    series.at(iyrb, 0) = unset_reference;
    return;
  }
  if (!series.fits(series.count())) return beyond_vec();
  if (!reader.open(ref.file, ref.spec)) return;

  ColumnValues values;
  if (!read_column_values(reader, series, xmiss, values)) return;
  std::vector<float> table;
  if (!fill_work_table(reader, values, nsub, xmiss, table)) return;
  fill_gaps_into_series(reader, table, values, xmiss, series);
}

void VARIN00(std::string_view string, int32_t n0, int32_t nbeg, int32_t nend, float xmiss,
             std::span<float> vec, std::span<char> errmsg) {
  ColumnReader reader("xVARIN00", errmsg);
  if (nbeg < n0) {
    reader.fail("xVARINO0: nbeg < n0!");
    return;
  }
  const int64_t first = static_cast<int64_t>(nbeg) - n0;
  const int64_t count = std::max<int64_t>(0, static_cast<int64_t>(nend) - nbeg + 1);
  if (count > 0 && first + count > static_cast<int64_t>(vec.size())) {
    reader.fail("xVARIN00: nend beyond the end of vec!");
    return;
  }
  if (is_number_text(string)) {
    float x = 0.0f;
    if (reader.read_number(string, x) && count > 0) std::fill_n(vec.begin() + first, count, x);
    return;
  }
  const FileReference ref = split_reference(string);
  if (!reader.open(ref.file, ref.spec)) return;

  if (count > 0) std::fill_n(vec.begin() + first, count, 2.0f * xmiss);
  bool has_data = false;
  int32_t year = 0;
  float value = 0.0f;
  bool end = false;
  for (int64_t n = 1; reader.next(false, year, value, end); ++n) {
    if (n > count || !(value > xmiss)) continue;  // lines beyond NEND are read and not stored
    if (!reader.scale(value, reader.line_number())) return;
    vec[static_cast<std::size_t>(first + n - 1)] = value;
    has_data = true;
  }
  if (!end) return;
  if (!has_data) {
    reader.fail_in_file("No data in column" + I_2_C(reader.icol(), 4));
    return;
  }
  int32_t ierr = 0;
  vecintp(n0, nbeg, nend, xmiss, vec, ierr);
  if (ierr != 0) reader.fail_vecintp();
}

}  // namespace standsim
