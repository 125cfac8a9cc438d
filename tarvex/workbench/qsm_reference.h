#pragma once
// Rewriting a QSM input file so that its uptake and litter keys read their
// yearly values from the columns of a results file: each line whose key is
// one of the six names is commented out with "!" and followed by a reference
// line "NAME     RESULTSFILE;\J"; the names no line held are appended.

#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// The six keys, column J = 1..6 of the results file.
inline constexpr int kQsmReferenceColumns = 6;

// "NAME     RESULTSFILE;\J" for column J (1..6).
std::string QsmReferenceLine(int column, const std::string& resultsFile);

// Why RESULTSFILE cannot be referred to from a QSM input file so that the
// model's readers take it back: a reference value longer than a key file's
// value text, or a name holding ";" or a quote. None when it can.
std::optional<std::string> QsmReferenceRefusal(const std::string& resultsFile);

// The lines of the rewritten file from the lines of the old one (without
// their line ends). A line matches when its key, as the model's key-file
// reader takes it and ended at a comma too, equals a name exactly.
std::vector<std::string> RewriteQsmReferences(const std::vector<std::string>& lines,
                                              const std::string& resultsFile);

}  // namespace tarvex
