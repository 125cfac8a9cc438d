#include "tarvex/data/text_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tarvex {
namespace {

TEST(ReadTextLine, DropsOneCarriageReturnBeforeEachLineFeed) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\r\nb\rc\r", {"a\r", "b\rc"}},
      {"\r\n\r\n", {"", ""}},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    std::vector<std::string> lines;
    for (std::string line; ReadTextLine(in, line);) lines.push_back(line);
    EXPECT_EQ(lines, c.lines) << c.text;
  }
}

}  // namespace
}  // namespace tarvex
