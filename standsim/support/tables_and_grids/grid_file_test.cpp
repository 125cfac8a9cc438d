#include "standsim/support/tables_and_grids/grid_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "standsim/support/files/file_housekeeping.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

constexpr int32_t kLd = 4;
constexpr float kUnread = -1.0f;

struct GridRead {
  std::vector<float> grid = std::vector<float>(kLd * kLd, kUnread);
  std::vector<int32_t> mask = std::vector<int32_t>(kLd * kLd, -1);
  int32_t ni = 0, nj = 0;
  float scalei = 0.0f, scalej = 0.0f;

  float at(int32_t i, int32_t j) const {
    return grid[static_cast<std::size_t>(i - 1 + kLd * (j - 1))];
  }
  int32_t flag(int32_t i, int32_t j) const {
    return mask[static_cast<std::size_t>(i - 1 + kLd * (j - 1))];
  }

  // The grid as rows j = 1..NJ of the values i = 1..NI.
  std::vector<std::vector<float>> rows() const {
    std::vector<std::vector<float>> r(static_cast<std::size_t>(nj));
    for (int32_t j = 1; j <= nj; ++j) {
      for (int32_t i = 1; i <= ni; ++i) r[static_cast<std::size_t>(j - 1)].push_back(at(i, j));
    }
    return r;
  }
};

GridRead read_grid(const std::string& grid, const std::string& mask, std::string_view fmt,
                   float angle, int32_t nx = 3, int32_t ny = 2) {
  GridRead g;
  READGRID(grid, mask, fmt, angle, nx, ny, 2.5f, kLd, g.grid, g.mask, g.ni, g.nj, g.scalei,
           g.scalej);
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT) << "READGRID left a file open";
  return g;
}

using Rows = std::vector<std::vector<float>>;

struct TurnCase {
  float angle;
  Rows rows;  // of the file's lines 1 2 3 and 4 5 6
};

TEST(Readgrid, TurnsTheGridAndItsMaskByQuarterTurns) {
  const Rows q1 = {{1, 2, 3}, {4, 5, 6}};
  const Rows q2 = {{3, 6}, {2, 5}, {1, 4}};
  const Rows q3 = {{6, 5, 4}, {3, 2, 1}};
  const Rows q4 = {{4, 1}, {5, 2}, {6, 3}};
  const TurnCase cases[] = {
      {0.0f, q1},
      {90.0f, q2},
      {180.0f, q3},
      {270.0f, q4},
      {-90.0f, q4},
      {45.0f, q1},
      {450.0f, q2},
      {135.0f, q2},
      {359.9f, q4},
      {-400.0f, q4},
      // Just below 0 the remainder rounds to 360.0: a full turn, not a fifth quarter.
      {-1.0e-6f, q1},
      {std::numeric_limits<float>::quiet_NaN(), q1},
  };
  TestFolder folder;
  const std::string mask = folder.write("mask.txt", "TFF\nFtt\n");  // marks the values 1, 5 and 6
  const struct {
    const char* fmt;
    const char* content;
  } files[] = {{"*", "1 2 3\n4 5 6\n"}, {"*", "1 2\n3\n4 5 6 99\n"}, {"(3f2.0)", "1 2 3\n4 5 6\n"}};
  for (const auto& file : files) {
    const std::string grid = folder.write("grid.txt", file.content);
    for (const TurnCase& c : cases) {
      SCOPED_TRACE(testing::Message() << file.fmt << " on " << testing::PrintToString(file.content)
                                      << " at " << c.angle);
      const GridRead g = read_grid(grid, mask, file.fmt, c.angle);
      ASSERT_EQ(g.rows(), c.rows);
      const bool turned = c.rows.size() == 3;
      EXPECT_EQ(g.scalei, turned ? 1.0f : 2.5f);
      EXPECT_EQ(g.scalej, turned ? 2.5f : 1.0f);
      for (int32_t j = 1; j <= kLd; ++j) {
        for (int32_t i = 1; i <= kLd; ++i) {
          const bool inside = i <= g.ni && j <= g.nj;
          const float v = inside ? g.at(i, j) : 0.0f;
          EXPECT_EQ(g.flag(i, j), v == 1.0f || v == 5.0f || v == 6.0f ? 1 : 0)
              << "flag " << i << "," << j;
          if (!inside) {
            EXPECT_EQ(g.at(i, j), kUnread) << "value " << i << "," << j;
          }
        }
      }
    }
  }
}

