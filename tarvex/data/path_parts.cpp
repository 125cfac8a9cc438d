#include "tarvex/data/path_parts.h"

#include <algorithm>
#include <filesystem>

namespace tarvex {

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

void MakeFullPath(std::string& path, std::string_view folder) {
  if (path.size() < 2 || IsPathSeparator(path[0]) || path[1] == ':') return;
  std::string full(folder);
  if (!full.empty() && !IsPathSeparator(full.back())) full += '/';
  path = full + path;
}

std::string NativePath(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string FolderPart(const std::string& path) {
  const auto end = path.find_last_of("/\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(NativePath(path), ec);
}

}  // namespace tarvex
