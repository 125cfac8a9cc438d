#include "standsim/support/keyed_lists/keyed_list_getters.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "standsim/support/keyed_lists/testing/hand_made_lists.h"

namespace standsim {
namespace {

using testing::add_entry;
using testing::key_text;

TEST(KeyedListGetters, ScalarsReadTheFirstValueAndMarkTheKeyTaken) {
  auto list = testing::empty_list();
  add_entry(*list, "years", "42 rest of the line");
  add_entry(*list, "rate", "2.5, 7");
  int32_t ival = 0;
  float val = 0.0f;
  GETKEYI(*list, "years", ival, nullptr);
  GETKEYR(*list, " rate ", val, nullptr);
  EXPECT_EQ(ival, 42);
  EXPECT_EQ(val, 2.5f);
  EXPECT_EQ(list->GOT[0], 1);
  EXPECT_EQ(list->GOT[1], 1);
  EXPECT_EQ(list->DEF[0], 0);
}

TEST(KeyedListGetters, AnAbsentKeyTakesItsDefaultAndIsAppended) {
  auto list = testing::empty_list();
  add_entry(*list, "years", "1");
  int32_t ival = 5;
  GETKEYI(*list, "missing", ival, nullptr);  // no default: nothing changes
  EXPECT_EQ(ival, 5);
  EXPECT_EQ(list->NKEY, 1);

  const int32_t idflt = 9;
  GETKEYI(*list, "missing", ival, &idflt);
  EXPECT_EQ(ival, 9);
  ASSERT_EQ(list->NKEY, 2);
  EXPECT_EQ(key_text(*list, 2), padded("missing", KEY_LENGTH));
  EXPECT_EQ(KEYDEF("missing", *list), 1);
  EXPECT_EQ(KEYGOT("missing", *list), 1);

  // Stored as passed: with its leading blank, cut to the key field.
  const float dflt = 1.5f;
  float val = 0.0f;
  GETKEYR(*list, " lead", val, &dflt);
  GETKEYR(*list, "a_keyword_of_seventeen", val, &dflt);
  EXPECT_EQ(val, 1.5f);
  ASSERT_EQ(list->NKEY, 4);
  EXPECT_EQ(key_text(*list, 3), padded(" lead", KEY_LENGTH));
  EXPECT_EQ(key_text(*list, 4), "a_keyword_of_sev");
  EXPECT_EQ(KEYDEF("lead", *list), 0);  // no lookup finds the blank-led key
}

TEST(KeyedListGetters, AFullListTakesTheDefaultWithoutAppending) {
  auto list = testing::empty_list();
  assign_text(list->LISTFILE, "/data/site.qsm");
  for (int i = 0; i < KEYLIST_MAXKEY; ++i)
    add_entry(*list, std::string("k").append(std::to_string(i)), "1");
  const auto before = std::make_unique<KEYLIST>(*list);

  const int32_t idflt = 3;
  int32_t ival = 0;
  GETKEYI(*list, "absent", ival, &idflt);
  std::array<float, 2> vec{};
  GETKEYRS(2, *list, "absent", vec, 4.0f);
  EXPECT_EQ(ival, 3);
  EXPECT_EQ(vec[1], 4.0f);
  EXPECT_EQ(std::memcmp(list.get(), before.get(), sizeof(KEYLIST)), 0);
}

TEST(KeyedListGetters, AListWithANegativeCountTakesTheKeyAsItsFirstEntry) {
  auto list = testing::empty_list();
  list->NKEY = -3;
  const int32_t idflt = 3;
  int32_t ival = 0;
  GETKEYI(*list, "absent", ival, &idflt);
  EXPECT_EQ(ival, 3);
  ASSERT_EQ(list->NKEY, 1);
  EXPECT_EQ(key_text(*list, 1), padded("absent", KEY_LENGTH));
  EXPECT_EQ(list->DEF[0], 1);
}

TEST(KeyedListGetters, VectorsReadAtMostNValuesAndRepeatTheLast) {
  struct Case {
    std::string value;
    std::vector<int32_t> expected;  // elements 1..4, then one that must stay untouched
  };
  const Case cases[] = {
      {"3 5", {3, 5, 5, 5, -1}},
      {"1,2,3", {1, 2, 3, 3, -1}},
      {"1 2 3 4 5 6", {1, 2, 3, 4, -1}},
      {"7", {7, 7, 7, 7, -1}},
      // No items: the vector is left as it is.
      {"", {-1, -1, -1, -1, -1}},
  };
  for (const Case& c : cases) {
    auto list = testing::empty_list();
    add_entry(*list, "v", c.value);
    std::vector<int32_t> ivec(5, -1);
    GETKEYIV(4, *list, "v", ivec, nullptr);
    EXPECT_EQ(ivec, c.expected) << '"' << c.value << '"';
    EXPECT_EQ(list->GOT[0], 1);

    std::vector<float> vec(5, -1.0f);
    GETKEYRS(4, *list, "v", vec, 0.0f);
    for (std::size_t i = 0; i < 5; ++i)
      EXPECT_EQ(vec[i], static_cast<float>(c.expected[i])) << '"' << c.value << '"';
  }
}

TEST(KeyedListGetters, VectorDefaults) {
  auto list = testing::empty_list();
  std::array<int32_t, 4> ivec{0, 0, 0, -1};
  GETKEYIS(3, *list, "n", ivec, 7);
  EXPECT_EQ(ivec, (std::array<int32_t, 4>{7, 7, 7, -1}));

  const std::array<float, 3> dfltv{1.0f, 2.0f, 3.0f};
  std::array<float, 3> vec{};
  GETKEYRV(3, *list, "x", vec, dfltv.data());
  EXPECT_EQ(vec, dfltv);
  EXPECT_EQ(list->NKEY, 2);

  std::array<int32_t, 2> untouched{5, 6};
  GETKEYIV(2, *list, "y", untouched, nullptr);
  EXPECT_EQ(untouched, (std::array<int32_t, 2>{5, 6}));
  EXPECT_EQ(list->NKEY, 2);
}

TEST(KeyedListGettersDeathTest, AVectorShorterThanNStops) {
  auto list = testing::empty_list();
  add_entry(*list, "v", "1 2 3");
  std::array<int32_t, 2> ivec{};
  EXPECT_DEATH(GETKEYIV(3, *list, "v", ivec, nullptr), "GETKEYIV: vector shorter than N");
}

}  // namespace
}  // namespace standsim
