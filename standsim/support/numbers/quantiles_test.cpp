#include "standsim/support/numbers/quantiles.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace standsim {
namespace {

using Reals = std::vector<float>;

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float untouched = -777.0f;

TEST(Quantiles, OneQuantileIsTheElementAfterNTimesP) {
  const Reals vec{1, 2, 3, 4, 5};
  struct Case {
    float p, expected;
  };
  for (const Case& c : std::vector<Case>{{0.0f, 1}, {0.2f, 2}, {0.5f, 3}, {0.9f, 5}, {1.0f, 5}}) {
    SCOPED_TRACE(c.p);
    float xq = untouched;
    int32_t ierr = -1;
    QUANTILE(c.p, 5, vec, xq, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(xq, c.expected);
  }
  for (const float p : {0.0f, 0.3f, 1.0f}) {
    float xq = untouched;
    int32_t ierr = -1;
    QUANTILE(p, 1, Reals{8}, xq, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(xq, 8.0f);
  }
}

TEST(Quantiles, WeightedQuantileIsWhereThePartialSumExceedsTheShare) {
  struct Case {
    const char* name;
    Reals wei;
    float p, expected;
  };
  const std::vector<Case> cases{
      {"P 0", {1, 1, 2}, 0.0f, 1},
      {"P 0.25", {1, 1, 2}, 0.25f, 2},
      {"P 0.5: the partial sum 2 does not exceed 2", {1, 1, 2}, 0.5f, 3},
      {"P 1", {1, 1, 2}, 1.0f, 3},
      {"leading zero weight", {0, 1, 1}, 0.0f, 2},
      {"all weights zero", {0, 0, 0}, 0.0f, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    float xq = untouched;
    int32_t ierr = -1;
    WQUANTILE(c.p, 3, Reals{1, 2, 3}, c.wei, xq, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(xq, c.expected);
  }
}

TEST(Quantiles, BadInputSetsTheFirstFailingCodeAndWritesNoResult) {
  struct Case {
    const char* name;
    Reals vec;
    float p;
    int32_t expected;
  };
  const std::vector<Case> cases{
      {"empty vector", {}, 0.5f, 1},
      {"descending vector, even with P outside 0..1", {2, 1}, 7.0f, 2},
      {"P below 0", {1, 2}, -0.1f, 3},
      {"P above 1", {1, 2}, 1.5f, 3},
      {"P not a number", {1, 2}, nan, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t n = static_cast<int32_t>(c.vec.size());
    float xq = untouched;
    int32_t ierr = -1;
    QUANTILE(c.p, n, c.vec, xq, ierr);
    EXPECT_EQ(ierr, c.expected);
    EXPECT_EQ(xq, untouched);
    ierr = -1;
    WQUANTILE(c.p, n, c.vec, Reals(c.vec.size(), 1.0f), xq, ierr);
    EXPECT_EQ(ierr, c.expected);
    EXPECT_EQ(xq, untouched);
  }
}

TEST(Quantiles, SeveralQuantilesMatchTheSingleOnes) {
  const Reals vec{1, 2, 3, 4, 5};
  const Reals qv{0.0f, 0.1f, 0.2f, 0.39f, 0.5f, 0.61f, 0.8f, 0.99f, 1.0f};
  const int32_t nq = static_cast<int32_t>(qv.size());
  Reals xqv(qv.size(), untouched);
  int32_t ierr = -1;
  QUANTILES(nq, qv, 5, vec, xqv, ierr);
  EXPECT_EQ(ierr, 0);
  for (std::size_t j = 0; j < qv.size(); ++j) {
    float xq = untouched;
    QUANTILE(qv[j], 5, vec, xq, ierr);
    EXPECT_EQ(xqv[j], xq) << "P = " << qv[j];
  }

  const Reals wei{1, 1, 2};
  Reals wxqv(4, untouched);
  WQUANTILES(4, Reals{0.0f, 0.25f, 0.5f, 1.0f}, 3, Reals{1, 2, 3}, wei, wxqv, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(wxqv, (Reals{1, 2, 3, 3}));

  const Reals more{0.0f, 0.1f, 0.25f, 0.26f, 0.5f, 0.51f, 0.75f, 1.0f};
  Reals several(more.size(), untouched);
  WQUANTILES(static_cast<int32_t>(more.size()), more, 3, Reals{1, 2, 3}, wei, several, ierr);
  for (std::size_t j = 0; j < more.size(); ++j) {
    float xq = untouched;
    WQUANTILE(more[j], 3, Reals{1, 2, 3}, wei, xq, ierr);
    EXPECT_EQ(several[j], xq) << "P = " << more[j];
  }
}

TEST(Quantiles, BadInputOfSeveralQuantilesSetsTheFirstFailingCode) {
  struct Case {
    const char* name;
    Reals vec, qv;
    int32_t expected;
  };
  const std::vector<Case> cases{
      {"empty vector", {}, {0.5f}, 1},
      {"descending vector", {3, 1}, {0.5f, 0.2f}, 2},
      {"descending probabilities", {1, 2, 3, 4, 5}, {0.5f, 0.2f}, 3},
      {"first probability below 0", {1, 2, 3, 4, 5}, {-0.1f, 0.2f}, 4},
      {"last probability above 1", {1, 2, 3, 4, 5}, {0.2f, 1.1f}, 4},
      {"a probability not a number", {1, 2, 3, 4, 5}, {0.2f, nan, 0.7f}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t n = static_cast<int32_t>(c.vec.size());
    const int32_t nq = static_cast<int32_t>(c.qv.size());
    Reals xqv(c.qv.size(), untouched);
    int32_t ierr = -1;
    QUANTILES(nq, c.qv, n, c.vec, xqv, ierr);
    EXPECT_EQ(ierr, c.expected);
    EXPECT_EQ(xqv, Reals(c.qv.size(), untouched));
    ierr = -1;
    WQUANTILES(nq, c.qv, n, c.vec, Reals(c.vec.size(), 1.0f), xqv, ierr);
    EXPECT_EQ(ierr, c.expected);
    EXPECT_EQ(xqv, Reals(c.qv.size(), untouched));
  }
}

TEST(Quantiles, ThePositionStaysInsideAVectorTooLongForFourByteCounts) {
  // 2^24 + 3 rounds up to 2^24 + 4 as a 4-byte real, so N * P passes N.
  const int32_t n = (1 << 24) + 3;
  Reals vec(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < vec.size(); ++i) vec[i] = static_cast<float>(i / 1024);
  float xq = untouched;
  int32_t ierr = -1;
  QUANTILE(1.0f, n, vec, xq, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(xq, vec.back());
}

}  // namespace
}  // namespace standsim
