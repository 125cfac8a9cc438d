#include "standsim/support/text/selection_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace standsim {
namespace {

using namespace std::string_literals;

TEST(SelectionParse, MarksTheSelectedItemsOrReportsAMalformedSelection) {
  struct Case {
    std::string text;
    int32_t n;
    std::string marks;  // USIT as digits
    int32_t nsel, ierr;
  };
  const Case cases[] = {
      {"          ", 10, "0000000000", 0, 0},
      {"1 3-5 8", 10, "1011100100", 5, 0},
      {"3 - 5", 6, "001110", 3, 0},
      {"2-4-6", 6, "011111", 5, 0},
      {"1 5 -7", 8, "10001110", 4, 0},
      {"2-", 4, "0100", 1, 0},
      {"  007  ", 8, "00000010", 1, 0},  // leading zeros
      {"1\0"
       "2"s,
       3, "110", 2, 0},  // a zero byte separates like a blank
      {"5-3", 6, "000010", 0, 1},
      {"0", 6, "000000", 0, 1},
      {"1,2", 6, "000000", 0, 1},
      {"-3", 6, "000000", 0, 1},
      {"7", 5, "00000", 0, 1},
      {"1 2 x", 5, "11000", 0, 1},       // marks before the fault stay, NSEL stays 0
      {"1 2\t", 5, "10000", 0, 1},       // a TAB right after the last number ends nothing
      {"4294967298", 5, "00000", 0, 1},  // would wrap around to 2 in 4 bytes
      {"99999999999999999999", 5, "00000", 0, 1},
      {"1-4294967297", 5, "10000", 0, 1},
  };
  for (const Case& c : cases) {
    std::vector<int32_t> usit(static_cast<std::size_t>(c.n), 7);
    int32_t nsel = -1, ierr = -1;
    SELPARSE(c.text, c.n, usit, nsel, ierr);
    std::string marks;
    for (int32_t u : usit) marks += std::to_string(u);
    EXPECT_EQ(marks, c.marks) << c.text;
    EXPECT_EQ(nsel, c.nsel) << c.text;
    EXPECT_EQ(ierr, c.ierr) << c.text;
  }
}

TEST(SelectionParse, EndsANumberThatFillsTheTextToItsLastPosition) {
  const std::string text = "2 12";
  std::vector<int32_t> usit(12);
  int32_t nsel = 0, ierr = 0;
  SELPARSE(text, 12, usit, nsel, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(nsel, 2);
  EXPECT_EQ(usit[11], 1);
}

}  // namespace
}  // namespace standsim
