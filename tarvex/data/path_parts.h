#pragma once
// The parts of the file names the workbench keeps, their completion and
// existence; "/" and "\" both separate folders, and a "\" opens as "/".

#include <string>
#include <string_view>

namespace tarvex {

// Completes a relative PATH with FOLDER. A path is left as it is when it has
// fewer than two characters, starts with "/" or "\" (rooted) or has a drive
// colon as its second character. FOLDER normally ends with a separator; one
// is put between the two when it does not.
void MakeFullPath(std::string& path, std::string_view folder);

// True for the two folder separators "/" and "\".
bool IsPathSeparator(char c);

// PATH as the file system opens it: every "\" becomes "/".
std::string NativePath(std::string_view path);

// Everything up to and including the last "/", "\" or ":"; empty without one.
std::string FolderPart(const std::string& path);

// True when PATH names a regular file.
bool FileExists(const std::string& path);

}  // namespace tarvex
