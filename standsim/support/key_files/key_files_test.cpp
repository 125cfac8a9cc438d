#include "standsim/support/key_files/key_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/key_files/keyword_pairs.h"
#include "standsim/support/keyed_lists/testing/hand_made_lists.h"
#include "standsim/support/text/fixed_text.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

using testing::key_text;
using testing::line_text;

constexpr std::string_view KEY_FILE =
    "! deposition of the site\n"
    "\n"
    "period 1900 2100\n"
    "NOx_dep 0.5\r\n";

// A list of COUNT allowed keys of 16 characters and room for one more.
struct AllowedKeys {
  explicit AllowedKeys(std::initializer_list<std::string_view> keys)
      : bytes(16 * (keys.size() + 1), ' ') {
    int32_t i = 0;
    for (std::string_view key : keys) assign_text(list[++i], key);
    assign_text(list[i + 1], "left over");
  }
  std::string bytes;
  TextArray list{bytes, 16};
  std::string last() const { return std::string(list.text(list.size())); }
};

TEST(KeyFiles, ReadkeysTakesEveryKeyWithoutAList) {
  TestFolder folder;
  const std::string path = folder.write("site.key", KEY_FILE);
  auto par = testing::empty_list();
  testing::add_entry(*par, "earlier", "kept");
  par->GOT[1] = 5;  // flags of the new entries are not touched
  AllowedKeys none({});
  EXPECT_EQ(READKEYS(path, "!", 0, none.list, *par), 3);
  EXPECT_EQ(par->NKEY, 3);
  EXPECT_EQ(key_text(*par, 1), padded("earlier", 16));
  EXPECT_EQ(key_text(*par, 2), padded("period", 16));
  EXPECT_EQ(line_text(*par, 2), padded("1900 2100", 256));
  EXPECT_EQ(key_text(*par, 3), padded("NOx_dep", 16));
  EXPECT_EQ(line_text(*par, 3), padded("0.5", 256));
  EXPECT_EQ(par->GOT[1], 5);
  EXPECT_EQ(none.last(), padded("", 16));
  EXPECT_EQ(std::string(par->LISTFILE, LINE_LENGTH), padded(path, 256));
}

TEST(KeyFiles, ReadkeysStopsAtTheFirstKeyNotAllowed) {
  TestFolder folder;
  const std::string path = folder.write("site.key", KEY_FILE);
  auto par = testing::empty_list();
  AllowedKeys allowed({"period"});
  EXPECT_EQ(READKEYS(path, "!", 1, allowed.list, *par), 1);
  EXPECT_EQ(key_text(*par, 1), padded("period", 16));
  EXPECT_EQ(allowed.last(), padded("NOx_dep", 16));

  // An indented key keeps its leading blanks when it is checked.
  const std::string indented = folder.write("indented.key", "  period 1900 2100\n");
  EXPECT_EQ(READKEYS(indented, "!", 1, allowed.list, *par), 1);
  EXPECT_EQ(allowed.last(), padded("  period", 16));
}

TEST(KeyFiles, ReadkeysRecordsEveryFileRead) {
  TestFolder folder;
  const std::string first = folder.write("a.key", "a 1\n");
  const std::string second = folder.write("b.key", "b 2\n");
  auto par = testing::empty_list();
  AllowedKeys none({});
  READKEYS(first, "!", 0, none.list, *par);
  EXPECT_EQ(READKEYS(second, "!", 0, none.list, *par), 2);
  EXPECT_EQ(std::string(par->LISTFILE, LINE_LENGTH), padded(first + "+" + second, 256));
  // A file that does not exist is recorded too, and adds nothing.
  EXPECT_EQ(READKEYS(folder.file("none.key"), "!", 0, none.list, *par), 2);
}

