#include "standsim/support/text/line_items.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "standsim/support/text/fixed_text.h"
#include "testing/reference_output.h"

namespace standsim {
namespace {

using namespace std::string_literals;

// A text array of COUNT texts of LENGTH characters, filled with "#".
struct Texts {
  Texts(int32_t count, std::size_t length)
      : bytes(static_cast<std::size_t>(count) * length, '#'), length(length) {}
  TextArray array() { return TextArray(bytes, length); }
  std::string text(int32_t i) const {
    return bytes.substr(static_cast<std::size_t>(i - 1) * length, length);
  }
  std::string bytes;
  std::size_t length;
};

TEST(LineItems, NitemsCountsTheLargerKindOfSeparator) {
  const std::pair<std::string, int32_t> cases[] = {
      {"        ", 0}, {"abc", 1},     {"a  b", 2},          {"1 2 3", 3},
      {"1,2,3", 3},    {"1, 2, 3", 3}, {"1 2,3", 2},         {"'a b' c", 2},
      {"'a,b',c", 2},  {"a,b,", 3},    {"\ta\0\tb\0\0"s, 2}, {"\"a b\" c", 3},
  };
  for (const auto& [text, count] : cases) EXPECT_EQ(NITEMS(text), count) << '[' << text << ']';
}

TEST(LineItems, Str2vecCutsAtSeparatorsAndStripsQuotes) {
  struct Case {
    std::string text;
    int32_t n;
    char dlim;
    const char* seps;  // nullptr: the default set
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"a|b||c", 5, ' ', "|", {"a", "b", "c"}},
      {"a|b|", 5, ' ', "|", {"a", "b", ""}},
      {"a|b|c", 2, ' ', "|", {"a", "b"}},
      {"'new york' paris", 5, '\'', nullptr, {"new york", "paris"}},
      {"'new york' paris", 5, ' ', nullptr, {"'new", "york'", "paris"}},
      {" a.dat | 2.5 ", 5, ' ', "|", {"a.dat", "2.5"}},
      {"'a|b", 5, '\'', "|", {"a|b"}},  // an unclosed quote keeps the rest of the text
      {"|", 5, ' ', "|", {""}},
      {"   ", 5, ' ', nullptr, {}},
      {"a b", 0, ' ', nullptr, {}},
      {"abcdefghijk z", 5, ' ', nullptr, {"abcdefgh", "z"}},  // cut to the length of an item
      {"'abcdefgh' z", 5, '\'', nullptr, {"abcdefgh", "z"}},  // the quotes take no room
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Texts cvec(5, 8);
    int32_t nout = -1;
    const std::string_view seps = c.seps != nullptr ? c.seps : "";
    STR2VEC(c.text, c.n, cvec.array(), nout, c.dlim, c.seps != nullptr ? &seps : nullptr);
    ASSERT_EQ(nout, static_cast<int32_t>(c.items.size()));
    for (int32_t i = 1; i <= nout; ++i) EXPECT_EQ(cvec.text(i), padded(c.items[i - 1], 8));
    if (nout < 5) {
      EXPECT_EQ(cvec.text(nout + 1), std::string(8, '#'));  // nothing beyond NOUT is written
    }
  }
}

TEST(LineItems, SplitsepCutsAtTheFirstSeparatorsOutsideQuotes) {
  struct Case {
    std::string line;
    int32_t n;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"dir\\f.dat;2*NOx", 2, {"dir\\f.dat", "2*NOx"}},
      {"a;b;c", 2, {"a", "b;c"}},
      {"  f.dat   ", 2, {"  f.dat", ""}},  // leading blanks stay in the first piece
      {"'a;b';c", 2, {"'a;b'", "c"}},
      {"\"a;b\";c", 2, {"\"a;b\"", "c"}},
      {"f.dat;", 2, {"f.dat", ""}},
      {"a;b;c", 3, {"a", "b", "c"}},
      {"a;b;c", 1, {"a;b;c"}},
      {"\t\0"s, 2, {"", ""}},
      {"f.dat; NOx_dep+2 \0\0"s, 2, {"f.dat", " NOx_dep+2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Texts lines(3, 12);
    SPLITSEP(c.line, ";", c.n, lines.array());
    for (int32_t i = 1; i <= c.n; ++i) EXPECT_EQ(lines.text(i), padded(c.pieces[i - 1], 12));
    if (c.n < 3) {
      EXPECT_EQ(lines.text(c.n + 1), std::string(12, '#'));
    }
  }
  Texts lines(2, 4);
  SPLITSEP("a;b", "", 2, lines.array());
  EXPECT_EQ(lines.bytes, "a;b     ");
}

TEST(LineItems, ItemnrFindsWholeItemsWithQuotesKept) {
  const std::string_view header_seps("\0\t ,", 4);
  struct Case {
    std::string line, name;
    int32_t number;
  };
  const Case cases[] = {
      {"Year,NOx, NH3", "NH3", 3},
      {"Year,NOx, NH3", "  NOx  ", 2},
      {"Year,NOx, NH3", "SO2", 0},
      {"Year,NOx_dep", "NOx", 0},
      {"Year 'NOx' NH3", "NOx", 0},
      {"Year 'NOx' NH3", "'NOx'", 2},
      {"Year 'a b' NH3", "NH3", 3},
      {"Year,,NOx", "NOx", 2},
      {"Year NOx", "nox", 0},
      {"Year NOx", "   ", 0},
      {"   ", "NOx", 0},
      {"  Year\tNOx\0"s, "Year", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line + " / " + c.name);
    EXPECT_EQ(ITEMNR(c.line, c.name, &header_seps), c.number);
  }
  EXPECT_EQ(ITEMNR("a,b c", "c"), 2);  // default separators: the comma is no separator
}

TEST(LineItems, ItemnrqComparesStrippedItems) {
  EXPECT_EQ(ITEMNRQ("'new york' paris", "paris", '\''), 2);
  EXPECT_EQ(ITEMNRQ("'new york' paris", "new york", '\''), 1);
  EXPECT_EQ(ITEMNRQ("NOx_dep NOx", "NOx", ' '), 2);  // a longer item is not equal
  EXPECT_EQ(ITEMNRQ("a|b|", "c", ' ', nullptr), 0);
  const std::string_view bar("|");
  EXPECT_EQ(ITEMNRQ("a|b|", "b", ' ', &bar), 2);
  EXPECT_EQ(ITEMNRQ("a|b|", "c", ' ', &bar), 0);
}

TEST(LineItems, OnecharWantsExactlyOneCharacter) {
  const std::pair<std::string, bool> cases[] = {
      {"   =   ", true}, {"=", true},   {"\t=\0"s, true}, {"==", false},
      {"=x", false},     {"  ", false}, {"", false},      {"-", false},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ONECHAR(text, '='), expected) << '[' << text << ']';
}

struct IntegerText {
  int32_t value, n, m;  // m -1: no M
  std::string text;
};

// What the Fortran run-time writes for each value and descriptor, as the
// build's run of line_items_reference.f90 (beside this file) printed it.
std::vector<IntegerText> integer_texts() {
  std::ifstream in(LINE_ITEMS_REFERENCE);
  std::vector<IntegerText> texts;
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string_view> f = bar_fields(line);
    IntegerText t;
    if (f.size() != 4 || !field_value(f[0], t.value) || !field_value(f[1], t.n) ||
        !field_value(f[2], t.m)) {
      ADD_FAILURE() << "unreadable reference line: " << line;
      continue;
    }
    t.text = f[3];
    texts.push_back(t);
  }
  return texts;
}

TEST(LineItems, I2cWritesAsAnIntegerEditDescriptor) {
  const std::vector<IntegerText> cases = integer_texts();
  ASSERT_FALSE(cases.empty()) << LINE_ITEMS_REFERENCE;
  for (const IntegerText& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " i" + std::to_string(c.n) + "." + std::to_string(c.m));
    EXPECT_EQ(I_2_C(c.value, c.n, c.m < 0 ? nullptr : &c.m), c.text);
  }
  const int32_t m = 4;
  EXPECT_EQ(I_2_C(5, 3, &m), "***");  // more digits asked than the field holds
}

}  // namespace
}  // namespace standsim
