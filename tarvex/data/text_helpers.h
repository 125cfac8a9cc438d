// Small text helpers of the workbench: blanks at the ends, items and parts
// of a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// TEXT without the blanks and TABs at either end: a text value as the
// Tarvex file's reader takes it.
std::string_view WithoutSurroundingBlanks(std::string_view text);

// The items of TEXT: maximal runs of characters that are none of DELIMITERS,
// a line feed or a zero character. Separators never make empty items.
std::vector<std::string> SplitString(std::string_view text, std::string_view delimiters);

// LENGTH characters of TEXT from the 1-based position START; the part that
// lies outside the text is left out (a START below 1 counts from 1).
std::string SubString(std::string_view text, int start, int length);

}  // namespace tarvex
