#include "standsim/support/column_data/year_interpolation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace standsim {
namespace {

constexpr float M = -99.0f;  // missing
const float nan = std::numeric_limits<float>::quiet_NaN();

TEST(Vecintp, FillsGapsBeforeBetweenAndAfterValidValues) {
  struct Case {
    int32_t ib, ie;
    std::vector<float> in, out;  // elements 1988..2001 (N0 = 1988)
    int32_t ierr;
  };
  const Case cases[] = {
      {1990,
       2000,
       {7, 7, M, M, M, 10, M, M, M, 30, M, M, M, 7},
       {7, 7, 10, 10, 10, 10, 15, 20, 25, 30, 30, 30, 30, 7},
       0},
      {1990,
       2000,
       {M, M, -99.5f, M, nan, M, 4, M, -100, M, M, M, -99.0f, M},
       {M, M, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, M},
       0},
      {1990,
       1990,
       {M, M, 5, M, M, M, M, M, M, M, M, M, M, M},
       {M, M, 5, M, M, M, M, M, M, M, M, M, M, M},
       0},
      {1990,
       1990,
       {1, 1, M, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       {1, 1, M, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       2},
      {1990,
       2001,
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       2},
      {1987,
       2001,
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       1},
      {1995,
       1994,
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       {1, 1, M, M, M, M, M, M, M, M, M, M, M, M},
       2},
      // Single precision: the steps are s = 1/3 as a float, then (j - a) * s + VEC(a).
      {1988,
       1991,
       {0, M, M, 1, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9},
       {0, 1.0f / 3.0f, 2.0f * (1.0f / 3.0f), 1, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.ib) + ".." + std::to_string(c.ie));
    std::vector<float> vec = c.in;
    int32_t ierr = -1;
    vecintp(1988, c.ib, c.ie, M, vec, ierr);
    EXPECT_EQ(ierr, c.ierr);
    for (std::size_t k = 0; k < vec.size(); ++k) {
      if (std::isnan(c.out[k])) {
        EXPECT_TRUE(std::isnan(vec[k])) << "element " << 1988 + k;
      } else {
        EXPECT_EQ(vec[k], c.out[k]) << "element " << 1988 + k;
      }
    }
  }
}

TEST(VecintpDeathTest, StopsAtAnIndexBeyondTheSeries) {
  std::array<float, 4> vec{1, M, M, 2};
  int32_t ierr = 0;
  EXPECT_DEATH(vecintp(1, 1, 5, M, vec, ierr), "vecintp: IE beyond the end of VEC!");
}

TEST(Tabintp, InterpolatesBetweenPointsAndHoldsTheEnds) {
  const std::array<int32_t, 3> years{1990, 2000, 2010};
  const std::array<float, 3> values{1.0f, 3.0f, 2.0f};
  const std::pair<int32_t, float> two_points[] = {
      {1985, 1.0f}, {1990, 1.0f}, {1995, 2.0f}, {2000, 3.0f}, {2010, 3.0f}};
  for (const auto& [year, value] : two_points)
    EXPECT_EQ(tabintp(2, years, values, year), value) << year;
  EXPECT_EQ(tabintp(3, years, values, 2000), 3.0f);
  EXPECT_EQ(tabintp(3, years, values, 2005), 2.5f);
  EXPECT_EQ(tabintp(1, years, values, 2005), 1.0f);
  // The product before the division: 3 * 3 / 5 is 1.79999995 in 4 bytes,
  // 3 / 5 * 3 would be 1.80000007.
  EXPECT_EQ(tabintp(2, std::array<int32_t, 2>{0, 5}, std::array<float, 2>{0.0f, 3.0f}, 3),
            1.79999995f);
  const std::array<int32_t, 3> unsorted{1990, 2010, 2000};
  EXPECT_EQ(tabintp(3, unsorted, values, 1995), 1.5f);  // the first later point is 2010
  EXPECT_EQ(tabintp(3, unsorted, values, 2005), 2.0f);  // at or after the last point
}

}  // namespace
}  // namespace standsim
