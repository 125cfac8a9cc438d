#include "standsim/support/sorts_and_searches/index_sorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "standsim/support/sorts_and_searches/index_quicksort.h"

namespace standsim {
namespace {

using Index = std::vector<int32_t>;

// The index that each of INDEXI, INDEXR and INDEXD gives for the same keys;
// the test fails unless all three agree.
Index sorted_index(const std::vector<int32_t>& keys) {
  const int32_t n = static_cast<int32_t>(keys.size());
  const std::vector<float> reals(keys.begin(), keys.end());
  const std::vector<double> doubles(keys.begin(), keys.end());
  Index by_int(keys.size()), by_real(keys.size()), by_double(keys.size());
  INDEXI(n, keys, by_int);
  INDEXR(n, reals, by_real);
  INDEXD(n, doubles, by_double);
  EXPECT_EQ(by_real, by_int);
  EXPECT_EQ(by_double, by_int);
  return by_int;
}

struct OrderCase {
  const char* name;
  std::vector<int32_t> keys;
  Index expected;
};

TEST(IndexSorts, EqualKeysEndInTheOrderThePartitionLeaves) {
  const std::vector<OrderCase> cases{
      {"insertion keeps equal keys in order", {3, 1, 3, 2}, {2, 4, 1, 3}},
      {"eight equal keys", std::vector<int32_t>(8, 5), {6, 4, 7, 1, 5, 2, 3, 8}},
      {"ten equal keys", std::vector<int32_t>(10, 5), {7, 5, 9, 8, 1, 6, 2, 4, 3, 10}},
      {"distinct keys", {4, 8, 1, 9, 2, 7, 3, 6, 5, 0}, {10, 3, 5, 7, 1, 9, 8, 6, 2, 4}},
      {"one key", {42}, {1}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(sorted_index(c.keys), c.expected);
  }
}

TEST(IndexSorts, NoKeysLeaveTheIndexAsItWas) {
  const std::vector<int32_t> keys{3, 1};
  Index indx{77, 88};
  INDEXI(0, keys, indx);
  INDEXI(-3, keys, indx);
  INDEXC(4, 0, {}, indx);
  EXPECT_EQ(indx, (Index{77, 88}));
}

TEST(IndexSorts, RandomTieHeavyVectorsGiveASortedPermutation) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    const std::size_t n = std::uniform_int_distribution<std::size_t>(1, 400)(random);
    const int32_t distinct = std::uniform_int_distribution<int32_t>(1, 6)(random);
    std::vector<int32_t> keys(n);
    for (int32_t& k : keys) k = std::uniform_int_distribution<int32_t>(-distinct, distinct)(random);
    if (round % 10 == 0) std::sort(keys.begin(), keys.end());
    if (round % 10 == 1) std::sort(keys.rbegin(), keys.rend());

    const Index indx = sorted_index(keys);
    Index positions = indx;
    std::sort(positions.begin(), positions.end());
    Index one_to_n(n);
    std::iota(one_to_n.begin(), one_to_n.end(), 1);
    ASSERT_EQ(positions, one_to_n) << "not a permutation, n = " << n;
    for (std::size_t j = 1; j < n; ++j) {
      ASSERT_LE(keys[indx[j - 1] - 1], keys[indx[j] - 1]) << "unsorted at " << j << ", n = " << n;
    }
  }
}

TEST(IndexSorts, TextsSortByTheKeyOfTheirLeadingCharacters) {
  struct TextCase {
    const char* name;
    int32_t nchar;
    std::vector<std::string_view> texts;
    Index expected;
  };
  const std::vector<TextCase> cases{
      {"first two characters", 2, {"pear ", "apple", "plum "}, {2, 1, 3}},
      {"only the last four of five count", 5, {"abcde", "zbcdd"}, {2, 1}},
      {"the first character counts for NCHAR below 1", 0, {"b", "a", "c"}, {2, 1, 3}},
      {"a high first byte makes a four-character key negative",
       4,
       {"abcd", "\xE9tre", "Zulu"},
       {2, 3, 1}},
      {"a high first byte stays positive below four characters",
       3,
       {"abcd", "\xE9tre", "Zulu"},
       {3, 1, 2}},
      {"an empty text counts as a blank", 1, {"a", "", "!"}, {2, 3, 1}},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    Index indx(c.texts.size());
    INDEXC(c.nchar, static_cast<int32_t>(c.texts.size()), c.texts, indx);
    EXPECT_EQ(indx, c.expected);
  }
}

TEST(IndexSorts, RanksInvertTheIndex) {
  Index irank(4);
  INDX2RANK(4, Index{2, 4, 1, 3}, irank);
  EXPECT_EQ(irank, (Index{3, 1, 4, 2}));

  const std::vector<int32_t> keys{5, -2, 5, 9, 0, 5, 5, -2, 7, 1, 5, 3};
  const int32_t n = static_cast<int32_t>(keys.size());
  Index indx(keys.size()), ranks(keys.size());
  INDEXI(n, keys, indx);
  INDX2RANK(n, indx, ranks);
  for (int32_t p = 1; p <= n; ++p) EXPECT_EQ(indx[ranks[p - 1] - 1], p);
}

TEST(IndexSortsDeathTest, AFullPartitionStackStopsTheProcess) {
  // 30 distinct keys need two pending segments; a stack of one pair overflows.
  std::vector<int32_t> keys(30);
  std::iota(keys.rbegin(), keys.rend(), 0);
  Index indx(keys.size());
  std::array<int32_t, 2> istack;
  auto key = [&](int32_t p) { return keys[p - 1]; };
  EXPECT_EXIT(index_quicksort("INDEXR", 30, key, indx, istack),
              testing::ExitedWithCode(EXIT_FAILURE), "INDEXR: nstack too small!");
}

TEST(IndexSortsDeathTest, VectorsShorterThanNStopTheProcess) {
  const std::vector<int32_t> keys{1, 2, 3};
  Index indx(2);
  EXPECT_EXIT(INDEXI(3, keys, indx), testing::ExitedWithCode(EXIT_FAILURE),
              "INDEXI: INDX holds fewer than 3 elements!");
  Index ranks(3);
  EXPECT_EXIT(INDX2RANK(2, Index{1, 4}, ranks), testing::ExitedWithCode(EXIT_FAILURE),
              "INDX2RANK: subscript 4 outside IRANK!");
}

}  // namespace
}  // namespace standsim
