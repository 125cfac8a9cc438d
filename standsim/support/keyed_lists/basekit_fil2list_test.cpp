#include "standsim/support/keyed_lists/basekit_fil2list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/keyed_lists/testing/hand_made_lists.h"
#include "standsim/support/text/fixed_text.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

using testing::key_text;
using testing::line_text;

class Fil2list : public ::testing::Test {
 protected:
  // Writes CONTENT to site.qsm in the test's folder and fills a list from it.
  Fil2listOverflow fill(const std::string& content) {
    return fill_from(folder_.write("site.qsm", content));
  }

  Fil2listOverflow fill_from(const std::string& path) {
    list_ = testing::empty_list();
    assign_text(list_->LISTNAME, "QSM");
    assign_text(list_->LISTFILE, path);
    const Fil2listOverflow overflow = FIL2LIST(*list_);
    EXPECT_EQ(lowest_free_unit(), FIRST_POOL_UNIT) << "the file was left open";
    return overflow;
  }

  TestFolder folder_;
  std::unique_ptr<KEYLIST> list_;
};

TEST_F(Fil2list, ReadsKeysAndLeftAdjustedValues) {
  const Fil2listOverflow overflow = fill(
      "! QSM input\n"
      "period   1990 2050   \n"
      "\n"
      "  ! indented comment\n"
      " \t \n"
      "\tNOx_dep\tdep.dat;NOx  ! kept\r\n"
      "NH3_dep 0.5\r\n"
      "flag\n"
      "period second\n"
      "last 1");  // no line end
  EXPECT_EQ(overflow.kind, Fil2listOverflow::NONE);
  ASSERT_EQ(list_->NKEY, 6);
  const std::pair<std::string, std::string> expected[] = {
      {"period", "1990 2050"}, {"NOx_dep", "dep.dat;NOx  ! kept"},
      {"NH3_dep", "0.5"},      {"flag", ""},
      {"period", "second"},    {"last", "1"},
  };
  for (int32_t i = 1; i <= 6; ++i) {
    EXPECT_EQ(key_text(*list_, i), padded(expected[i - 1].first, KEY_LENGTH)) << i;
    EXPECT_EQ(line_text(*list_, i), padded(expected[i - 1].second, LINE_LENGTH)) << i;
    EXPECT_EQ(list_->GOT[i - 1], 0);
    EXPECT_EQ(list_->DEF[i - 1], 0);
  }
  EXPECT_EQ(std::string(list_->LISTNAME, 16), padded("QSM", 16));
  EXPECT_EQ(std::string(list_->LISTFILE, LINE_LENGTH),
            padded(folder_.file("site.qsm"), LINE_LENGTH));
  EXPECT_EQ(std::string(list_->LISTDIR, LINE_LENGTH),
            std::string(LINE_LENGTH, '\0'));  // not the filler's
}

TEST_F(Fil2list, OpensBackslashesAsSlashes) {
  std::filesystem::create_directories(folder_.file("sub"));
  folder_.write("sub/a.qsm", "period 2000 2001\n");
  fill_from(folder_.folder() + "sub\\a.qsm");
  EXPECT_EQ(list_->NKEY, 1);
}

TEST_F(Fil2list, AMissingFileGivesAnEmptyList) {
  EXPECT_EQ(fill_from(folder_.file("none.qsm")).kind, Fil2listOverflow::NONE);
  EXPECT_EQ(list_->NKEY, 0);
  EXPECT_EQ(fill_from("").kind, Fil2listOverflow::NONE);
  EXPECT_EQ(list_->NKEY, 0);
}

TEST_F(Fil2list, FieldsFilledToTheirBoundsAreNoOverflow) {
  const std::string key(16, 'k'), value(256, 'v');
  EXPECT_EQ(fill(key + " " + value + "   \n").kind, Fil2listOverflow::NONE);
  ASSERT_EQ(list_->NKEY, 1);
  EXPECT_EQ(key_text(*list_, 1), key);
  EXPECT_EQ(line_text(*list_, 1), value);
}

TEST_F(Fil2list, ReportsTheFirstLineThatDoesNotFit) {
  std::string many;
  for (int i = 1; i <= 257; ++i) {
    many.append("k").append(std::to_string(i)).append(" ").append(std::to_string(i)).append("\n");
  }
  struct Case {
    std::string content;
    Fil2listOverflow::Kind kind;
    int32_t line, nkey;
  };
  const Case cases[] = {
      {"period 1 2\n! c\n" + std::string(17, 'k') + " 1\n", Fil2listOverflow::LONG_KEY, 3, 2},
      {"\n\na " + std::string(257, 'v') + "\nb " + std::string(17, 'k') + "\n",
       Fil2listOverflow::LONG_VALUE, 3, 2},
      {"! header\n" + many, Fil2listOverflow::FULL_LIST, 258, 256},
  };
  for (const Case& c : cases) {
    const Fil2listOverflow overflow = fill(c.content);
    EXPECT_EQ(overflow.kind, c.kind);
    EXPECT_EQ(overflow.line, c.line);
    EXPECT_EQ(list_->NKEY, c.nkey);
  }
  // Over-long texts are kept up to their fields' bounds.
  fill(std::string(20, 'k') + " " + std::string(300, 'v') + "\n");
  EXPECT_EQ(key_text(*list_, 1), std::string(16, 'k'));
  EXPECT_EQ(line_text(*list_, 1), std::string(256, 'v'));
}

}  // namespace
}  // namespace standsim
