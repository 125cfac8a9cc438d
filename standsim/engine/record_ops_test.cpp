#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "standsim/engine/biovec_ops.h"
#include "standsim/engine/deprec_ops.h"

namespace standsim {
namespace {

TEST(BiovecOps, ComponentByComponent) {
  const BIOVEC a{{1, 2, 3, 4, 5}};
  const BIOVEC b{{2, 4, 8, 16, 0}};
  const BIOVEC product = a * b, sum = a + b, difference = a - b, quotient = a / b;
  for (int i = 0; i < kCompartments; ++i) {
    EXPECT_EQ(product.v[i], a.v[i] * b.v[i]);
    EXPECT_EQ(sum.v[i], a.v[i] + b.v[i]);
    EXPECT_EQ(difference.v[i], a.v[i] - b.v[i]);
  }
  EXPECT_EQ(quotient.v[0], 0.5);
  EXPECT_TRUE(std::isinf(quotient.v[ST]));  // division by a zero component
  EXPECT_EQ(component_sum(biovec_of(2.0)), 10.0);
}

TEST(BiovecOps, SumAddsFromBranchesToStems) {
  // Added in another order the small parts would vanish against 1e16.
  const BIOVEC a{{1e16, 1.0, 1.0, -1e16, 1.0}};
  EXPECT_EQ(component_sum(a), 1.0);
}

TEST(BiovecOps, ScalarAssignmentFillsEveryComponent) {
  BIOVEC b{{1, 2, 3, 4, 5}};
  assign(b, 0.0);
  for (double x : b.v) EXPECT_EQ(x, 0.0);
  NUTVEC n{{1, 2, 3, 4, 5, 6}};
  assign(n, 7.0);
  for (double x : n.v) EXPECT_EQ(x, 7.0);
}

DEPREC one_to_nine() {
  DEPREC d;
  for (int i = 0; i < 9; ++i) d.c[i] = static_cast<float>(i + 1);
  return d;
}

TEST(DeprecOps, ListsAndSignedSum) {
  const DEPREC d = one_to_nine();
  EXPECT_EQ(list_of_six(d), (std::array<float, 6>{1, 2, 3, 15, 7, 8}));
  EXPECT_EQ(list_of_nine(d), (std::array<float, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(signed_sum(d), 5.0f);
}

TEST(DeprecOps, ArithmeticInSinglePrecision) {
  const DEPREC d = one_to_nine();
  DEPREC third;
  assign(third, 0.1f);
  const DEPREC scaled = 3.0f * third;
  EXPECT_EQ(scaled.c[4], 3.0f * 0.1f);  // a float product, not the double one
  const DEPREC sum = d + d, difference = d - (2.0f * d), product = d * d, quotient = d / d;
  const DEPREC magnitude = absolute(difference);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(sum.c[i], 2.0f * d.c[i]);
    EXPECT_EQ(difference.c[i], -d.c[i]);
    EXPECT_EQ(magnitude.c[i], d.c[i]);
    EXPECT_EQ(product.c[i], d.c[i] * d.c[i]);
    EXPECT_EQ(quotient.c[i], 1.0f);
  }
}

}  // namespace
}  // namespace standsim
