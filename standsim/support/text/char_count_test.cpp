#include "standsim/support/text/char_count.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace standsim {
namespace {

TEST(CharCount, CountsOutsideOrInsideApostropheQuotesByMode) {
  struct Case {
    std::string text;
    int32_t mode1, mode2, mode3;
  };
  const Case cases[] = {
      {"a, 'b,c', d      ", 3, 2, 0},
      {"'a,b', c", 2, 1, 0},       // the leading apostrophe opens a quoted stretch
      {"a, \"b,c\", d", 3, 3, 0},  // a double quote does not
      {"          ", 0, 0, 0},
      {"\t,x,\t", 2, 2, 0},  // TABs at the ends are outside the stretch, not the commas
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CHCOUNT(1, ",", c.text), c.mode1) << c.text;
    EXPECT_EQ(CHCOUNT(2, ",", c.text), c.mode2) << c.text;
    EXPECT_EQ(CHCOUNT(3, ",", c.text), c.mode3) << c.text;
  }
  // An apostrophe searched for is counted and never opens a quote.
  EXPECT_EQ(CHCOUNT(2, "'", "a'b'c"), 2);
  // Only the first character of CH1 is looked for.
  EXPECT_EQ(CHCOUNT(1, ",;", "a,b;c"), 1);
}

TEST(CharCount, LocatesTheCountedOccurrences) {
  std::array<int32_t, 4> indv{-1, -1, -1, -1};
  int32_t n = -1;
  CHPOSV(2, ",", "a, 'b,c', d", n, indv);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(indv[0], 2);
  EXPECT_EQ(indv[1], 9);

  CHPOSV(1, ",", "        ", n, indv);
  EXPECT_EQ(n, 0);

  // Positions stop at the room INDV has.
  std::array<int32_t, 2> small{};
  CHPOSV(1, ",", ",,,,", n, small);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(small[1], 2);

  EXPECT_EQ(CHPOSN(2, 1, ",", "a, 'b,c', d"), 2);
  EXPECT_EQ(CHPOSN(2, 2, ",", "a, 'b,c', d"), 9);
  EXPECT_EQ(CHPOSN(1, 2, ",", "a, 'b,c', d"), 6);
  EXPECT_EQ(CHPOSN(2, 3, ",", "a, 'b,c', d"), 0);
  EXPECT_EQ(CHPOSN(2, 0, ",", "a, 'b,c', d"), 0);
  EXPECT_EQ(CHPOSN(2, -1, ",", "a, 'b,c', d"), 0);
}

}  // namespace
}  // namespace standsim
