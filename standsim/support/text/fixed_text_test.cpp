#include "standsim/support/text/fixed_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace standsim {
namespace {

using namespace std::string_literals;

TEST(FixedText, TidyTurnsZeroBytesAndTabsIntoBlanks) {
  EXPECT_EQ(TIDY("ab\tcd"), "ab cd");
  EXPECT_EQ(TIDY("\0\0\0"s), "   ");
  EXPECT_EQ(TIDY("x\ny\r"), "x\ny\r");  // only zero bytes and TABs change
}

TEST(FixedText, Byte2StrStopsAtTheFirstZeroByte) {
  std::array<unsigned char, 8> bytes{'a', '\t', 'b', 0, 'z', 'z', 'z', 'z'};
  EXPECT_EQ(BYTE2STR(bytes), "a\tb     ");
  bytes[0] = 0;
  EXPECT_EQ(BYTE2STR(bytes), "        ");
  const std::array<unsigned char, 3> full{'x', 'y', 'z'};
  EXPECT_EQ(BYTE2STR(full), "xyz");
}

TEST(FixedText, Str2ByteCopiesAtMostNMinusOneBytesAndAZero) {
  std::array<unsigned char, 16> bytes;
  bytes.fill('#');
  STR2BYTE("abc       ", 128, bytes.data());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 11), "abc       "s + '\0');
  EXPECT_EQ(bytes[11], '#');

  bytes.fill('#');
  STR2BYTE("abc", 1, bytes.data());
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], '#');

  bytes.fill('#');
  STR2BYTE("abcdef", 4, bytes.data());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "abc\0#"s);

  bytes.fill('#');
  STR2BYTE("abc", 0, bytes.data());
  STR2BYTE("abc", -5, bytes.data());
  EXPECT_EQ(bytes[0], '#');
}

TEST(FixedText, TrimPosFindsTheNonBlankPart) {
  struct Case {
    std::string text;
    int32_t first, last;
  };
  const Case cases[] = {
      {"        ", 0, 0}, {"\t\0\t"s, 0, 0}, {"  abc   ", 3, 5},
      {"x", 1, 1},        {"", 0, 0},        {"\ta\0"s, 2, 2},
  };
  for (const Case& c : cases) {
    int32_t first = -1, last = -1;
    TRIMPOS(c.text, first, last);
    EXPECT_EQ(first, c.first) << '"' << c.text << '"';
    EXPECT_EQ(last, c.last) << '"' << c.text << '"';
  }
}

TEST(FixedText, AssignmentPadsOrCuts) {
  EXPECT_EQ(padded("ab", 4), "ab  ");
  EXPECT_EQ(padded("abcdef", 3), "abc");
  EXPECT_EQ(padded("", 0), "");
}

}  // namespace
}  // namespace standsim
