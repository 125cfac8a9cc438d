#pragma once
// Folder and existence tests on the file names the workbench keeps; "/" and
// "\" both separate folders, and a "\" opens as "/".

#include <string>

namespace tarvex {

// Everything up to and including the last "/", "\" or ":"; empty without one.
std::string FolderPart(const std::string& path);

// True when PATH names a regular file.
bool FileExists(const std::string& path);

}  // namespace tarvex
