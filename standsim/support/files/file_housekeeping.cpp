#include "standsim/support/files/file_housekeeping.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "standsim/support/files/file_names.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"

namespace standsim {

int32_t FREEUNIT() { return LOWEST_FREE_UNIT(); }

void BACKLINES(int32_t iu, int32_t n) {
  for (int32_t k = 0; k < n; ++k) UNIT_BACKSPACE(iu);
}

void SKIPLINES(int32_t iu, int32_t n) {
  std::string line;
  for (int32_t k = 0; k < n; ++k) {
    if (UNIT_READ_LINE(iu, line) != UnitStatus::ok) return;
  }
}

void DELFILE(std::string_view filnam) {
  if (TIDY(filnam).find_first_not_of(' ') == std::string::npos) return;
  if (const int32_t unit = UNIT_OF_FILE(filnam); unit >= 0) {
    UNIT_CLOSE(unit, true);
    return;
  }
  const std::string name = OPEN_NAME(filnam);
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) return;
  std::remove(name.c_str());
}

void TMPDIR(std::span<char> dir) {
  ASSIGN_TEXT(dir, "");
  const char* pointer = FILE_EXISTS("tmp.dat") ? "tmp.dat" : FILE_EXISTS("\\tmp.dat") ? "\\tmp.dat" : nullptr;
  if (pointer == nullptr) return;
  OpenedUnit file(pointer, UnitAccess::read);
  std::string line;
  if (!file.is_open() || UNIT_READ_LINE(file.number(), line) != UnitStatus::ok) return;
  ASSIGN_TEXT(dir, EXTDIR(PADDED(line, dir.size())));
}

}  // namespace standsim
