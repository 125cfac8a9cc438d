#include "standsim/support/numbers/shuffles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "standsim/support/fortran_runtime/fortran_random.h"

namespace standsim {
namespace {

// The next number of the sequence, leaving the sequence where it was.
float peek_random() {
  uint64_t state;
  random_seed_get(state);
  float r;
  random_number(r);
  random_seed_put(state);
  return r;
}

// Moves the sequence on until its next number lies on the given side of 0.5.
void advance_until_next_is_below_half(bool below) {
  while ((peek_random() < 0.5f) != below) {
    float r;
    random_number(r);
  }
}

TEST(Shuffles, TwoElementsAreExchangedExactlyWhenTheDrawIsBelowHalf) {
  for (const bool below : {true, false}) {
    SCOPED_TRACE(below ? "draw below 0.5" : "draw at or above 0.5");
    advance_until_next_is_below_half(below);
    uint64_t before;
    random_seed_get(before);
    std::vector<int32_t> ivec{1, 2};
    SHUFFLEI(2, ivec);
    EXPECT_EQ(ivec, below ? (std::vector<int32_t>{2, 1}) : (std::vector<int32_t>{1, 2}));

    // Exactly one number was drawn.
    uint64_t after;
    random_seed_get(after);
    random_seed_put(before);
    float r;
    random_number(r);
    uint64_t after_one;
    random_seed_get(after_one);
    EXPECT_EQ(after, after_one);
  }
}

TEST(Shuffles, AShuffleIsAPermutationAndRepeatsFromTheSameState) {
  std::vector<float> vec(50);
  std::iota(vec.begin(), vec.end(), 1.0f);
  uint64_t state;
  random_seed_get(state);
  std::vector<float> first = vec;
  SHUFFLER(50, first);
  EXPECT_NE(first, vec);
  EXPECT_TRUE(std::is_permutation(first.begin(), first.end(), vec.begin()));

  random_seed_put(state);
  std::vector<int32_t> again(vec.begin(), vec.end());
  SHUFFLEI(50, again);
  EXPECT_EQ(std::vector<float>(again.begin(), again.end()), first);

  uint64_t untouched;
  random_seed_get(untouched);
  std::vector<int32_t> one{9};
  SHUFFLEI(1, one);
  SHUFFLEI(0, one);
  uint64_t still;
  random_seed_get(still);
  EXPECT_EQ(still, untouched);
  EXPECT_EQ(one, std::vector<int32_t>{9});
}

}  // namespace
}  // namespace standsim
