#include "standsim/support/sorts_and_searches/vector_searches.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace standsim {
namespace {

using Ints = std::vector<int32_t>;
using Reals = std::vector<float>;

TEST(VectorSearches, FirstMatchAndAllMatches) {
  const Ints ivec{4, 7, 7};
  int32_t ind = -1;
  EXPECT_TRUE(FINDI(3, ivec, 7, ind));
  EXPECT_EQ(ind, 2);
  EXPECT_FALSE(FINDI(3, ivec, 5, ind));
  EXPECT_EQ(ind, 0);
  ind = -1;
  EXPECT_FALSE(FINDI(0, ivec, 4, ind));
  EXPECT_EQ(ind, 0);

  Ints indv{-1, -1, -1};
  int32_t nind = -1;
  EXPECT_TRUE(FINDALLI(3, ivec, 7, nind, indv));
  EXPECT_EQ(nind, 2);
  EXPECT_EQ(indv, (Ints{2, 3, -1}));
  EXPECT_TRUE(FINDALLI(3, ivec, 4, nind, indv));  // exactly one match
  EXPECT_EQ(nind, 1);
  EXPECT_EQ(indv, (Ints{1, 3, -1}));
  EXPECT_FALSE(FINDALLI(3, ivec, 5, nind, indv));
  EXPECT_EQ(nind, 0);
  EXPECT_EQ(indv, (Ints{1, 3, -1}));
  nind = -1;
  EXPECT_FALSE(FINDALLI(-1, ivec, 4, nind, indv));
  EXPECT_EQ(nind, 0);

  EXPECT_TRUE(FINDPAIRI(3, Ints{1, 1, 2}, Ints{5, 6, 6}, 1, 6, ind));
  EXPECT_EQ(ind, 2);
  EXPECT_FALSE(FINDPAIRI(3, Ints{1, 1, 2}, Ints{5, 6, 6}, 2, 5, ind));
  EXPECT_EQ(ind, 0);
}

TEST(VectorSearches, RealsCompareWithFloatingPointEquality) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Reals vec{1.5f, nan, -0.0f, 2.0f};
  int32_t ind = -1;
  EXPECT_FALSE(FINDR(4, vec, nan, ind));
  EXPECT_EQ(ind, 0);
  EXPECT_TRUE(FINDR(4, vec, 0.0f, ind));
  EXPECT_EQ(ind, 3);

  Ints indv(4, 0);
  int32_t nind = 0;
  EXPECT_TRUE(FINDALLR(4, Reals{2, 1, 2, 2}, 2.0f, nind, indv));
  EXPECT_EQ(nind, 3);
  EXPECT_EQ(indv, (Ints{1, 3, 4, 0}));
  EXPECT_TRUE(FINDALLR(4, Reals{2, 1, 2, 2}, 1.0f, nind, indv));  // exactly one match
  EXPECT_EQ(nind, 1);
  EXPECT_EQ(indv, (Ints{2, 3, 4, 0}));

  EXPECT_TRUE(FINDPAIRR(3, Reals{1, 2, 2}, Reals{nan, 5, 6}, 2.0f, 6.0f, ind));
  EXPECT_EQ(ind, 3);
}

TEST(VectorSearches, LocateFindsTheIntervalForEitherOrder) {
  struct Case {
    const char* name;
    Reals vlim;
    float x;
    int32_t expected;
  };
  const std::vector<Case> cases{
      {"ascending, below", {10, 20, 30}, 5, 0},
      {"ascending, on the first", {10, 20, 30}, 10, 1},
      {"ascending, inside", {10, 20, 30}, 25, 2},
      {"ascending, on the last", {10, 20, 30}, 30, 3},
      {"ascending, above", {10, 20, 30}, 99, 3},
      {"descending, above", {30, 20, 10}, 35, 0},
      {"descending, on the first", {30, 20, 10}, 30, 0},
      {"descending, inside", {30, 20, 10}, 25, 1},
      {"descending, on the last", {30, 20, 10}, 10, 2},
      {"descending, below", {30, 20, 10}, 5, 3},
      {"one limit, below", {10}, 5, 1},
      {"one limit, on it", {10}, 10, 0},
      {"one limit, above", {10}, 15, 0},
      {"equal limits, below", {10, 10, 10}, 5, 3},
      {"equal limits, on them", {10, 10, 10}, 10, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LOCATE(c.x, static_cast<int32_t>(c.vlim.size()), c.vlim), c.expected);
  }
  EXPECT_EQ(LOCATE(5.0f, 0, Reals{}), 0);
}

TEST(VectorSearches, NearcrossTakesTheNearerNeighbourOfTheFirstCrossing) {
  const Reals vec{1, 2, 4, 8, 16};
  struct Case {
    float x;
    int32_t expected;
  };
  // Series indexed 1..5.
  for (const Case& c : std::vector<Case>{{3.5f, 3}, {2.5f, 2}, {3.0f, 3}, {20.0f, 5}, {0.0f, 1}}) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(NEARCROSS(1, 1, 5, vec, c.x), c.expected);
  }
  // The same series indexed 1990..1994, searched from 1991 on.
  EXPECT_EQ(NEARCROSS(1990, 1991, 1994, vec, 3.5f), 1992);
  EXPECT_EQ(NEARCROSS(1990, 1991, 1994, vec, 5.0f), 1992);
  EXPECT_EQ(NEARCROSS(1990, 1991, 1994, vec, 100.0f), 1994);
  // Distances in 4-byte arithmetic: 0.25 - 0.1 and 0.4 - 0.25 are equal
  // there (the upper neighbour wins), not in 8 bytes.
  EXPECT_EQ(NEARCROSS(1, 1, 2, Reals{0.1f, 0.4f}, 0.25f), 2);
  // IE <= IB answers IE without reading the series.
  EXPECT_EQ(NEARCROSS(1, 7, 7, Reals{}, 3.0f), 7);
  EXPECT_EQ(NEARCROSS(1, 7, 3, Reals{}, 3.0f), 3);
}

TEST(VectorSearchesDeathTest, SubscriptsOutsideTheVectorStopTheProcess) {
  EXPECT_EXIT(NEARCROSS(5, 4, 6, Reals{1, 2}, 0.5f), testing::ExitedWithCode(EXIT_FAILURE),
              "NEARCROSS: subscript 0 outside VEC!");
  int32_t nind = 0;
  Ints indv(1);
  EXPECT_EXIT(FINDALLI(3, Ints{7, 7, 7}, 7, nind, indv), testing::ExitedWithCode(EXIT_FAILURE),
              "FINDALLI: subscript 2 outside INDV!");
}

}  // namespace
}  // namespace standsim
