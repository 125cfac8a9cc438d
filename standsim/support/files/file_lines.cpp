#include "standsim/support/files/file_lines.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "standsim/support/fortran_runtime/fortran_units.h"

namespace standsim {

bool FileLines::read(std::string_view file_name) {
  content_.clear();
  pos_ = 0;
  struct Close {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  const std::unique_ptr<std::FILE, Close> file(std::fopen(open_name(file_name).c_str(), "rb"));
  if (!file) return false;
  struct stat info;
  if (::fstat(::fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode)) {
    content_.reserve(static_cast<std::size_t>(info.st_size));
  }
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) content_.append(chunk, got);
  if (std::ferror(file.get())) {
    content_.clear();
    return false;
  }
  return true;
}

bool FileLines::next(std::string_view& line) {
  if (pos_ >= content_.size()) return false;
  const char* start = content_.data() + pos_;
  const std::size_t left = content_.size() - pos_;
  const auto* newline = static_cast<const char*>(std::memchr(start, '\n', left));
  std::size_t length = newline == nullptr ? left : static_cast<std::size_t>(newline - start);
  pos_ += newline == nullptr ? left : length + 1;
  if (length > 0 && start[length - 1] == '\r') --length;
  line = std::string_view(start, length);
  return true;
}

}  // namespace standsim
