// File names as fixed-length texts: joining a folder and a name, making sure
// a folder ends in a separator, and adding or replacing an extension.
//
// Both "\" and "/" separate folders where a name is tested; a separator
// added by these routines is "\" (the file units open it as "/"). Each
// routine returns a new text of the length given with it, blank padded.
#pragma once

#include <string>
#include <string_view>

namespace standsim {

// DIR (cleaned with TIDY, trailing blanks removed) followed directly by FILE
// without its leading and trailing blanks; FILE alone when it starts with
// ".", "\" or "/" or has ":" as its second character. No separator is put in
// between. A blank FILE gives a blank result. Length: DIR + FILE.
std::string FULLPATH(std::string_view dir, std::string_view file);

// DIR with a "\" after its last non-blank character unless that is a "\" or
// "/" already; a blank DIR stays blank. Length: DIR + 1.
std::string EXTDIR(std::string_view dir);

// STRING with the extension EXT added when it has none. The first character
// of EXT marks an extension; STRING has one when that character occurs
// after its last folder separator and not as its first character. A name
// ending in the marker gets EXT without its marker. An empty EXT adds
// nothing. Length: STRING + EXT.
std::string ADDEXT(std::string_view string, std::string_view ext);

// STRING with its extension (as for ADDEXT) replaced by EXT, or with EXT
// added when it has none, cut to the length of STRING. An empty EXT changes
// nothing.
std::string NEWEXT(std::string_view string, std::string_view ext);

}  // namespace standsim
