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

TEST(ShellSort, SortsAscendingInPlace) {
  std::vector<int> values{5, 1, 4, 1};
  ShellSort(values);
  EXPECT_EQ(values, (std::vector<int>{1, 1, 4, 5}));

  std::vector<int> many{9, -3, 7, 7, 0, 12, -8, 5, 2, 2, 11};
  std::vector<int> sorted = many;
  std::sort(sorted.begin(), sorted.end());
  ShellSort(many);
  EXPECT_EQ(many, sorted);

  std::vector<int> one{3};
  ShellSort(one);
  EXPECT_EQ(one, std::vector<int>{3});
  ShellSort(std::span<int>());
}

TEST(MakeFullPath, CompletesOnlyRelativePaths) {
  struct Case {
    std::string path, folder, full;
  };
  const Case cases[] = {
      {"site.txt", "C:\\data\\", "C:\\data\\site.txt"},
      {"C:\\x\\site.txt", "C:\\data\\", "C:\\x\\site.txt"},
      {"\\x\\site.txt", "C:\\data\\", "\\x\\site.txt"},
      {"/x/site.txt", "/data/", "/x/site.txt"},
      {"s", "/data/", "s"},
      {"qsm/in.txt", "/data/", "/data/qsm/in.txt"},
      {"in.txt", "/data", "/data/in.txt"},
      {"in.txt", "", "in.txt"},
  };
  for (const Case& c : cases) {
    std::string path = c.path;
    MakeFullPath(path, c.folder);
    EXPECT_EQ(path, c.full) << c.path << " in " << c.folder;
  }
}

TEST(NativePath, OpensBackslashesAsSlashes) {
  EXPECT_EQ(NativePath("data\\qsm\\in.txt"), "data/qsm/in.txt");
  EXPECT_EQ(NativePath("/a/b"), "/a/b");
}

}  // namespace
}  // namespace tarvex
