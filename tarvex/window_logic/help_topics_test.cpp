// The help topic table read from the help header file.
#include "tarvex/window_logic/help_topics.h"

#include <gtest/gtest.h>

#include <string>

#include "tarvex/data/tarvex_error.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

// A table loaded from a header file holding TEXT.
class HelpTopicsTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) { topics_.LoadTopics(folder_.write("tarvexhelp.h", text)); }

  static std::string Lines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
      text += "#define Topic" + std::to_string(i) + " " + std::to_string(i) + "\n";
    }
    return text;
  }

  TestFolder folder_;
  HelpBrowser topics_;
};

TEST_F(HelpTopicsTest, MissingFileLeavesAnEmptyTable) {
  Load("#define Results 40\n");
  topics_.LoadTopics(folder_.file("none.h"));
  EXPECT_EQ(topics_.NrTopics(), 0);
  EXPECT_EQ(topics_.GetTopicId("Results"), 0);
}

TEST_F(HelpTopicsTest, AtMost250Topics) {
  Load(Lines(250));
  EXPECT_EQ(topics_.NrTopics(), 250);
  EXPECT_EQ(topics_.GetTopicId("Topic250"), 250);

  try {
    Load(Lines(251));
    FAIL() << "251 topics were taken";
  } catch (const TarvexError& error) {
    EXPECT_EQ(std::string(error.what()), "Too many topics in help file (max=250)");
  }
  // The topics read before the refusal stay usable.
  EXPECT_EQ(topics_.NrTopics(), 250);
  EXPECT_EQ(topics_.GetTopicId("Topic1"), 1);
  EXPECT_EQ(topics_.GetTopicId("Topic251"), 0);
}

TEST_F(HelpTopicsTest, Lookups) {
  struct Case {
    const char* row;
    std::string file;
    std::string name;
    int id;
  };
  const Case cases[] = {
      {"found", "#define ForestInputs 20\n", "ForestInputs", 20},
      {"case-sensitive", "#define results 40\n", "Results", 0},
      {"whole name", "#define ResultsPage 40\n", "Results", 0},
      {"first of two", "a Results 40\nb Results 41\n", "Results", 40},
      {"rest of line ignored", "a Results 40 // the results page\n", "Results", 40},
      {"number then letters", "a Results 40abc\n", "Results", 40},
      {"tabs separate", "a\tResults\t-3\n", "Results", -3},
      {"line ends of CRLF", "a Contents 10\r\nb Results 40\r\n", "Results", 40},
      {"last line without end", "a Results 40", "Results", 40},
      {"no number", "a Results\n", "Results", 0},
      {"not a number", "a Results forty\n", "Results", 0},
      {"number too large", "a Results 99999999999\n", "Results", 0},
      {"long first word", std::string(40, 'd') + " Results 40\n", "Results", 40},
      {"name of 63 characters", "a " + std::string(63, 'n') + " 5\n", std::string(63, 'n'), 5},
      {"name of 64 characters", "a " + std::string(64, 'n') + " 5\n", std::string(64, 'n'), 0},
      {"empty name never matches", "\n// comment\n", "", 0},
  };
  for (const Case& c : cases) {
    HelpBrowser topics;
    topics.LoadTopics(folder_.write("tarvexhelp.h", c.file));
    EXPECT_EQ(topics.GetTopicId(c.name), c.id) << c.row;
  }
}

TEST_F(HelpTopicsTest, EveryPieceOfALineFillsAnEntry) {
  struct Case {
    const char* row;
    std::string file;
    int entries;
  };
  const std::string topic = "#define Results 40";
  const Case cases[] = {
      {"empty file", "", 0},
      {"empty lines count", "\n\n" + topic + "\n", 3},
      {"100 characters", topic + std::string(82, ' ') + "\n", 2},
      {"78 characters and the line end", topic + std::string(60, ' ') + "\n", 1},
      {"79 characters and the line end", topic + std::string(61, ' ') + "\n", 2},
      {"CR not counted", topic + std::string(60, ' ') + "\r\n", 1},
  };
  for (const Case& c : cases) {
    HelpBrowser topics;
    topics.LoadTopics(folder_.write("tarvexhelp.h", c.file));
    EXPECT_EQ(topics.NrTopics(), c.entries) << c.row;
    if (c.entries > 0) {
      EXPECT_EQ(topics.GetTopicId("Results"), 40) << c.row;
    }
  }
}

TEST_F(HelpTopicsTest, PieceOfALongLineIsReadAsItsOwnLine) {
  // The second piece of a long line starts with the 80th character.
  Load("#define Contents 10" + std::string(60, ' ') + "x Results 40\n");
  EXPECT_EQ(topics_.NrTopics(), 2);
  EXPECT_EQ(topics_.GetTopicId("Results"), 40);
}

}  // namespace
}  // namespace tarvex
