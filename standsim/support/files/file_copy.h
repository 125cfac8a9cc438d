// Copying text files with their comment lines dropped or cut off, and
// echoing a parameter file into a report.
//
// Lines are read as texts of 512 characters: a longer line is cut to 512.
// "CH" is a text whose first character is used (a blank for an empty CH).
// A source file that cannot be opened, or a copy that cannot be written,
// stops the process with a message naming the routine and the file; a copy
// is written under a temporary name beside DST and renamed over it when
// complete, so DST is never left half written.
#pragma once

#include <cstdint>
#include <string_view>

namespace standsim {

// Copies SRC to DST without the lines whose first character is CH(1:1);
// every other line is written with its trailing blanks removed.
void COPYFILE(std::string_view src, std::string_view dst, std::string_view ch);

// Copies SRC to DST, each line cut before its first CH(1:1): a line without
// one is written with its trailing blanks removed, a line that starts with it
// is dropped, any other line is written up to the character before it,
// blanks included.
void COPYCUT(std::string_view src, std::string_view dst, std::string_view ch);

// Writes FILNAM to unit |IU| (the caller's open unit, left open): the line
// PREFIX + "-- Begin: Parameters used by " + PROGNAME + " --", each line of
// FILNAM without its leading and trailing blanks after PREFIX, and the line
// PREFIX + "-- End: Parameters used by " + PROGNAME + " --". PREFIX and
// PROGNAME are written with their whole length. Nothing is written when IU
// is 0 or FILNAM cannot be opened.
void ECHOPAR(std::string_view progname, int32_t iu, std::string_view prefix,
             std::string_view filnam);

}  // namespace standsim