TEST(Readgrid, ABlankMaskFileLeavesEveryFlagFalse) {
  TestFolder folder;
  const GridRead g =
      read_grid(folder.write("grid.txt", "1 2 3\n4 5 6\n"), std::string("  \t", 3), "*", 0.0f);
  EXPECT_EQ(g.mask, std::vector<int32_t>(kLd * kLd, 0));
}

TEST(Readgrid, AMaskIsReadForALeadingDimensionOfFourDigits) {
  TestFolder folder;
  constexpr int32_t ld = 1000;
  std::vector<float> grid(ld * 2, kUnread);
  std::vector<int32_t> mask(ld * ld, -1);
  int32_t ni = 0, nj = 0;
  float scalei = 0.0f, scalej = 0.0f;
  READGRID(folder.write("grid.txt", "1 2 3\n4 5 6\n"), folder.write("mask.txt", "TFF\nFtt\n"), "*",
           0.0f, 3, 2, 1.0f, ld, grid, mask, ni, nj, scalei, scalej);
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
  EXPECT_EQ((std::vector<int32_t>{mask[0], mask[1], mask[2], mask[ld], mask[ld + 1], mask[ld + 2]}),
            (std::vector<int32_t>{1, 0, 0, 0, 1, 1}));
  EXPECT_EQ(grid[ld + 2], 6.0f);
}

TEST(Readgrid, WarnsOfAGridFileThatEndsEarlyOrCannotBeRead) {
  TestFolder folder;
  const std::string short_grid = folder.write("short.txt", "1 2 3\n");
  testing::internal::CaptureStderr();
  const GridRead g = read_grid(short_grid, "", "*", 0.0f);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "READGRID: " + short_grid + " ends before its 2 lines of values were read\n");
  EXPECT_EQ(g.rows(), (Rows{{1, 2, 3}, {kUnread, kUnread, kUnread}}));

  const std::string bad = folder.write("bad.txt", "1 2 3\n4 x 6\n");
  testing::internal::CaptureStderr();
  read_grid(bad, "", "*", 0.0f);
  EXPECT_EQ(
      testing::internal::GetCapturedStderr(),
      "READGRID: cannot read line 2 of " + bad + ": Bad real number in item 2 of list input\n");
}

TEST(ReadgridDeathTest, StopsWhenTheGridDoesNotFitOrAFileIsMissing) {
  TestFolder folder;
  const std::string grid = folder.write("grid.txt", "1 2 3 4 5\n");
  EXPECT_EXIT(read_grid(grid, "", "*", 0.0f, 5, 1), testing::ExitedWithCode(EXIT_FAILURE),
              "READGRID: a grid of 5 x 1 values does not fit the leading dimension 4");
  EXPECT_EXIT(read_grid(grid, grid, "*", 90.0f, 5, 1), testing::ExitedWithCode(EXIT_FAILURE),
              "READGRID: a grid of 1 x 5 values does not fit the leading dimension 4");
  EXPECT_EXIT(read_grid(folder.file("none.txt"), "", "*", 0.0f),
              testing::ExitedWithCode(EXIT_FAILURE),
              "READGRID: cannot open file .*none.txt: no such file");
  EXPECT_EXIT(read_grid(grid, "", "(3q)", 0.0f), testing::ExitedWithCode(EXIT_FAILURE),
              "READGRID: unusable format");
}

}  // namespace
}  // namespace standsim
