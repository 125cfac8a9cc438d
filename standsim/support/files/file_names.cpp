#include "standsim/support/files/file_names.h"

#include <algorithm>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

bool is_folder_separator(char c) { return c == '\\' || c == '/'; }

// Position (1-based) of the last occurrence of C in TEXT, 0 when absent.
std::size_t last_position(std::string_view text, char c) {
  const std::size_t at = text.rfind(c);
  return at == std::string_view::npos ? 0 : at + 1;
}

// Position (1-based) of the extension marker of STRING, 0 when it has no
// extension.
std::size_t extension_marker(std::string_view string, char marker) {
  const std::size_t p = last_position(string, marker);
  const std::size_t folder_end =
      std::max({last_position(string, '\\'), last_position(string, '/'), std::size_t{1}});
  return p > folder_end ? p : 0;
}

}  // namespace

std::string FULLPATH(std::string_view dir, std::string_view file) {
  const std::size_t length = dir.size() + file.size();
  int32_t first = 0, last = 0;
  TRIMPOS(file, first, last);
  if (last == 0) return std::string(length, ' ');
  const std::size_t f = static_cast<std::size_t>(first - 1);
  const std::string_view name = without_trailing_blanks(file.substr(f));
  const bool drive = f + 1 < file.size() && file[f + 1] == ':';
  if (file[f] == '.' || is_folder_separator(file[f]) || drive) return padded(name, length);
  const std::string folder = TIDY(dir);
  return padded(std::string(without_trailing_blanks(folder)) + std::string(name), length);
}

std::string EXTDIR(std::string_view dir) {
  std::string result = std::string(dir) + ' ';
  int32_t first = 0, last = 0;
  TRIMPOS(dir, first, last);
  if (last > 0 && !is_folder_separator(dir[static_cast<std::size_t>(last - 1)])) {
    std::fill(result.begin() + last, result.end(), ' ');
    result[static_cast<std::size_t>(last)] = '\\';
  }
  return result;
}

std::string ADDEXT(std::string_view string, std::string_view ext) {
  const std::size_t length = string.size() + ext.size();
  if (ext.empty()) return padded(string, length);
  const std::size_t p = extension_marker(string, ext.front());
  const std::string_view name = without_trailing_blanks(string);
  if (p == 0) return padded(std::string(name) + std::string(ext), length);
  if (p != name.size()) return padded(string, length);
  return padded(std::string(name) + std::string(ext.substr(1)), length);
}

std::string NEWEXT(std::string_view string, std::string_view ext) {
  if (ext.empty()) return std::string(string);
  const std::size_t p = extension_marker(string, ext.front());
  if (p > 0)
    return padded(std::string(string.substr(0, p)) + std::string(ext.substr(1)), string.size());
  return padded(std::string(without_trailing_blanks(string)) + std::string(ext), string.size());
}

}  // namespace standsim
