#include "standsim/support/text/text_edit.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "standsim/support/text/fixed_text.h"
#include "standsim/support/text/logical_value.h"

namespace standsim {
namespace {

using namespace std::string_literals;

TEST(TextEdit, DelimitSqueezesBlankRunsOutsideQuotes) {
  struct Case {
    std::string sep, line, result;
    int32_t nsep;
  };
  const Case cases[] = {
      {",", "          ", "          ", 0},
      {",", "  a  b   c ", "a,b,c      ", 2},
      {";", "x 'a  b'  \"c  d\" y", "x;'a  b';\"c  d\";y ", 3},
      {",", "a 'b  c", "a,'b  c", 1},  // an unclosed quote keeps every blank after it
      {",", "a\tb  c", "a\tb,c ", 1},  // only the blank separates
      {" ", "a   b", "a b  ", 1},
      {",;", "a b", "a,b", 1},           // the first character of SEP
      {"", "a b", "a b", 1},             // an empty SEP is a blank
      {",", "'a b\" c", "'a b\",c", 1},  // either quote closes what either opened
  };
  for (const Case& c : cases) {
    int32_t nsep = -1;
    EXPECT_EQ(DELIMIT(c.sep, c.line, &nsep), c.result) << c.line;
    EXPECT_EQ(nsep, c.nsep) << c.line;
    EXPECT_EQ(DELIMIT(c.sep, c.line, nullptr), c.result) << c.line;
  }
}

TEST(TextEdit, WordGapFindsTheGapAfterAWord) {
  struct Case {
    int32_t ngap;
    std::string text;
    int32_t ibeg, iend;
  };
  const Case cases[] = {
      {1, "word      ", 0, 0},   {1, "ab   cd", 3, 5},
      {2, " a b\t\0c d"s, 5, 6}, {2, "a b", 0, 0},  // too short for two gaps
      {3, "a b c d", 6, 6},      {0, "a b", 0, 0},
      {-1, "a b", 0, 0},         {2, "aaaa bbbb", 0, 0},  // long enough, but one gap only
      {2147483647, "a b", 0, 0},
  };
  for (const Case& c : cases) {
    int32_t ibeg = -1, iend = -1;
    WORDGAP(c.ngap, c.text, ibeg, iend);
    EXPECT_EQ(ibeg, c.ibeg) << c.ngap << " [" << c.text << "]";
    EXPECT_EQ(iend, c.iend) << c.ngap << " [" << c.text << "]";
  }
}

TEST(TextEdit, ReplsubReplacesInPlaceWithinTheDeclaredLength) {
  struct Case {
    std::string cold, cnew, text, result;
  };
  const Case cases[] = {
      {"a", "aa", "aaa   ", "aaaaaa"},         // the inserted text is not searched again
      {"b ", " b  ", "b  a    ", " b   a  "},  // nor is COLD found inside it
      {"a", "", "banana", "bnn   "},           // an empty CNEW deletes
      {"an", "AN", "banana  ", "bANANa  "},
      {"x", "y", "abc ", "abc "},
      {"b", "xyz", "ab", "ax"},             // a replacement at the end writes what fits
      {"b", "xyz", "abcd", "axyz"},         // the tail pushed past the end is lost
      {"ab", "x", "abab  ab", "xx  x   "},  // the shrinking text is padded with blanks
      {"a ", "-", "a a a ",
       "--a   "},  // COLD with its trailing blank, found within the stretch only
      {"a", "b", "          ", "          "},
      {"", "b", "aaa", "aaa"},
      {"A", "b", "aaa", "aaa"},  // exact case
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    REPLSUB(c.cold, c.cnew, text);
    EXPECT_EQ(text, c.result) << c.cold << " -> " << c.cnew << " in [" << c.text << "]";
  }
}

TEST(TextEdit, SubargsFillsThePlaceholdersInOrder) {
  struct Case {
    std::vector<std::string> carr;
    std::string text, result;
  };
  const Case cases[] = {
      {{"x$2", "y"}, "<$1>        ", "<xy>        "},  // $2 inside CARR(1) is filled later
      {{"a", "b$1"}, "$2          ", "b$1         "},  // $1 inside CARR(2) stays
      {{"one"}, "$10         ", "one0        "},
      {{"", "z"}, "a$1b$2c     ", "abzc        "},  // a blank CARR(k) deletes its placeholder
      {{"", "", "", "", "", "", "", "", "nine"}, "$9$9   ", "ninenin"},
  };
  for (const Case& c : cases) {
    std::string bytes(9 * 5, ' ');
    const TextArray carr(bytes, 5);
    for (std::size_t k = 0; k < c.carr.size(); ++k)
      assign_text(carr[static_cast<int32_t>(k + 1)], c.carr[k]);
    std::string text = c.text;
    SUBARGS(carr, text);
    EXPECT_EQ(text, c.result) << c.text;
  }
}

TEST(TextEdit, UnquoteRemovesOneOuterPairOfEqualQuotes) {
  struct Case {
    std::string text, result;
  };
  const Case cases[] = {
      {"  'word'  ", "  word    "},
      {"\"a 'b' c\"", "a 'b' c  "},
      {"'a\"      ", "'a\"      "},
      {"          ", "          "},
      {"  '   ", "      "},  // one quote character alone
      {"''", "  "},
      {"'a' 'b'", "a' 'b  "},  // only the outer pair goes
      {"\t'x'\t", "\tx   "},
  };
  for (const Case& c : cases) EXPECT_EQ(UNQUOTE(c.text), c.result) << c.text;
}

TEST(TextEdit, Int2logIsTrueForEveryIntegerButZero) {
  for (const int32_t i : {1, -1, 2, std::numeric_limits<int32_t>::min()})
    EXPECT_EQ(INT2LOG(i), 1) << i;
  EXPECT_EQ(INT2LOG(0), 0);
}

}  // namespace
}  // namespace standsim
