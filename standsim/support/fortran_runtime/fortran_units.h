// File units: sequential text files addressed by a unit number, in the manner
// of a Fortran run-time.
//
// A unit number names one open file of the process. Numbers 101 to 999 are
// the pool from which the library takes a number for a file it opens for
// itself (lowest_free_unit); a routine that does so opens through OpenedUnit,
// which closes the file again on every path. Any other non-negative number
// may be opened by a caller and is left open by the routines that work on it.
//
// Lines: a line is read without its "\n", and a trailing "\r" is dropped, so
// a file with CRLF line ends reads the same as its LF twin. A last line
// without "\n" is a line like any other; an empty file has no lines.
//
// End of file, as a Fortran run-time handles it on a sequential file: reading
// past the last line gives UnitStatus::end_of_file and leaves the unit after
// the end-of-file mark; a further read there fails (UnitStatus::error).
// unit_backspace after the end-of-file mark goes back before the mark only
// (the next read gives end_of_file again); otherwise it steps back over the
// line read last; at the start of the file it does nothing. unit_rewind goes
// back to the first line.
//
// File names are fixed-length texts: the name ends at its first zero byte,
// trailing blanks are dropped (leading blanks belong to the name), and every
// "\" is opened as "/".
//
// Access: UnitAccess::read opens an existing file read-only; UnitAccess::write
// creates a file, or replaces it when it exists, for writing. Reading,
// stepping back and rewinding work on read units only; writing on write units
// only. A unit that is not open, or used against its access, gives
// UnitStatus::error and changes nothing.
//
// Unlike a Fortran run-time, one file may be open on several units at once
// (each with its own position); unit_of_file tells the lowest such unit.
//
// The table of units is one variable of the library: no two threads may use
// units at the same time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standsim {

enum class UnitAccess { read, write };

enum class UnitStatus { ok, end_of_file, error };

inline constexpr int32_t FIRST_POOL_UNIT = 101;
inline constexpr int32_t LAST_POOL_UNIT = 999;

// The name as it is handed to the file system (see above).
std::string open_name(std::string_view file_name);

// True when something of that name exists (a folder counts, as it does for a
// Fortran run-time's inquiry; opening it fails).
bool file_exists(std::string_view file_name);

// The lowest unit number from 101 to 999 on which no file is open, -1 when
// every one is in use.
int32_t lowest_free_unit();

bool unit_is_open(int32_t unit);

// The lowest unit on which the named file is open, -1 when it is open on none.
int32_t unit_of_file(std::string_view file_name);

// Opens the file on UNIT (non-negative, not already open). False when the unit
// cannot be used or the file cannot be opened; nothing is then open on UNIT.
bool unit_open(int32_t unit, std::string_view file_name, UnitAccess access);

// Closes UNIT, deleting its file when DELETE_FILE is set. Closing a unit that
// is not open does nothing and is no error; error means that the written data
// could not be flushed or the file could not be deleted.
UnitStatus unit_close(int32_t unit, bool delete_file = false);

UnitStatus unit_rewind(int32_t unit);

// Reads the next line into LINE (unchanged unless the status is ok).
UnitStatus unit_read_line(int32_t unit, std::string& line);

UnitStatus unit_backspace(int32_t unit);

// Writes LINE as it stands, followed by "\n".
UnitStatus unit_write_line(int32_t unit, std::string_view line);

// A file opened for the lifetime of the object on the lowest free unit and
// closed when the object goes away.
class OpenedUnit {
 public:
  OpenedUnit(std::string_view file_name, UnitAccess access);
  ~OpenedUnit();
  OpenedUnit(const OpenedUnit&) = delete;
  OpenedUnit& operator=(const OpenedUnit&) = delete;

  // False when no unit was free or the file could not be opened.
  bool is_open() const { return unit_ > 0; }
  int32_t number() const { return unit_; }

  // Closes the file now, deleting it when DELETE_FILE is set (see unit_close).
  UnitStatus close(bool delete_file = false);

 private:
  int32_t unit_ = -1;
};

}  // namespace standsim
