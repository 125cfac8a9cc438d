// Small text and sorting helpers of the workbench.
#pragma once

#include <span>
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

// Sorts VALUES ascending in place with the gap sequence n/2, n/4, ..., 1.
void ShellSort(std::span<int> values);

// Completes a relative PATH with FOLDER. A path is left as it is when it has
// fewer than two characters, starts with "/" or "\" (rooted) or has a drive
// colon as its second character. FOLDER normally ends with a separator; one
// is put between the two when it does not.
void MakeFullPath(std::string& path, std::string_view folder);

// True for the two folder separators "/" and "\".
bool IsPathSeparator(char c);

// PATH as the file system opens it: every "\" becomes "/".
std::string NativePath(std::string_view path);

}  // namespace tarvex
