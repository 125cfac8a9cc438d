#include "standsim/support/key_files/keyword_pairs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

constexpr std::string_view PAIRS =
    "Output   the kind of output\n"
    "Yes\n"
    "DETAIL\n"
    "  no, not now\n"
    "SPLIT\n"
    "a.dat;'x;y';rest;more\n"
    "EMPTY\n"
    "\n"
    "nitrogen\n"
    "0.5\n"
    "SPLIT\n"
    "b.dat;2\n"
    "LAST\n";

// The pair file open on unit 1 for one test.
class PairFile {
 public:
  explicit PairFile(std::string_view content) : path_(folder_.write("model.par", content)) {
    EXPECT_TRUE(unit_open(PAIR_FILE_UNIT, path_, UnitAccess::read));
  }
  ~PairFile() { unit_close(PAIR_FILE_UNIT); }
  const TestFolder& folder() const { return folder_; }

 private:
  TestFolder folder_;
  std::string path_;
};

TEST(KeywordPairs, FindpairMatchesTheFirstEightCharacters) {
  PairFile file(PAIRS);
  EXPECT_EQ(FINDPAIR("Output"), 1);
  std::string value;
  ASSERT_EQ(unit_read_line(PAIR_FILE_UNIT, value), UnitStatus::ok);
  EXPECT_EQ(value, "Yes");  // positioned at its value line
  EXPECT_EQ(FINDPAIR("output"), 0);
  EXPECT_EQ(FINDPAIR("DETAIL      "), 1);  // blanks beyond the eighth character
  EXPECT_EQ(FINDPAIR("Output   the"), 0);
  EXPECT_EQ(FINDPAIR("Yes"), 0);   // value lines are no keywords
  EXPECT_EQ(FINDPAIR("LAST"), 1);  // even without its value line
  EXPECT_EQ(FINDPAIR("ABSENT"), 0);
  unit_close(PAIR_FILE_UNIT);
  EXPECT_EQ(FINDPAIR("Output"), 0);  // no file on unit 1
}

TEST(KeywordPairs, PairynKeepsTheDefaultUnlessTheValueSaysTheOpposite) {
  PairFile file("LOUD\nNo\nQUIET\n'yes'\n" + std::string(PAIRS));
  struct Case {
    int32_t idef;
    const char* word;
    int32_t answer;
  };
  const Case
      cases[] =
          {
              {0, "Output", 1}, {1, "Output", 1},  {1, "DETAIL", 0},
              {0, "DETAIL", 0}, {1, "LOUD", 0},    {0, "QUIET", 1},  // a quoted value
              {1, "ABSENT", 1}, {0, "ABSENT", 0},  {1, "EMPTY", 1},
              {0, "EMPTY", 0},  // a blank value line is no answer, whatever follows it
              {1, "LAST", 1},   // the file ends where the value line should be
              {2, "DETAIL", 1}, {-1, "Output", 0},  // no letter to compare
          };
  for (const Case& c : cases)
    EXPECT_EQ(PAIRYN(c.idef, c.word), c.answer) << c.idef << " " << c.word;
}

TEST(KeywordPairs, Pair2keyWritesTheKeyLineOfAPair) {
  PairFile file(PAIRS);
  const std::string out = file.folder().file("out.key");
  ASSERT_TRUE(unit_open(30, out, UnitAccess::write));
  PAIR2KEY(30, "DETAIL  ");
  PAIR2KEY(30, "ABSENT");
  PAIR2KEY(30, "LAST");
  PAIR2KEY(30, "EMPTY");
  unit_close(30);
  EXPECT_EQ(contents(out), "DETAIL   no, not now\nEMPTY \n");
}

TEST(KeywordPairs, PairsplitWritesThePiecesOfEveryPair) {
  PairFile file(PAIRS);
  const std::string out = file.folder().file("split.txt");
  EXPECT_EQ(PAIRSPLIT("SPLIT", out, 3), 2);
  EXPECT_EQ(contents(out), "a.dat\n'x;y'\nrest;more\nb.dat\n2\n\n");

  // Without a pair the file is neither created nor replaced.
  EXPECT_EQ(PAIRSPLIT("ABSENT", file.folder().file("none.txt"), 3), 0);
  EXPECT_FALSE(std::filesystem::exists(file.folder().file("none.txt")));
  EXPECT_EQ(PAIRSPLIT("ABSENT", out, 3), 0);
  EXPECT_EQ(contents(out), "a.dat\n'x;y'\nrest;more\nb.dat\n2\n\n");

  EXPECT_EQ(PAIRSPLIT("LAST", out, 1), 0);  // no value line
  EXPECT_EQ(PAIRSPLIT("SPLIT", out, 0), 0);
  EXPECT_EQ(PAIRSPLIT("SPLIT", out, 1), 2);
  EXPECT_EQ(contents(out), "a.dat;'x;y';rest;more\nb.dat;2\n");
  // No temporary file is left behind.
  EXPECT_EQ(files_in(file.folder().folder()), 2);
}

TEST(KeywordPairs, PairsplitReadsTheFirst128CharactersOfAValueLine) {
  const std::string long_value = std::string(126, 'a') + ";bc;d";  // 131 characters
  PairFile file("SPLIT\n" + long_value + "\n");
  const std::string out = file.folder().file("split.txt");
  EXPECT_EQ(PAIRSPLIT("SPLIT", out, 3), 1);
  EXPECT_EQ(contents(out), std::string(126, 'a') + "\nb\n\n");
}

}  // namespace
}  // namespace standsim
