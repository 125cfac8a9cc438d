#include "standsim/support/numbers/root_bisection.h"

#include <gtest/gtest.h>

#include <string>

namespace standsim {
namespace {

int calls = 0;

float square_minus_two(float x, float a, float b) {
  ++calls;
  return x * x - a + b;
}

// Values so small that the product of two of them is 0 in 4-byte reals.
float tiny_line(float x, float a, float) { return (x - a) * 1e-30f; }

float tiny_positive(float, float, float) { return 1e-30f; }

std::string blank_message() { return std::string(11, '#').append(40, ' '); }

TEST(RootBisection, FindsABracketedRootAndLeavesTheMessageAlone) {
  std::string errmsg = blank_message();
  calls = 0;
  const float root = ROOTIO(0.0f, 2.0f, 2.0f, 0.0f, 1e-4f, square_minus_two, errmsg);
  EXPECT_NEAR(root, 1.41421f, 1e-4f);
  EXPECT_EQ(errmsg, blank_message());
  EXPECT_LE(calls, 102);

  // The ends may come in either order.
  EXPECT_NEAR(ROOTIO(2.0f, 0.0f, 2.0f, 0.0f, 1e-4f, square_minus_two, errmsg), 1.41421f, 1e-4f);
  EXPECT_EQ(errmsg, blank_message());
}

TEST(RootBisection, AnEndWithAZeroValueCountsAsBracketing) {
  std::string errmsg = blank_message();
  // x^2 - 4 is exactly 0 at the first end.
  EXPECT_NEAR(ROOTIO(2.0f, 3.0f, 4.0f, 0.0f, 1e-5f, square_minus_two, errmsg), 2.0f, 1e-5f);
  EXPECT_NEAR(ROOTIO(1.0f, 2.0f, 4.0f, 0.0f, 1e-5f, square_minus_two, errmsg), 2.0f, 1e-5f);
  EXPECT_EQ(errmsg, blank_message());
}

TEST(RootBisection, ReportsAnUnbracketedRootAndTooManyIterations) {
  std::string errmsg = blank_message();
  EXPECT_EQ(ROOTIO(2.0f, 3.0f, 2.0f, 0.0f, 1e-4f, square_minus_two, errmsg), 0.0f);
  EXPECT_EQ(errmsg,
            "E##########" + std::string("ROOTIO: root not bracketed.") + std::string(13, ' '));

  errmsg = blank_message();
  calls = 0;
  const float root = ROOTIO(0.0f, 2.0f, 2.0f, 0.0f, 0.0f, square_minus_two, errmsg);
  EXPECT_EQ(calls, 102);
  EXPECT_NEAR(root, 1.41421f, 1e-5f);
  EXPECT_EQ(errmsg, "W##########" + std::string("ROOTIO: exceeding maximum iterations.") +
                        std::string(3, ' '));

  // A text that ends inside the message takes what fits.
  std::string shorter(20, '.');
  ROOTIO(2.0f, 3.0f, 2.0f, 0.0f, 1e-4f, square_minus_two, shorter);
  EXPECT_EQ(shorter, "E..........ROOTIO: r");
}

TEST(RootBisection, ValuesWhoseProductUnderflowsStillCompareBySign) {
  std::string errmsg = blank_message();
  EXPECT_NEAR(ROOTIO(0.0f, 3.0f, 1.0f, 0.0f, 1e-5f, tiny_line, errmsg), 1.0f, 1e-5f);
  EXPECT_EQ(errmsg, blank_message());

  EXPECT_EQ(ROOTIO(0.0f, 3.0f, 0.0f, 0.0f, 1e-5f, tiny_positive, errmsg), 0.0f);
  EXPECT_EQ(errmsg[0], 'E');
}

}  // namespace
}  // namespace standsim
