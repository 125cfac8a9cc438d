#include "tarvex/window_logic/qsm_reference.h"

#include <algorithm>
#include <array>
#include <vector>

#include "standsim/support/column_data/column_data.h"
#include "standsim/support/keyed_lists/basekit_fil2list.h"
#include "standsim/support/keyed_lists/keyed_list.h"
#include "tarvex/data/number_text.h"
#include "tarvex/data/results_file.h"
#include "tarvex/data/text_lines.h"

namespace tarvex {
namespace {

// A line of a text file as it stands, its line end included, and as the
// model's readers read it: without its line feed and one "\r" before it.
struct FileLine {
  std::string_view whole, read;
};

std::vector<FileLine> LinesOf(std::string_view text) {
  std::vector<FileLine> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t feed = text.find('\n', begin);
    const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
    const std::string_view whole = text.substr(begin, end - begin);
    const std::string_view withoutFeed =
        whole.ends_with('\n') ? whole.substr(0, whole.size() - 1) : whole;
    lines.push_back({whole, WithoutCarriageReturn(withoutFeed)});
    begin = end;
  }
  return lines;
}

// The end of the first N comma-separated fields of LINE: the position of its
// N-th comma, or its end.
std::size_t EndOfFields(std::string_view line, int n) {
  std::size_t end = 0;
  for (int k = 0; k < n; ++k) {
    end = line.find(',', k == 0 ? 0 : end + 1);
    if (end == std::string_view::npos) return line.size();
  }
  return end;
}

// The value text of column J's reference line.
std::string ReferenceValue(int column, const std::string& resultsFile) {
  return resultsFile + ";\\" + FormatInt(column);
}

// The 1-based column whose name is the key of LINE (as read); 0 for none.
int ReferencedColumn(std::string_view line) {
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

std::optional<std::string> QsmResultsRefusal(std::string_view results) {
  for (const FileLine& line : LinesOf(results)) {
    if (line.read.starts_with('!')) continue;  // the header
    // The year and the six referenced values.
    if (EndOfFields(line.read, 1 + kQsmReferenceColumns) > standsim::COLUMN_DATA_LINE_LENGTH) {
      return "The values of year " + std::string(line.read.substr(0, EndOfFields(line.read, 1))) +
             " in the results file reach beyond character " +
             FormatInt(static_cast<long long>(standsim::COLUMN_DATA_LINE_LENGTH)) +
             " of their line, the last one the column-data reader reads";
    }
  }
  return std::nullopt;
}

std::string RewriteQsmReferences(std::string_view text, const std::string& resultsFile) {
  const std::vector<FileLine> lines = LinesOf(text);
  const std::string lineEnd =
      !lines.empty() && lines.front().whole.ends_with("\r\n") ? "\r\n" : "\n";
  std::array<bool, kQsmReferenceColumns> found{};
  std::string rewritten;
  const auto endLine = [&rewritten, &lineEnd] {
    if (!rewritten.empty() && !rewritten.ends_with('\n')) rewritten += lineEnd;
  };
  for (const FileLine& line : lines) {
    const int match = ReferencedColumn(line.read);
    if (match == 0) {
      rewritten += line.whole;
      continue;
    }
    found[static_cast<std::size_t>(match - 1)] = true;
    rewritten += '!';
    rewritten += line.whole;
    endLine();
    rewritten += QsmReferenceLine(match, resultsFile) + lineEnd;
  }
  for (int j = 1; j <= kQsmReferenceColumns; ++j) {
    if (found[static_cast<std::size_t>(j - 1)]) continue;
    endLine();
    rewritten += QsmReferenceLine(j, resultsFile) + lineEnd;
  }
  return rewritten;
}

std::optional<std::string> QsmKeysRefusal(std::string_view rewritten) {
  const std::vector<FileLine> lines = LinesOf(rewritten);
  const auto keys = std::count_if(lines.begin(), lines.end(), [](const FileLine& line) {
    standsim::KeyLine entry;
    return standsim::split_key_line(line.read, entry);
  });
  if (keys <= standsim::KEYLIST_MAXKEY) return std::nullopt;
  return "The rewritten file would hold " + FormatInt(static_cast<long long>(keys)) +
         " keys, more than the " + FormatInt(standsim::KEYLIST_MAXKEY) +
         " a QSM+ input file may hold";
}

}  // namespace tarvex
