#include "standsim/support/fortran_runtime/fortran_units.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace standsim {
namespace {

struct Unit {
  std::FILE* file = nullptr;
  std::string name;  // as opened
  UnitAccess access = UnitAccess::read;
  off_t next = 0;          // offset of the next line to read
  off_t stream_at = 0;     // offset of the stream, -1 when not known
  bool after_end = false;  // past the end-of-file mark
  dev_t device = 0;
  ino_t inode = 0;
};

std::map<int32_t, Unit>& units() {
  static std::map<int32_t, Unit> table;
  return table;
}

Unit* find_unit(int32_t unit) {
  auto it = units().find(unit);
  return it == units().end() ? nullptr : &it->second;
}

Unit* reading_unit(int32_t unit) {
  Unit* u = find_unit(unit);
  return u != nullptr && u->access == UnitAccess::read ? u : nullptr;
}

// Start of the line that ends just before offset END (END > 0): the line's
// own "\n" at END - 1, when there is one, is not a boundary.
off_t start_of_line_before(std::FILE* file, off_t end) {
  off_t scan_end = end;  // bytes [0, scan_end) are looked at, from the back
  bool skip_own_newline = true;
  char chunk[4096];
  while (scan_end > 0) {
    const off_t from = std::max<off_t>(0, scan_end - static_cast<off_t>(sizeof chunk));
    const std::size_t count = static_cast<std::size_t>(scan_end - from);
    if (fseeko(file, from, SEEK_SET) != 0 || std::fread(chunk, 1, count, file) != count) return 0;
    for (std::size_t i = count; i-- > 0;) {
      if (chunk[i] != '\n') {
        skip_own_newline = false;
        continue;
      }
      if (skip_own_newline && from + static_cast<off_t>(i) == end - 1) {
        skip_own_newline = false;
        continue;
      }
      return from + static_cast<off_t>(i) + 1;
    }
    scan_end = from;
  }
  return 0;
}

}  // namespace

std::string open_name(std::string_view file_name) {
  std::string name(file_name.substr(0, file_name.find('\0')));
  name.erase(name.find_last_not_of(' ') + 1);
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

bool file_exists(std::string_view file_name) {
  const std::string name = open_name(file_name);
  struct stat info;
  return !name.empty() && ::stat(name.c_str(), &info) == 0;
}

int32_t lowest_free_unit() {
  for (int32_t unit = FIRST_POOL_UNIT; unit <= LAST_POOL_UNIT; ++unit) {
    if (!unit_is_open(unit)) return unit;
  }
  return -1;
}

bool unit_is_open(int32_t unit) { return find_unit(unit) != nullptr; }

int32_t unit_of_file(std::string_view file_name) {
  const std::string name = open_name(file_name);
  struct stat info;
  const bool known = ::stat(name.c_str(), &info) == 0;
  for (const auto& [number, u] : units()) {
    if (known ? (u.device == info.st_dev && u.inode == info.st_ino) : u.name == name) return number;
  }
  return -1;
}

bool unit_open(int32_t unit, std::string_view file_name, UnitAccess access) {
  if (unit < 0 || unit_is_open(unit)) return false;
  Unit u;
  u.name = open_name(file_name);
  u.access = access;
  if (u.name.empty()) return false;
  if (access == UnitAccess::read) {
    struct stat info;
    if (::stat(u.name.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  }
  u.file = std::fopen(u.name.c_str(), access == UnitAccess::read ? "rb" : "wb");
  if (u.file == nullptr) return false;
  struct stat info;
  if (::fstat(fileno(u.file), &info) == 0) {
    u.device = info.st_dev;
    u.inode = info.st_ino;
  }
  units().emplace(unit, std::move(u));
  return true;
}

UnitStatus unit_close(int32_t unit, bool delete_file) {
  auto it = units().find(unit);
  if (it == units().end()) return UnitStatus::ok;
  bool closed = std::fclose(it->second.file) == 0;
  if (delete_file) closed = std::remove(it->second.name.c_str()) == 0 && closed;
  units().erase(it);
  return closed ? UnitStatus::ok : UnitStatus::error;
}

UnitStatus unit_rewind(int32_t unit) {
  Unit* u = reading_unit(unit);
  if (u == nullptr) return UnitStatus::error;
  u->next = 0;
  u->after_end = false;
  return UnitStatus::ok;
}

UnitStatus unit_read_line(int32_t unit, std::string& line) {
  Unit* u = reading_unit(unit);
  if (u == nullptr || u->after_end) return UnitStatus::error;
  if (u->stream_at != u->next) {
    if (fseeko(u->file, u->next, SEEK_SET) != 0) return UnitStatus::error;
    u->stream_at = u->next;
  }
  std::string text;
  off_t consumed = 0;
  int c;
  while ((c = std::getc(u->file)) != EOF) {
    ++consumed;
    if (c == '\n') break;
    text.push_back(static_cast<char>(c));
  }
  u->stream_at += consumed;
  if (std::ferror(u->file)) {
    std::clearerr(u->file);
    u->stream_at = -1;
    return UnitStatus::error;
  }
  if (consumed == 0) {
    u->after_end = true;
    return UnitStatus::end_of_file;
  }
  u->next += consumed;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  line = std::move(text);
  return UnitStatus::ok;
}

UnitStatus unit_backspace(int32_t unit) {
  Unit* u = reading_unit(unit);
  if (u == nullptr) return UnitStatus::error;
  if (u->after_end) {
    u->after_end = false;
  } else if (u->next > 0) {
    u->next = start_of_line_before(u->file, u->next);
    u->stream_at = -1;
  }
  return UnitStatus::ok;
}

UnitStatus unit_write_line(int32_t unit, std::string_view line) {
  Unit* u = find_unit(unit);
  if (u == nullptr || u->access != UnitAccess::write) return UnitStatus::error;
  // An empty view may have no data pointer at all, which fwrite must not see.
  if ((!line.empty() && std::fwrite(line.data(), 1, line.size(), u->file) != line.size()) ||
      std::fputc('\n', u->file) == EOF) {
    return UnitStatus::error;
  }
  return UnitStatus::ok;
}

OpenedUnit::OpenedUnit(std::string_view file_name, UnitAccess access) {
  const int32_t unit = lowest_free_unit();
  if (unit > 0 && unit_open(unit, file_name, access)) unit_ = unit;
}

OpenedUnit::~OpenedUnit() { close(); }

UnitStatus OpenedUnit::close(bool delete_file) {
  const UnitStatus status = unit_ > 0 ? unit_close(unit_, delete_file) : UnitStatus::ok;
  unit_ = -1;
  return status;
}

}  // namespace standsim
