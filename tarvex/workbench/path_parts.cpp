#include "tarvex/workbench/path_parts.h"

#include <filesystem>

#include "tarvex/data/text_helpers.h"

namespace tarvex {

std::string FolderPart(const std::string& path) {
  const auto end = path.find_last_of("/\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(NativePath(path), ec);
}

}  // namespace tarvex
