#include "standsim/support/keyed_lists/keyed_list.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "standsim/support/keyed_lists/testing/hand_made_lists.h"

namespace standsim {
namespace {

using namespace std::string_literals;
using testing::add_entry;

// KEYMSG as the program loaded it, copied before main and so before any
// test can write it (its zero bytes are there before any initialiser runs).
const std::array<char, 128> KEYMSG_AT_LOAD = KEYMSG;

TEST(KeyedList, KeymsgStartsAsZeroBytes) {
  for (char c : KEYMSG_AT_LOAD) EXPECT_EQ(c, '\0');
}

TEST(KeyedList, FindkeyMatchesTheTrimmedKeywordCaseSensitively) {
  auto list = testing::empty_list();
  add_entry(*list, "period", "1990 2050");       // 1: blank padded
  add_entry(*list, "NOx_dep", "0.5", true);      // 2: zero padded
  add_entry(*list, "period1", "x");              // 3
  add_entry(*list, "NH3_dep\t", "0.2");          // 4: TAB after the key
  add_entry(*list, "period", "second");          // 5: duplicate
  add_entry(*list, "a b", "inner blank");        // 6
  add_entry(*list, "sixteen_chars_ab", "full");  // 7

  struct Case {
    std::string keyword;
    int32_t ind;
  };
  const Case cases[] = {
      {"period", 1},
      {"  period  ", 1},
      {"\tperiod\t", 1},
      {"period\0\0"s, 1},
      {"Period", 0},
      {"perio", 0},
      {"NOx_dep", 2},
      {"NH3_dep", 4},
      {"a b", 6},
      {"a", 0},
      {"sixteen_chars_ab", 7},
      {" sixteen_chars_ab ", 7},
      {"sixteen_chars_abc", 0},  // longer than a key field
      {"", 0},
      {"   \t\0"s, 0},
  };
  for (const Case& c : cases) {
    int32_t ind = -1;
    EXPECT_EQ(FINDKEY(*list, c.keyword, ind), c.ind != 0) << '"' << c.keyword << '"';
    EXPECT_EQ(ind, c.ind) << '"' << c.keyword << '"';
  }
}

TEST(KeyedList, FindkeyKeepsTabsInsideTheKeyword) {
  auto list = testing::empty_list();
  add_entry(*list, "a b", "");
  add_entry(*list, "a\tb", "");
  int32_t ind = 0;
  EXPECT_TRUE(FINDKEY(*list, " a\tb ", ind));
  EXPECT_EQ(ind, 2);
}

TEST(KeyedList, FindkeysListsEveryEntryWithBlanksAfterTheKey) {
  auto list = testing::empty_list();
  add_entry(*list, "period", "1");
  add_entry(*list, "other", "2");
  add_entry(*list, "period", "3", true);  // zero bytes stop the match
  add_entry(*list, "period", "4");
  std::array<int32_t, 4> indv{};
  int32_t n = -1;
  EXPECT_TRUE(FINDKEYS(*list, " period", n, indv));
  ASSERT_EQ(n, 2);
  EXPECT_EQ(indv[0], 1);
  EXPECT_EQ(indv[1], 4);

  EXPECT_FALSE(FINDKEYS(*list, "Period", n, indv));
  EXPECT_EQ(n, 0);
  EXPECT_FALSE(FINDKEYS(*list, "", n, indv));
  EXPECT_EQ(n, 0);
  EXPECT_FALSE(FINDKEYS(*list, "a_keyword_of_17ch", n, indv));
  EXPECT_EQ(n, 0);
}

TEST(KeyedList, EmptyListFindsNothing) {
  auto list = testing::empty_list();
  int32_t ind = -1, n = -1;
  std::array<int32_t, 1> indv{};
  EXPECT_FALSE(FINDKEY(*list, "period", ind));
  EXPECT_EQ(ind, 0);
  EXPECT_FALSE(FINDKEYS(*list, "period", n, indv));
  EXPECT_EQ(n, 0);
  EXPECT_EQ(KEYDEF("period", *list), 0);
  EXPECT_EQ(KEYGOT("period", *list), 0);
}

TEST(KeyedList, FlagQueriesReturnTheWordsAsStored) {
  auto list = testing::empty_list();
  const int32_t read = add_entry(*list, "period", "1990 2000");
  const int32_t appended = add_entry(*list, "NH3_dep", "");
  list->GOT[read - 1] = -1;  // as READ4UP stores true
  list->GOT[appended - 1] = 1;
  list->DEF[appended - 1] = 1;
  EXPECT_EQ(KEYGOT("period", *list), -1);
  EXPECT_EQ(KEYDEF("period", *list), 0);
  EXPECT_EQ(KEYGOT("NH3_dep", *list), 1);
  EXPECT_EQ(KEYDEF("NH3_dep", *list), 1);
  EXPECT_EQ(KEYDEF("NOx_dep", *list), 0);
  EXPECT_TRUE(flag_set(-1));
  EXPECT_TRUE(flag_set(1));
  EXPECT_FALSE(flag_set(2));
}

TEST(KeyedListDeathTest, ARecordClaimingMoreThan256KeysStops) {
  auto list = testing::empty_list();
  list->NKEY = 257;
  int32_t ind = 0;
  EXPECT_DEATH(FINDKEY(*list, "period", ind), "NKEY above 256");
}

}  // namespace
}  // namespace standsim
