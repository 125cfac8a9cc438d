#include "standsim/support/saved_file.h"

#include <unistd.h>

#include <cstdio>

#include "standsim/support/fortran_units.h"

namespace standsim {

SavedFile::SavedFile(std::string_view target) : target_(OPEN_NAME(target)) {
  static int32_t serial = 0;
  if (target_.empty()) return;
  temporary_ = target_ + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
  const int32_t unit = LOWEST_FREE_UNIT();
  if (unit > 0 && UNIT_OPEN(unit, temporary_, UnitAccess::write)) unit_ = unit;
}

SavedFile::~SavedFile() { discard(); }

void SavedFile::write_line(std::string_view line) {
  if (unit_ < 0 || UNIT_WRITE_LINE(unit_, line) != UnitStatus::ok) failed_ = true;
}

bool SavedFile::commit() {
  if (unit_ < 0) return false;
  const bool closed = UNIT_CLOSE(unit_) == UnitStatus::ok;
  unit_ = -1;
  if (failed_ || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    std::remove(temporary_.c_str());
    return false;
  }
  return true;
}

void SavedFile::discard() {
  if (unit_ < 0) return;
  UNIT_CLOSE(unit_, true);
  unit_ = -1;
}

}  // namespace standsim
