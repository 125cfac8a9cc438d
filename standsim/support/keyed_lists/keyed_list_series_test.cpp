#include "standsim/support/keyed_lists/keyed_list_series.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standsim/support/keyed_lists/testing/hand_made_lists.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

using testing::add_entry;
using testing::line_text;

constexpr float UNTOUCHED = -7.0f;

std::string keymsg_text() { return std::string(KEYMSG.data(), KEYMSG.size()); }

class KeyedListSeries : public ::testing::Test {
 protected:
  void SetUp() override {
    KEYMSG.fill(' ');
    list_ = testing::empty_list();
    assign_text(list_->LISTDIR, folder_.folder());
  }

  TestFolder folder_;
  std::unique_ptr<KEYLIST> list_;
  std::vector<float> vec_ = std::vector<float>(30, UNTOUCHED);  // elements 1990..2019
};

TEST_F(KeyedListSeries, ANumberFillsTheYears) {
  add_entry(*list_, "NOx_dep", " 15");
  GETKEYTS(*list_, "NOx_dep", 1990, 1992, 2000, 1, vec_, nullptr);
  for (int y = 1990; y < 2020; ++y)
    EXPECT_EQ(vec_[y - 1990], y >= 1992 && y <= 2000 ? 15.0f : UNTOUCHED) << y;
  EXPECT_EQ(list_->GOT[0], 1);
  EXPECT_EQ(line_text(*list_, 1), padded(" 15", LINE_LENGTH));  // a number is not joined
  EXPECT_EQ(keymsg_text(), std::string(128, ' '));
}

TEST_F(KeyedListSeries, AFileReferenceIsJoinedToTheListFolder) {
  folder_.write("dep.dat", "!Year NOx\n1990 1.0\n2000 2.0\n");
  add_entry(*list_, "NOx_dep", "dep.dat;NOx");
  GETKEYTS(*list_, "NOx_dep", 1990, 1990, 2000, 1, vec_, nullptr);
  EXPECT_EQ(keymsg_text(), std::string(128, ' '));
  EXPECT_FLOAT_EQ(vec_[5], 1.5f);
  EXPECT_EQ(line_text(*list_, 1), padded(folder_.folder() + "dep.dat;NOx", LINE_LENGTH));

  // A name that is rooted, explicitly relative or has a drive is kept.
  for (const std::string& kept :
       {folder_.file("dep.dat") + ";NOx", std::string(".\\x.dat;1"), std::string("c:x.dat")}) {
    auto list = testing::empty_list();
    assign_text(list->LISTDIR, "/elsewhere/");
    add_entry(*list, "k", kept);
    GETKEYTS(*list, "k", 1990, 1990, 1991, 1, vec_, nullptr);
    EXPECT_EQ(line_text(*list, 1), padded(kept, LINE_LENGTH));
  }
}

TEST_F(KeyedListSeries, AFailedReadLeavesItsMessageInKeymsg) {
  add_entry(*list_, "NOx_dep", "missing.dat;NOx");
  GETKEYTS(*list_, "NOx_dep", 1990, 1990, 2000, 1, vec_, nullptr);
  EXPECT_EQ(keymsg_text().substr(0, 16), "xVARIN01: File  ");
  EXPECT_EQ(list_->GOT[0], 1);
  for (float v : vec_) EXPECT_EQ(v, UNTOUCHED);
}

TEST_F(KeyedListSeries, AnAbsentKeyTakesTheDefaultNeverBelowN0) {
  const float zero = 0.0f;
  GETKEYTS(*list_, "NH3_dep", 1990, 1995, 2000, 1, vec_, &zero);
  for (int y = 1990; y < 2020; ++y)
    EXPECT_EQ(vec_[y - 1990], y >= 1995 && y <= 2000 ? 0.0f : UNTOUCHED) << y;
  ASSERT_EQ(list_->NKEY, 1);
  EXPECT_EQ(list_->DEF[0], 1);
  EXPECT_EQ(list_->GOT[0], 1);

  // Years before N0 are not written; the rest of the range is.
  std::vector<float> short_vec(3, UNTOUCHED);  // elements 1..3
  GETKEYTS(*list_, "other", 1, -5, 2, 1, short_vec, &zero);
  EXPECT_EQ(short_vec, (std::vector<float>{0.0f, 0.0f, UNTOUCHED}));

  // An empty range writes nothing and still appends the key.
  GETKEYTS(*list_, "third", 1990, 2000, 1999, 1, vec_, &zero);
  EXPECT_EQ(list_->NKEY, 3);
  EXPECT_EQ(vec_[0], UNTOUCHED);

  // Without a default nothing changes.
  GETKEYTS(*list_, "fourth", 1990, 1990, 2019, 1, vec_, nullptr);
  EXPECT_EQ(list_->NKEY, 3);
  EXPECT_EQ(vec_[0], UNTOUCHED);
}

