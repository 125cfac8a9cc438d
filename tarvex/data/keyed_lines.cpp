#include "tarvex/data/keyed_lines.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "tarvex/data/number_text.h"
#include "tarvex/data/path_parts.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/data/text_helpers.h"
#include "tarvex/data/text_lines.h"

namespace tarvex {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kCohortMarker = ">>CohortNr_";

// The first word of LINE and the text that follows it.
struct SplitLine {
  std::string_view word;
  std::string_view rest;
};

SplitLine FirstWord(std::string_view line) {
  const auto begin = line.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  const auto end = std::min(line.find_first_of(kBlanks, begin), line.size());
  return {line.substr(begin, end - begin), line.substr(end)};
}

bool IsMarkerLine(std::string_view line) { return FirstWord(line).word.starts_with(">>"); }

template <typename T, typename Parse>
std::vector<T> ParseItems(const KeyedLines& file, std::string_view key, std::string_view marker,
                          const std::optional<KeyedValue>& found, Parse parse) {
  std::vector<T> values;
  if (!found) return values;
  for (const std::string& item : SplitString(found->text, " \t")) {
    try {
      values.push_back(parse(item));
    } catch (const ConversionError& e) {
      throw ConversionError(KeyContext(file, key, marker, found) + ": " + e.what(), e.Text());
    }
  }
  return values;
}

template <typename T, typename Parse>
T ParseSingle(const KeyedLines& file, std::string_view key, std::string_view marker, Parse parse) {
  const auto found = FindKey(file, key, marker);
  if (!found) return T{};
  const std::vector<T> values = ParseItems<T>(file, key, marker, found, parse);
  if (values.size() != 1) {
    throw TarvexError(KeyContext(file, key, marker, found) + ": one value expected, " +
                      FormatInt(static_cast<long long>(values.size())) + " found");
  }
  return values.front();
}

}  // namespace

KeyedLines::KeyedLines(std::string fileName, std::vector<std::string> lines)
    : fileName_(std::move(fileName)), lines_(std::move(lines)) {
  for (std::string& line : lines_) line.erase(WithoutCarriageReturn(line).size());
}

KeyedLines KeyedLines::FromFile(const std::string& fileName) {
  std::ifstream in(NativePath(fileName), std::ios::binary);
  if (!in) {
    throw TarvexError("Cannot open Tarvex file " + fileName + ": " + std::strerror(errno));
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  if (in.bad()) {
    throw TarvexError("Cannot read Tarvex file " + fileName + ": " + std::strerror(errno));
  }
  return KeyedLines(fileName, std::move(lines));
}

bool KeyedLines::HasMarker(std::string_view marker) const {
  for (const std::string& line : lines_) {
    if (FirstWord(line).word == marker) return true;
  }
  return false;
}

std::optional<KeyedValue> FindKey(const KeyedLines& file, std::string_view key,
                                  std::string_view marker) {
  const std::vector<std::string>& lines = file.Lines();
  std::size_t i = 0;
  const bool inBlock = !marker.empty();
  if (inBlock) {
    while (i < lines.size() && FirstWord(lines[i]).word != marker) ++i;
    if (i == lines.size()) return std::nullopt;
    ++i;
  }
  for (; i < lines.size(); ++i) {
    if (inBlock && IsMarkerLine(lines[i])) return std::nullopt;
    const SplitLine split = FirstWord(lines[i]);
    if (split.word == key) return KeyedValue{i, split.rest};
  }
  return std::nullopt;
}

std::string KeyContext(const KeyedLines& file, std::string_view key, std::string_view marker,
                       const std::optional<KeyedValue>& found) {
  std::string context = file.FileName();
  if (found) context += ", line " + FormatInt(static_cast<long long>(found->line + 1));
  context += ", key \"" + std::string(key) + "\"";
  if (marker.starts_with(kCohortMarker)) {
    context += " of cohort " + std::string(marker.substr(kCohortMarker.size()));
  } else if (!marker.empty()) {
    context += " after " + std::string(marker);
  }
  return context;
}

int ReadKeyInt(const KeyedLines& file, std::string_view key, std::string_view marker) {
  return ParseSingle<int>(file, key, marker, ParseInt);
}

double ReadKeyDouble(const KeyedLines& file, std::string_view key, std::string_view marker) {
  return ParseSingle<double>(file, key, marker, ParseDouble);
}

void ReadKeyString(const KeyedLines& file, std::string_view key, std::string_view marker,
                   std::string& value) {
  const auto found = FindKey(file, key, marker);
  if (!found) {
    value.clear();
    return;
  }
  const std::string_view text = WithoutSurroundingBlanks(found->text);
  if (!text.empty()) value = text;
}

std::vector<int> ReadKeyIntArray(const KeyedLines& file, std::string_view key,
                                 std::string_view marker) {
  return ParseItems<int>(file, key, marker, FindKey(file, key, marker), ParseInt);
}

std::vector<double> ReadKeyDoubleArray(const KeyedLines& file, std::string_view key,
                                       std::string_view marker) {
  return ParseItems<double>(file, key, marker, FindKey(file, key, marker), ParseDouble);
}

std::vector<std::string> ReadKeyStringArray(const KeyedLines& file, std::string_view key,
                                            std::string_view marker) {
  const auto found = FindKey(file, key, marker);
  if (!found) return {};
  return SplitString(found->text, " \t");
}

}  // namespace tarvex