TEST(KeyFiles, ReadkeysCutsLinesAtTheFirstBlankOutsideQuotes) {
  TestFolder folder;
  const std::string path = folder.write("odd.key",
                                        "'two words' value\n"
                                        "\t\t\n"
                                        "   \n"
                                        "   indented   spaced value \n"
                                        "a_key_longer_than_sixteen x\n"
                                        " ! not a comment\n"
                                        "tab\tseparated\n");
  auto par = testing::empty_list();
  AllowedKeys none({});
  ASSERT_EQ(READKEYS(path, "!", 0, none.list, *par), 6);
  EXPECT_EQ(key_text(*par, 1), padded("'two words'", 16));
  EXPECT_EQ(line_text(*par, 1), padded("value", 256));
  EXPECT_EQ(key_text(*par, 2), padded("", 16));  // a line of TABs only
  EXPECT_EQ(line_text(*par, 2), padded("", 256));
  EXPECT_EQ(key_text(*par, 3), padded("indented", 16));
  EXPECT_EQ(line_text(*par, 3), padded("spaced value", 256));
  EXPECT_EQ(key_text(*par, 4), "a_key_longer_tha");
  EXPECT_EQ(key_text(*par, 5), padded("!", 16));
  EXPECT_EQ(key_text(*par, 6), padded("tab", 16));
  EXPECT_EQ(line_text(*par, 6), padded("separated", 256));
}

TEST(KeyFiles, ReadkeysStopsWhenTheListIsFull) {
  TestFolder folder;
  std::string many;
  for (int i = 1; i <= 300; ++i) many += "key" + std::to_string(i) + " " + std::to_string(i) + "\n";
  const std::string path = folder.write("many.key", many);
  auto par = testing::empty_list();
  for (int i = 1; i <= 250; ++i) testing::add_entry(*par, "old", "x");
  AllowedKeys none({});
  EXPECT_EQ(READKEYS(path, "!", 0, none.list, *par), 256);
  EXPECT_EQ(key_text(*par, 256), padded("key6", 16));
  EXPECT_EQ(none.last(), padded("key7", 16));  // the first key not taken

  // A full list takes nothing more.
  EXPECT_EQ(READKEYS(path, "!", 0, none.list, *par), 256);
  EXPECT_EQ(none.last(), padded("key1", 16));
}

TEST(KeyFiles, ReadkeysTakesANegativeCountForZero) {
  TestFolder folder;
  const std::string path = folder.write("site.key", KEY_FILE);
  auto par = testing::empty_list();
  std::string bytes(16, '#');  // room for LIST(1) only
  const TextArray list(bytes, 16);
  EXPECT_EQ(READKEYS(path, "!", -3, list, *par), 2);
  EXPECT_EQ(bytes, padded("", 16));
}

TEST(KeyFiles, KeysToPairsAndBackRoundTrip) {
  TestFolder folder;
  const std::string keys = folder.write("site.key", std::string(KEY_FILE) + "  flag yes\n");
  const std::string pairs = folder.file("site.pairs");
  AllowedKeys none({});
  ASSERT_TRUE(unit_open(20, pairs, UnitAccess::write));
  KEYS2PAIRS(20, keys, "!", 0, none.list);
  unit_close(20);
  EXPECT_EQ(contents(pairs), padded("period", 256) + "\n" + padded("1900 2100", 256) + "\n" +
                                 padded("NOx_dep", 256) + "\n" + padded("0.5", 256) + "\n" +
                                 padded("  flag", 256) + "\n" + padded("yes", 256) + "\n");

  // The pairs read back: every keyword is found, the indented one only with
  // its blanks.
  const std::string back = folder.file("back.key");
  ASSERT_TRUE(unit_open(PAIR_FILE_UNIT, pairs, UnitAccess::read));
  ASSERT_TRUE(unit_open(21, back, UnitAccess::write));
  PAIR2KEY(21, "period");
  PAIR2KEY(21, "NOx_dep");
  PAIR2KEY(21, "flag");
  EXPECT_EQ(PAIRYN(0, "  flag"), 1);
  unit_close(21);
  unit_close(PAIR_FILE_UNIT);
  EXPECT_EQ(contents(back), "period 1900 2100\nNOx_dep 0.5\n");

  auto par = testing::empty_list();
  EXPECT_EQ(READKEYS(back, "!", 0, none.list, *par), 2);
  EXPECT_EQ(line_text(*par, 1), padded("1900 2100", 256));
}

}  // namespace
}  // namespace standsim
