#include "standsim/support/tables_and_grids/grid_gap_filling.h"

#include <gtest/gtest.h>

#include <vector>

namespace standsim {
namespace {

constexpr float miss_r = -99.0f;
constexpr double miss_d = -99.0;
constexpr float d_r = 0.70710677f;
constexpr double d_d = 0.7071067932881648;  // 1 over the 4-byte square root of 2

// Grids are written row by row of the second index: each line below is one j,
// and within it i runs left to right (the first index is the fastest).

TEST(GridGapFilling, AGapTakesTheWeightedMeanOfItsValidNeighbours) {
  std::vector<float> ones{1, 1,      1,  //
                          1, miss_r, 1,  //
                          1, 1,      1};
  GAPFILLR(1, 3, 1, 3, ones, miss_r);
  EXPECT_EQ(ones[4], 1.0f);

  std::vector<double> sides{0, 0,      0,  //
                            1, miss_d, 1,  //
                            2, 2,      2};
  GAPFILLD(1, 3, 1, 3, sides, miss_d);
  EXPECT_NEAR(sides[4], 1.0, 1e-15);
}

TEST(GridGapFilling, ACornerGapUsesItsThreeNeighboursWithTheExactDiagonalWeight) {
  EXPECT_EQ(1.0 / static_cast<double>(1.4142135f), d_d);
  // Bounds -1..1 by 10..12; the gap is cell (-1, 10).
  std::vector<float> fr{miss_r, 3,  5,   //
                        7,      11, 13,  //
                        17,     19, 23};
  std::vector<double> fd(fr.begin(), fr.end());
  GAPFILLR(-1, 1, 10, 12, fr, miss_r);
  GAPFILLD(-1, 1, 10, 12, fd, miss_d);
  // Visited as (1,0), (1,1), (0,1): the cells holding 3, 11 and 7.
  EXPECT_EQ(fr[0], ((1.0f * 3 + d_r * 11) + 1.0f * 7) / ((1.0f + d_r) + 1.0f));
  EXPECT_EQ(fd[0], ((1.0 * 3 + d_d * 11) + 1.0 * 7) / ((1.0 + d_d) + 1.0));
  EXPECT_NE(fd[0],
            ((1.0 * 3 + 0.7071067811865476 * 11) + 1.0 * 7) / ((1.0 + 0.7071067811865476) + 1.0));
  EXPECT_EQ(fr[1], 3.0f);

  // Neighbours 0 and 2 (sides) and 3 (diagonal): with the 4-byte weight
  // and 4-byte sums the mean is 1.52240765; the 8-byte weight would give
  // 1.52240789, 8-byte sums 1.52240777.
  std::vector<float> small{miss_r, 0,  5,   //
                           2,      3,  13,  //
                           17,     19, 23};
  GAPFILLR(-1, 1, 10, 12, small, miss_r);
  EXPECT_EQ(small[0], 1.52240765f);
}

TEST(GridGapFilling, OnlyCellsValidAtTheStartFeedTheMeans) {
  std::vector<float> row{2, miss_r, miss_r, 8};
  GAPFILLR(1, 4, 1, 1, row, miss_r);
  EXPECT_EQ(row, (std::vector<float>{2, 2, 8, 8}));

  // The centre of a 3 x 3 block of gaps has no valid neighbour and keeps its value.
  std::vector<double> ring(25, 4.0);
  for (int j = 1; j <= 3; ++j)
    for (int i = 1; i <= 3; ++i) ring[i + 5 * j] = -500.0;
  GAPFILLD(0, 4, 0, 4, ring, miss_d);
  EXPECT_EQ(ring[12], -500.0);
  for (const int k : {6, 7, 8, 11, 13, 16, 17, 18}) EXPECT_NEAR(ring[k], 4.0, 1e-15) << k;

  // Values at the marker count as missing.
  std::vector<float> at_marker{miss_r, 5};
  GAPFILLR(1, 2, 1, 1, at_marker, miss_r);
  EXPECT_EQ(at_marker, (std::vector<float>{5, 5}));
}

TEST(GridGapFilling, SmoothingBlendsEveryValidCellWithTheValuesBeforeTheCall) {
  struct Case {
    const char* name;
    std::vector<double> grid;
    double w;
    std::vector<double> expected;
  };
  const std::vector<Case> cases{
      {"weight 1 changes nothing", {0, 3, 6}, 1.0, {0, 3, 6}},
      {"weight above 1 changes nothing", {0, 3, 6}, 2.5, {0, 3, 6}},
      {"weight 0 gives the neighbour means, all from the old values", {0, 3, 6}, 0.0, {3, 3, 3}},
      {"weight 0.5", {0, 4}, 0.5, {2, 2}},
      {"equal values stay", {7, 7, 7}, 0.5, {7, 7, 7}},
      {"gaps and cells without valid neighbours keep their value",
       {5, miss_d, 9, miss_d - 1},
       0.0,
       {5, miss_d, 9, miss_d - 1}},
      {"a negative weight is taken as it is", {0, 4}, -1.0, {8, -4}},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    GRIDSMOOTH(1, static_cast<int32_t>(c.grid.size()), 1, 1, c.grid, c.w, miss_d);
    EXPECT_EQ(c.grid, c.expected);
  }

  std::vector<double> square{1, 2,  //
                             3, 4};
  GRIDSMOOTH(1, 2, 1, 2, square, 0.0, miss_d);
  // Cell (1,1) sees (2,1) = 2 and (1,2) = 3 with weight 1 and (2,2) = 4 with d.
  EXPECT_EQ(square[0], ((1.0 * 2 + d_d * 4) + 1.0 * 3) / ((1.0 + d_d) + 1.0));
}

TEST(GridGapFilling, EmptyRangesDoNothing) {
  std::vector<float> fr{miss_r, 1};
  std::vector<double> fd{miss_d, 1};
  GAPFILLR(2, 1, 1, 1, fr, miss_r);
  GAPFILLD(1, 2, 5, 4, fd, miss_d);
  GRIDSMOOTH(1, 0, 1, 1, fd, 0.0, miss_d);
  EXPECT_EQ(fr[0], miss_r);
  EXPECT_EQ(fd[0], miss_d);
  GAPFILLR(5, 1, 1, 1, {}, miss_r);
}

TEST(GridGapFillingDeathTest, AGridShorterThanItsBoundsStopsTheProcess) {
  std::vector<double> f(5, 1.0);
  EXPECT_EXIT(GRIDSMOOTH(1, 3, 1, 2, f, 0.5, miss_d), testing::ExitedWithCode(EXIT_FAILURE),
              "GRIDSMOOTH: F holds fewer than 6 elements!");
}

}  // namespace
}  // namespace standsim
