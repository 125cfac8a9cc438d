#include "tarvex/ui/qsm_reference.h"

#include <array>

#include "tarvex/data/number_text.h"
#include "tarvex/data/results_file.h"
#include "tarvex/data/text_helpers.h"

namespace tarvex {

std::string QsmReferenceLine(int column, const std::string& resultsFile) {
  return std::string(ResultColumnNames[static_cast<std::size_t>(column - 1)]) + "     " +
         resultsFile + ";\\" + FormatInt(column);
}

std::vector<std::string> RewriteQsmReferences(const std::vector<std::string>& lines,
                                              const std::string& resultsFile) {
  std::array<bool, kQsmReferenceColumns> found{};
  std::vector<std::string> rewritten;
  for (const std::string& line : lines) {
    const std::vector<std::string> items = SplitString(line, " ,\r");
    int match = 0;
    for (int j = 1; j <= kQsmReferenceColumns && !items.empty(); ++j) {
      if (items.front() == ResultColumnNames[static_cast<std::size_t>(j - 1)]) match = j;
    }
    if (match == 0) {
      rewritten.push_back(line);
      continue;
    }
    found[static_cast<std::size_t>(match - 1)] = true;
    rewritten.push_back("!" + line);
    rewritten.push_back(QsmReferenceLine(match, resultsFile));
  }
  for (int j = 1; j <= kQsmReferenceColumns; ++j) {
    if (!found[static_cast<std::size_t>(j - 1)])
      rewritten.push_back(QsmReferenceLine(j, resultsFile));
  }
  return rewritten;
}

}  // namespace tarvex
