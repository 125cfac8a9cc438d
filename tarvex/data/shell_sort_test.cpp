#include "tarvex/data/shell_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvex {
namespace {

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

}  // namespace
}  // namespace tarvex
