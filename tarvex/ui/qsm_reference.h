#pragma once
// Rewriting a QSM input file so that its uptake and litter keys read their
// yearly values from the columns of a results file: each line whose key is
// one of the six names is commented out with "!" and followed by a reference
// line "NAME     RESULTSFILE;\J"; the names no line held are appended.

#include <string>
#include <vector>

namespace tarvex {

// The six keys, column J = 1..6 of the results file.
inline constexpr int kQsmReferenceColumns = 6;

// "NAME     RESULTSFILE;\J" for column J (1..6).
std::string QsmReferenceLine(int column, const std::string& resultsFile);

// The lines of the rewritten file from the lines of the old one (without
// their line ends). A line matches when its first item, split at blanks and
// commas, equals a name exactly.
std::vector<std::string> RewriteQsmReferences(const std::vector<std::string>& lines,
                                              const std::string& resultsFile);

}  // namespace tarvex
