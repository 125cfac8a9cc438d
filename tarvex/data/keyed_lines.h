// Reading a text file of key lines: a key is the first word of a line; its
// value text is the rest of the line. Keys of a block are looked up after the
// block's marker line (a line whose first word is the marker) up to the next
// marker line (a first word starting with ">>"); keys read with an empty
// marker are looked up in the whole file. The order of the lines does not
// matter.
//
// Every problem raises TarvexError (ConversionError for a value that is not
// a number) with a message naming the file, the line, the key and the block.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class KeyedLines {
 public:
  // Reads FILENAME whole ("\" opens as "/"); a trailing "\r" is dropped from
  // every line. Raises "Cannot open Tarvex file NAME: REASON" when it cannot
  // be read.
  static KeyedLines FromFile(const std::string& fileName);

  KeyedLines(std::string fileName, std::vector<std::string> lines);

  const std::string& FileName() const { return fileName_; }
  const std::vector<std::string>& Lines() const { return lines_; }

  // True when a line's first word equals MARKER.
  bool HasMarker(std::string_view marker) const;

 private:
  std::string fileName_;
  std::vector<std::string> lines_;
};

// Where a key was found: the 0-based line and the value text after the key.
struct KeyedValue {
  std::size_t line;
  std::string_view text;
};

// The value of KEY in the block of MARKER; empty when the key is absent.
std::optional<KeyedValue> FindKey(const KeyedLines& file, std::string_view key,
                                  std::string_view marker);

// The prefix of a message about KEY in the block of MARKER: file, line (when
// the key was found) and key, and the cohort when MARKER is a cohort marker.
std::string KeyContext(const KeyedLines& file, std::string_view key, std::string_view marker,
                       const std::optional<KeyedValue>& found);

// One integer; 0 when the key is absent.
int ReadKeyInt(const KeyedLines& file, std::string_view key, std::string_view marker);

// One real number; 0.0 when the key is absent.
double ReadKeyDouble(const KeyedLines& file, std::string_view key, std::string_view marker);

// The rest of the key's line, without surrounding blanks, into VALUE: the
// empty text when the key is absent, VALUE unchanged when the key has no value.
void ReadKeyString(const KeyedLines& file, std::string_view key, std::string_view marker,
                   std::string& value);

// The blank-separated values of the key; none when the key is absent.
std::vector<int> ReadKeyIntArray(const KeyedLines& file, std::string_view key,
                                 std::string_view marker);
std::vector<double> ReadKeyDoubleArray(const KeyedLines& file, std::string_view key,
                                       std::string_view marker);
std::vector<std::string> ReadKeyStringArray(const KeyedLines& file, std::string_view key,
                                            std::string_view marker);

}  // namespace tarvex