// ARR of 3 columns over the elements 1990..1999; element (c, t).
struct Columns {
  std::vector<float> arr = std::vector<float>(30, UNTOUCHED);
  float& at(int c, int t) { return arr[static_cast<std::size_t>((t - 1990) * 3 + c - 1)]; }
};

TEST_F(KeyedListSeries, TwoDimensionalSeriesOneColumnPerItem) {
  // The data years reach beyond the elements of ARR.
  folder_.write("dep.dat", "!Year a b\n1980 1.0 4.0\n2020 1.0 4.0\n");
  add_entry(*list_, "upt", "1.5|dep.dat;b");
  Columns cols;
  GETKEYTS2(3, 3, *list_, "upt", 1990, 1991, 1993, 1, cols.arr, nullptr);
  EXPECT_EQ(keymsg_text(), std::string(128, ' '));
  for (int t = 1990; t < 2000; ++t) {
    const bool filled = t >= 1991 && t <= 1993;
    EXPECT_EQ(cols.at(1, t), filled ? 1.5f : UNTOUCHED) << t;
    EXPECT_EQ(cols.at(2, t), filled ? 4.0f : UNTOUCHED) << t;
    EXPECT_EQ(cols.at(3, t), filled ? 4.0f : UNTOUCHED) << t;  // repeats the last item
  }
  EXPECT_EQ(line_text(*list_, 1), padded("1.5|dep.dat;b", LINE_LENGTH));
  EXPECT_EQ(list_->GOT[0], 1);
}

TEST_F(KeyedListSeries, TwoDimensionalSeriesKeepFailedColumns) {
  add_entry(*list_, "upt", "missing.dat|=|2");
  Columns cols;
  GETKEYTS2(3, 3, *list_, "upt", 1990, 1991, 1992, 1, cols.arr, nullptr);
  EXPECT_EQ(keymsg_text().substr(0, 16), "xVARIN01: File  ");
  EXPECT_EQ(cols.at(1, 1991), UNTOUCHED);  // the failed item's column as it was
  EXPECT_EQ(cols.at(1, 1992), UNTOUCHED);
  EXPECT_EQ(cols.at(2, 1991), -999999.0f);  // "=" writes its first year only
  EXPECT_EQ(cols.at(2, 1992), UNTOUCHED);
  EXPECT_EQ(cols.at(3, 1992), 2.0f);

  auto blank = testing::empty_list();
  add_entry(*blank, "upt", "");
  Columns untouched;
  GETKEYTS2(3, 3, *blank, "upt", 1990, 1991, 1992, 1, untouched.arr, nullptr);
  EXPECT_EQ(untouched.arr, Columns().arr);
  EXPECT_EQ(blank->GOT[0], 0);
}

TEST_F(KeyedListSeries, TwoDimensionalSeriesDefaults) {
  const float dfltv[2] = {1.0f, 2.0f};
  Columns cols;
  GETKEYTS2(3, 2, *list_, "upt", 1990, 1998, 1999, 1, cols.arr, dfltv);
  EXPECT_EQ(cols.at(1, 1998), 1.0f);
  EXPECT_EQ(cols.at(2, 1999), 2.0f);
  EXPECT_EQ(cols.at(3, 1999), UNTOUCHED);
  EXPECT_EQ(cols.at(1, 1997), UNTOUCHED);
  EXPECT_EQ(list_->DEF[0], 1);

  // No column to fill: the absent key is appended all the same.
  GETKEYTS2(3, 0, *list_, "none", 1990, 1998, 1999, 1, cols.arr, dfltv);
  ASSERT_EQ(list_->NKEY, 2);
  EXPECT_EQ(list_->DEF[1], 1);
}

TEST_F(KeyedListSeries, AReferenceTooLongWithItsFolderIsRefused) {
  // Cut to the value text, the reference would name the first column.
  const std::string folder = "/" + std::string(200, 'f') + "/";
  const std::string reference = std::string(50, 'd') + ".dat;\\12";
  assign_text(list_->LISTDIR, folder);
  add_entry(*list_, "NOx_dep", reference);
  add_entry(*list_, "upt", "1|" + reference);
  GETKEYTS(*list_, " NOx_dep", 1990, 1990, 2000, 1, vec_, nullptr);
  EXPECT_EQ(
      keymsg_text(),
      padded("xGETKEYTS: Reference of  NOx_dep  is longer than 256 characters with its folder!",
             128));
  EXPECT_EQ(line_text(*list_, 1), padded(reference, LINE_LENGTH));
  EXPECT_EQ(list_->GOT[0], 1);
  for (float v : vec_) EXPECT_EQ(v, UNTOUCHED);

  Columns cols;
  GETKEYTS2(3, 2, *list_, "upt", 1990, 1990, 1990, 1, cols.arr, nullptr);
  EXPECT_EQ(keymsg_text().substr(0, 38), "xGETKEYTS2: Reference of  upt  is long");
  EXPECT_EQ(cols.at(1, 1990), 1.0f);
  EXPECT_EQ(cols.at(2, 1990), UNTOUCHED);
}

}  // namespace
}  // namespace standsim
