#include "tarvex/data/text_helpers.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvex {
namespace {

using Items = std::vector<std::string>;

TEST(SplitString, SkipsLeadingTrailingAndRepeatedSeparators) {
  struct Case {
    std::string text, delimiters;
    Items items;
  };
  const Case cases[] = {
      {"  a, b,,c\n", " ,", {"a", "b", "c"}},
      {"     ", " ", {}},
      {"", " ", {}},
      {"one", " ", {"one"}},
      // a line feed and a zero character always separate
      {std::string("a\nb\0c", 5), ",", {"a", "b", "c"}},
      {"Picea abies", ",", {"Picea abies"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitString(c.text, c.delimiters), c.items) << c.text;
}

TEST(SubString, TakesThePartInsideTheText) {
  EXPECT_EQ(SubString("abcdef", 2, 3), "bcd");
  EXPECT_EQ(SubString("abcdef", 5, 10), "ef");
  EXPECT_EQ(SubString("abcdef", 7, 1), "");
  EXPECT_EQ(SubString("abcdef", 0, 2), "ab");
  EXPECT_EQ(SubString("abcdef", 3, 0), "");
}

}  // namespace
}  // namespace tarvex
