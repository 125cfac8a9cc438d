// The lines of a text file read whole into memory, as the file units read
// them (fortran_units.h): without their "\n" and a trailing "\r", a last
// line without "\n" being a line like any other; an empty file has none.
// For readers that go over a file from the top, once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace standsim {

class FileLines {
 public:
  // Reads the file named as file units name it (open_name). False when it
  // cannot be opened or read; there are then no lines.
  bool read(std::string_view file_name);

  // The next line, valid while the reader lives; false after the last.
  bool next(std::string_view& line);

  // Where the next line starts, for going back to it with SEEK.
  std::size_t position() const { return pos_; }
  void seek(std::size_t position) { pos_ = position; }

 private:
  std::string content_;
  std::size_t pos_ = 0;
};

}  // namespace standsim
