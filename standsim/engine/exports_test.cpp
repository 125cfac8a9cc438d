// libstandsim.so must export its entry points and nothing else: a stray
// export (a helper routine, an instantiation of a standard template) would
// become part of the library's binary interface.
#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

// The complete list of symbols the library exports.
const std::set<std::string> kExportedSymbols = {"GROWTH", "READ4UP"};

std::set<std::string> defined_dynamic_symbols(const std::string& library) {
  const std::string command = "nm -D --defined-only '" + library + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::set<std::string> names;
  if (!pipe) return names;
  char line[1024];
  while (std::fgets(line, sizeof line, pipe.get())) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const auto last_blank = text.find_last_of(' ');
    names.insert(last_blank == std::string::npos ? text : text.substr(last_blank + 1));
  }
  return names;
}

TEST(LibraryExports, ExactlyTheEntryPoints) {
  EXPECT_EQ(defined_dynamic_symbols(STANDSIM_LIBRARY_PATH), kExportedSymbols);
}

}  // namespace
