#include "standsim/support/text/string_lists.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "standsim/support/text/fixed_text.h"

namespace standsim {
namespace {

using namespace std::string_literals;

// A list of CAPACITY texts of LENGTH characters holding ENTRIES first.
class List {
 public:
  List(std::size_t length, std::size_t capacity, std::initializer_list<std::string> entries)
      : bytes_(length * capacity, ' '), array_(bytes_, length) {
    int32_t i = 0;
    for (const std::string& e : entries) assign_text(array_[++i], e);
  }
  const TextArray& operator*() const { return array_; }
  // The first N entries without their trailing blanks, then "|" and the rest.
  std::string show(int32_t n) const {
    std::string shown;
    for (int32_t i = 1; i <= array_.size(); ++i) {
      std::string_view t = array_.text(i);
      shown += std::string(t.substr(0, t.find_last_not_of(' ') + 1)) + (i == n ? "|" : ",");
    }
    return shown;
  }

 private:
  std::string bytes_;
  TextArray array_;
};

TEST(StringLists, AddcvecAddsWhatTheListLacks) {
  List cvec(4, 4, {});
  const List add(1, 3, {"a", "b", "a"});
  int32_t n = 0;
  ADDCVEC(n, *cvec, 3, *add);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(cvec.show(n), "a,b|,,");

  List longer(8, 4, {"abc"});
  const List other(3, 2, {"abc", "ABC"});
  n = 1;
  ADDCVEC(n, *longer, 2, *other);  // abc matches the entry stored with trailing blanks
  EXPECT_EQ(longer.show(n), "abc,ABC|,,");

  List shorter(2, 3, {"ab"});
  const List cut(4, 1, {"abcd"});
  n = 1;
  ADDCVEC(n, *shorter, 1, *cut);  // abcd differs from ab, and is cut to the list's length
  EXPECT_EQ(shorter.show(n), "ab,ab|,");
}

TEST(StringLists, FindsRepeatsAndEntries) {
  const List abab(1, 4, {"a", "b", "a", "b"});
  const List abc(1, 3, {"a", "b", "c"});
  EXPECT_EQ(CVECDUP(4, *abab), 4);
  EXPECT_EQ(CVECDUP(3, *abab), 3);
  EXPECT_EQ(CVECDUP(3, *abc), 0);
  EXPECT_EQ(CVECDUP(1, *abab), 0);

  int32_t ind = -1;
  EXPECT_EQ(INCVEC(0, *abab, "a", ind), 0);
  EXPECT_EQ(ind, 0);
  EXPECT_EQ(INCVEC(4, *abab, "b   ", ind), 1);
  EXPECT_EQ(ind, 2);
  EXPECT_EQ(INCVEC(4, *abab, "B", ind), 0);
  const List tabbed(2, 2, {"a\t", "a "});
  EXPECT_EQ(INCVEC(2, *tabbed, "a", ind), 1);  // a TAB is not a blank
  EXPECT_EQ(ind, 2);
}

TEST(StringLists, NcvecCountsUpToTheFirstBlankEntry) {
  EXPECT_EQ(NCVEC(*List(3, 5, {"a", "b", "\t", "d"})), 2);
  EXPECT_EQ(NCVEC(*List(3, 5, {"", "b", "c"})), 0);
  EXPECT_EQ(NCVEC(*List(3, 3, {"a", "\0\0\0"s, "c"})), 1);
  EXPECT_EQ(NCVEC(*List(1, 2, {"a", "b"})), 2);  // no blank entry: the whole list
}

TEST(StringLists, CvdisjTellsWhetherTwoListsShareAnEntry) {
  const List full(2, 3, {"a", "b", "c"});
  const List other(4, 2, {"x", "c"});
  EXPECT_EQ(CVDISJ(0, *full, 3, *full), 1);
  EXPECT_EQ(CVDISJ(3, *full, 0, *full), 1);
  EXPECT_EQ(CVDISJ(3, *full, 2, *other), 0);
  EXPECT_EQ(CVDISJ(2, *full, 1, *other), 1);
}

TEST(StringLists, SubcvecRemovesEveryEntryWithAGivenStart) {
  List cvec(3, 3, {"abc", "xab", "abd"});
  int32_t n = 3;
  SUBCVEC(2, n, *cvec, 1, *List(2, 1, {"ab"}));
  EXPECT_EQ(n, 1);
  EXPECT_EQ(cvec.show(n), "xab|,,");

  List blanks(2, 5, {"a", "", "b", ""});
  n = 4;  // the fifth, blank entry is not in use
  SUBCVEC(2, n, *blanks, 1, *List(2, 1, {""}));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(blanks.show(n), "a,b|,,,");

  List all(2, 3, {"a", "b", "c"});
  n = 3;
  SUBCVEC(0, n, *all, 1, *List(1, 1, {"z"}));
  EXPECT_EQ(n, 0);

  List two(2, 3, {"a", "b", "c"});
  n = 3;
  SUBCVEC(1, n, *two, 2, *List(1, 2, {"c", "a"}));
  EXPECT_EQ(two.show(n), "b|,,");
}

TEST(StringLists, UniqcvecKeepsFirstAppearancesInOrder) {
  struct Case {
    std::initializer_list<std::string> entries;
    int32_t n;
    std::string shown;
  };
  const Case cases[] = {
      {{"a", "b", "a", "c", "b"}, 3, "a,b,c|,,"},
      {{"a", "a", "a", "b"}, 2, "a,b|,,"},  // repeats side by side
  };
  for (const Case& c : cases) {
    List cvec(1, c.entries.size(), c.entries);
    int32_t n = static_cast<int32_t>(c.entries.size());
    UNIQCVEC(n, *cvec);
    EXPECT_EQ(n, c.n);
    EXPECT_EQ(cvec.show(n), c.shown);
  }
}

TEST(StringListsDeathTest, AddingToAFullListStops) {
  List cvec(1, 2, {"a", "b"});
  const List add(1, 1, {"c"});
  int32_t n = 2;
  EXPECT_DEATH(ADDCVEC(n, *cvec, 1, *add), "index 3 out of range");
}

}  // namespace
}  // namespace standsim
