#include "standsim/support/sorts_and_searches/heapsorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace standsim {
namespace {

using Ints = std::vector<int32_t>;

struct Sorted {
  Ints keys;
  Ints companion;
};

// Sorts KEYS with ORIGIN as companion by each of HEAPSORTI, HEAPSORTR and
// HEAPSORTD; the test fails unless all three agree.
Sorted heapsorted(const Ints& keys, const Ints& origin) {
  const int32_t n = static_cast<int32_t>(keys.size());
  Ints ia = keys, ib = origin;
  std::span<int32_t> ib_span(ib);
  HEAPSORTI(n, ia, &ib_span);

  std::vector<float> ra(keys.begin(), keys.end()), rb(origin.begin(), origin.end());
  std::span<float> rb_span(rb);
  HEAPSORTR(n, ra, &rb_span);
  EXPECT_EQ(Ints(ra.begin(), ra.end()), ia);
  EXPECT_EQ(Ints(rb.begin(), rb.end()), ib);

  std::vector<double> da(keys.begin(), keys.end()), db(origin.begin(), origin.end());
  std::span<double> db_span(db);
  HEAPSORTD(n, da, nullptr, &db_span);
  EXPECT_EQ(Ints(da.begin(), da.end()), ia);
  EXPECT_EQ(Ints(db.begin(), db.end()), ib);
  return {ia, ib};
}

TEST(Heapsorts, CompanionsFollowTheKeysAndEqualKeysEndInHeapOrder) {
  struct Case {
    const char* name;
    Ints keys, companion;
    Sorted expected;
  };
  const std::vector<Case> cases{
      {"three keys", {3, 1, 2}, {30, 10, 20}, {{1, 2, 3}, {10, 20, 30}}},
      {"three equal keys", {7, 7, 7}, {1, 2, 3}, {{7, 7, 7}, {2, 3, 1}}},
      {"five equal keys", {7, 7, 7, 7, 7}, {1, 2, 3, 4, 5}, {{7, 7, 7, 7, 7}, {2, 3, 4, 5, 1}}},
      {"two pairs", {2, 1, 2, 1}, {1, 2, 3, 4}, {{1, 1, 2, 2}, {2, 4, 3, 1}}},
      // The right child is taken only when strictly greater than the left.
      {"equal children", {1, 2, 2}, {1, 2, 3}, {{1, 2, 2}, {1, 3, 2}}},
      {"already sorted",
       {1, 4, 6, 9, 12, 20},
       {1, 2, 3, 4, 5, 6},
       {{1, 4, 6, 9, 12, 20}, {1, 2, 3, 4, 5, 6}}},
      {"one key", {5}, {9}, {{5}, {9}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Sorted got = heapsorted(c.keys, c.companion);
    EXPECT_EQ(got.keys, c.expected.keys);
    EXPECT_EQ(got.companion, c.expected.companion);
  }
}

TEST(Heapsorts, AbsentCompanionsAreNotTouched) {
  std::vector<double> ra{3, 1, 2}, rc{30, 10, 20};
  std::span<double> rc_span(rc);
  HEAPSORTD(3, ra, nullptr, &rc_span);
  EXPECT_EQ(rc, (std::vector<double>{10, 20, 30}));

  Ints ia{2, 1}, ib{5, 6}, ic{7, 8};
  std::span<int32_t> ib_span(ib), ic_span(ic);
  HEAPSORTI(0, ia, &ib_span, &ic_span);
  HEAPSORTI(1, ia, &ib_span, &ic_span);
  EXPECT_EQ(ia, (Ints{2, 1}));
  HEAPSORTI(2, ia, &ib_span, &ic_span);
  EXPECT_EQ(ia, (Ints{1, 2}));
  EXPECT_EQ(ib, (Ints{6, 5}));
  EXPECT_EQ(ic, (Ints{8, 7}));
}

TEST(Heapsorts, RandomTieHeavyVectorsComeBackSortedWithTheirCompanions) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::size_t n = std::uniform_int_distribution<std::size_t>(1, 300)(random);
    const int32_t spread = std::uniform_int_distribution<int32_t>(0, 5)(random);
    Ints keys(n), origin(n);
    for (int32_t& k : keys) k = std::uniform_int_distribution<int32_t>(-spread, spread)(random);
    std::iota(origin.begin(), origin.end(), 1);

    const Sorted got = heapsorted(keys, origin);
    ASSERT_TRUE(std::is_sorted(got.keys.begin(), got.keys.end()));
    Ints positions = got.companion;
    std::sort(positions.begin(), positions.end());
    ASSERT_EQ(positions, origin) << "companion is not a permutation, n = " << n;
    for (std::size_t p = 0; p < n; ++p) ASSERT_EQ(keys[got.companion[p] - 1], got.keys[p]);
  }
}

TEST(HeapsortsDeathTest, AShortCompanionStopsTheProcess) {
  std::vector<float> ra{3, 1, 2}, rb{1, 2};
  std::span<float> rb_span(rb);
  EXPECT_EXIT(HEAPSORTR(3, ra, &rb_span), testing::ExitedWithCode(EXIT_FAILURE),
              "HEAPSORTR: RB holds fewer than 3 elements!");
}

}  // namespace
}  // namespace standsim
