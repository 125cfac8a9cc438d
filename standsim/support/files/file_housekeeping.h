// Small file services: the free unit number, stepping back or skipping lines
// on an open unit, deleting a file and finding the folder for temporary
// files.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace standsim {

// The lowest unit number from 101 to 999 on which no file is open; -1 when
// all are in use. Every routine of the library that opens a file for itself
// opens it on this number.
int32_t FREEUNIT();

// Steps back N lines on unit IU; nothing for N <= 0.
void BACKLINES(int32_t iu, int32_t n);

// Reads and drops the next N lines of unit IU (fewer at the end of the
// file); nothing for N <= 0.
void SKIPLINES(int32_t iu, int32_t n);

// Deletes the file FILNAM; when it is open on a unit, that unit is closed
// with the deletion. A blank name, a name that no file has, or the name of a
// folder does nothing.
void DELFILE(std::string_view filnam);

// The folder named by the first line of the pointer file "tmp.dat" in the
// current folder, or else of "\tmp.dat" (at the root), with "\" appended as
// EXTDIR does and cut to the length of DIR; blank when neither file exists
// or the pointer file is empty.
void TMPDIR(std::span<char> dir);

}  // namespace standsim
