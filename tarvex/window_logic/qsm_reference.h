#pragma once
// Rewriting a QSM input file so that its uptake and litter keys read their
// yearly values from the columns of a results file: each line whose key is
// one of the six names is commented out with "!" and followed by a reference
// line "NAME     RESULTSFILE;\J"; the names no line held are appended. Every
// other line stays byte for byte, its line end included.

#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// The six keys, column J = 1..6 of the results file.
inline constexpr int kQsmReferenceColumns = 6;

// "NAME     RESULTSFILE;\J" for column J (1..6), without a line end.
std::string QsmReferenceLine(int column, const std::string& resultsFile);

// Why RESULTSFILE cannot be referred to from a QSM input file so that the
// model's readers take it back: a reference value longer than a key file's
// value text, or a name holding ";" or a quote. None when it can.
std::optional<std::string> QsmReferenceRefusal(const std::string& resultsFile);

// Why the columns that the references read cannot be read back from the
// results file RESULTS (its text): a year line whose first six values reach
// beyond the characters of a line that the column-data reader reads, which
// would read a value cut short. Names the first such year; none when every
// line can be read.
std::optional<std::string> QsmResultsRefusal(std::string_view results);

// The rewritten file from the text of the old one. A line's key is found as
// READ4UP's key-file reader finds it: in the line without its line feed and
// one "\r" before it, other control characters belonging to the key; a
// comma ends the key too. A matched line is kept behind "!" with its line
// end. The lines the rewrite adds end as the first line of the file does
// (CR LF or LF); a last line without a line end gets one when lines follow.
std::string RewriteQsmReferences(std::string_view text, const std::string& resultsFile);

// Why the rewritten file REWRITTEN would not read back: more keys than the
// key-file reader takes. None when it reads.
std::optional<std::string> QsmKeysRefusal(std::string_view rewritten);

}  // namespace tarvex
