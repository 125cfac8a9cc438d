#include "tarvex/workbench/qsm_reference.h"

#include <array>
#include <string_view>

#include "standsim/support/keyed_lists/basekit_fil2list.h"
#include "standsim/support/keyed_lists/keyed_list.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/results_file.h"

namespace tarvex {
namespace {

// The value text of column J's reference line.
std::string ReferenceValue(int column, const std::string& resultsFile) {
  return resultsFile + ";\\" + FormatInt(column);
}

// The 1-based column whose name is the key of LINE; 0 for none.
int ReferencedColumn(const std::string& line) {
  standsim::KeyLine entry;
  if (!standsim::split_key_line(line, entry)) return 0;
  const std::string_view key = entry.key.substr(0, entry.key.find(','));
  for (int j = 1; j <= kQsmReferenceColumns; ++j) {
    if (key == ResultColumnNames[static_cast<std::size_t>(j - 1)]) return j;
  }
  return 0;
}

}  // namespace

std::string QsmReferenceLine(int column, const std::string& resultsFile) {
  return std::string(ResultColumnNames[static_cast<std::size_t>(column - 1)]) + "     " +
         ReferenceValue(column, resultsFile);
}

std::optional<std::string> QsmReferenceRefusal(const std::string& resultsFile) {
  if (resultsFile.find_first_of(";\"'") != std::string::npos) {
    return "The name of the results file holds \";\" or a quote";
  }
  if (ReferenceValue(kQsmReferenceColumns, resultsFile).size() > standsim::LINE_LENGTH) {
    return "The path of the results file is longer than " +
           FormatInt(static_cast<int>(standsim::LINE_LENGTH) - 3) + " characters";
  }
  return std::nullopt;
}

std::vector<std::string> RewriteQsmReferences(const std::vector<std::string>& lines,
                                              const std::string& resultsFile) {
  std::array<bool, kQsmReferenceColumns> found{};
  std::vector<std::string> rewritten;
  for (const std::string& line : lines) {
    const int match = ReferencedColumn(line);
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
