#include "standsim/support/files/file_housekeeping.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "standsim/support/files/file_names.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {

int32_t FREEUNIT() { return lowest_free_unit(); }

void BACKLINES(int32_t iu, int32_t n) {
  for (int32_t k = 0; k < n; ++k) unit_backspace(iu);
}

void SKIPLINES(int32_t iu, int32_t n) {
  std::string line;
  for (int32_t k = 0; k < n; ++k) {
    if (unit_read_line(iu, line) != UnitStatus::ok) return;
  }
}

void DELFILE(std::string_view filnam) {
  if (TIDY(filnam).find_first_not_of(' ') == std::string::npos) return;
  if (const int32_t unit = unit_of_file(filnam); unit >= 0) {
    unit_close(unit, true);
    return;
  }
  const std::string name = open_name(filnam);
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) return;
  std::remove(name.c_str());
}

void TMPDIR(std::span<char> dir) {
  assign_text(dir, "");
  const char* pointer = file_exists("tmp.dat")     ? "tmp.dat"
                        : file_exists("\\tmp.dat") ? "\\tmp.dat"
                                                   : nullptr;
  if (pointer == nullptr) return;
  OpenedUnit file(pointer, UnitAccess::read);
  std::string line;
  if (!file.is_open() || unit_read_line(file.number(), line) != UnitStatus::ok) return;
  assign_text(dir, EXTDIR(padded(line, dir.size())));
}

}  // namespace standsim
