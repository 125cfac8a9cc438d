#include "standsim/support/files/replacing_unit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "standsim/support/fortran_runtime/fortran_units.h"

namespace standsim {

ReplacingUnit::ReplacingUnit(std::string_view target) : target_(open_name(target)) {
  if (target_.empty()) return;
  std::vector<char> name(target_.begin(), target_.end());
  for (const char c : std::string_view(".~XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return;
  // The file gets the target's permissions, or those of a new file.
  struct stat info;
  if (::stat(target_.c_str(), &info) == 0) {
    ::fchmod(fd, info.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  ::close(fd);
  temporary_ = name.data();
  const int32_t unit = lowest_free_unit();
  if (unit > 0 && unit_open(unit, temporary_, UnitAccess::write)) {
    unit_ = unit;
  } else {
    std::remove(temporary_.c_str());
    temporary_.clear();
  }
}

ReplacingUnit::~ReplacingUnit() {
  if (unit_ > 0) unit_close(unit_);
  if (!temporary_.empty()) std::remove(temporary_.c_str());
}

void ReplacingUnit::write_line(std::string_view line) {
  if (unit_ <= 0 || unit_write_line(unit_, line) != UnitStatus::ok) {
    failed_ = true;
    return;
  }
  bytes_ += line.size() + 1;
}

bool ReplacingUnit::commit() {
  if (unit_ <= 0) return false;
  const bool closed = unit_close(unit_) == UnitStatus::ok;
  unit_ = -1;
  struct stat info;
  const bool complete = closed && !failed_ && ::stat(temporary_.c_str(), &info) == 0 &&
                        static_cast<unsigned long long>(info.st_size) == bytes_;
  const bool renamed = complete && std::rename(temporary_.c_str(), target_.c_str()) == 0;
  // A failed commit removes the temporary file at once: a caller that stops
  // the process on the failure never runs the destructor.
  if (!renamed) std::remove(temporary_.c_str());
  temporary_.clear();
  return renamed;
}

}  // namespace standsim
