// The lines of an open read unit as the records of read statements, and the
// check that a routine's own file could be opened.
#pragma once

#include <cstdint>
#include <string_view>

#include "standsim/support/fortran_runtime/fortran_read_items.h"
#include "standsim/support/fortran_runtime/fortran_units.h"

namespace standsim {

// Each record is the next line of UNIT; the end of the file (or a unit that
// cannot be read) ends the records. Counts the lines taken, from
// LINES_BEFORE on, so that a message can name the line a read stopped at.
class UnitRecords {
 public:
  UnitRecords(int32_t unit, int lines_before = 0);
  UnitRecords(const UnitRecords&) = delete;
  UnitRecords& operator=(const UnitRecords&) = delete;

  const RecordSource& source() const { return source_; }
  // The number of the line taken last.
  int lines() const { return lines_; }

 private:
  int lines_;
  RecordSource source_;
};

// Stops the process unless UNIT, opened for reading FILE_NAME, is open: the
// message names ROUTINE, the file and why it could not be opened ("no free
// unit number", "no such file", "cannot be opened").
void stop_unless_open(const OpenedUnit& unit, std::string_view routine, std::string_view file_name);

}  // namespace standsim
