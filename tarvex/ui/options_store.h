// The options the workbench keeps between runs: named, typed values below
// one key of the current user's registry.
#pragma once

#include <span>
#include <string>

namespace tarvex {

// One option. TYPE is "integer", "string" or "float" (exact, case-sensitive);
// VALUE is the value as text.
struct OptItem {
  std::string Name;
  std::string Type;
  std::string Value;
};

// The caller's options and the key that holds them; the store reads their
// names and types and reads or writes their values, and owns nothing.
struct OptVec {
  std::string KeyPath;  // below the current user's registry, e.g. "Software\KeldonKRC\Tarvex\v1.3"
  std::span<OptItem> Options;
};

// Writes every option in order: an "integer" as a 32-bit integer value, a
// "string" as a text value, a "float" as the eight bytes of a double. The
// first option that cannot be written (a value that does not convert, an
// unknown type, a failed write) ends the saving: it and the options after it
// are not written. True when every option was written.
bool SaveOptions(OptVec options);

// Reads every option's value in order: an integer in decimal, a text (a
// missing text reads as empty), a double in the workbench's number format.
// The first option that cannot be read (missing integer or number, a value of
// another data type, an unknown type) ends the loading: the options before it
// keep their new values, the others their old ones. True when the key was
// opened and every option was read.
bool LoadOptions(OptVec options);

}  // namespace tarvex
