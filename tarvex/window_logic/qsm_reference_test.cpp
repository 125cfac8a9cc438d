// The rewrite of a QSM input file's uptake references, read back through
// the model library's own readers as the soil model reads the file.
#include "tarvex/window_logic/qsm_reference.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "standsim/engine/standsim_api.h"
#include "standsim/support/keyed_lists/basekit_fil2list.h"
#include "standsim/support/keyed_lists/keyed_list_series.h"
#include "standsim/support/text/fixed_text.h"
#include "tarvex/data/results_file.h"
#include "tarvex/data/site.h"
#include "tarvex/window_logic/deposition_reading.h"
#include "testing/test_folder.h"

namespace tarvex {
namespace {

using namespace std::string_literals;

// The reference lines of /out/site1.csv to COLUMNS, each ended by END.
std::string Refs(std::initializer_list<int> columns, const std::string& end = "\n") {
  std::string text;
  for (int j : columns) text += QsmReferenceLine(j, "/out/site1.csv") + end;
  return text;
}

const std::initializer_list<int> kAll = {1, 2, 3, 4, 5, 6};

TEST(QsmReference, ReferencesReplaceTheUptakeKeys) {
  const struct {
    const char* name;
    std::string text, rewritten;
  } cases[] = {
      {"one key given, the others appended", "NOx_dep 0.5\nN_gupt 0.0\n",
       "NOx_dep 0.5\n!N_gupt 0.0\n" + Refs({1, 2, 3, 4, 5, 6})},
      {"a comma ends the key, case counts",
       "N_gupt,0.1\nn_gupt 0.2\nCa_upt\nMg_upt\nK_upt\nClf\nNlf\n",
       "!N_gupt,0.1\n" + Refs({1}) + "n_gupt 0.2\n!Ca_upt\n" + Refs({2}) + "!Mg_upt\n" + Refs({3}) +
           "!K_upt\n" + Refs({4}) + "!Clf\n" + Refs({5}) + "!Nlf\n" + Refs({6})},
      {"TABs, a NUL and leading blanks around the key, as the key-file reader takes it",
       "N_gupt\told.csv;\\1\n  Ca_upt 0.0\n\tMg_upt\t0\nK_upt\0x\n  ! N_gupt 1\n"s,
       "!N_gupt\told.csv;\\1\n" + Refs({1}) + "!  Ca_upt 0.0\n" + Refs({2}) + "!\tMg_upt\t0\n" +
           Refs({3}) + "!K_upt\0x\n"s + Refs({4}) + "  ! N_gupt 1\n" + Refs({5, 6})},
      {"an empty file", "", Refs(kAll)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RewriteQsmReferences(c.text, "/out/site1.csv"), c.rewritten);
  }
}

// Every line the rewrite does not comment out stays byte for byte, its line
// end included; a line's key is what the key-file reader takes after it
// drops the line feed and one "\r", so a line "Nlf\r\r\n" holds the key
// "Nlf\r", which is no name. The lines added end as the first line does.
TEST(QsmReference, LinesKeepTheirBytesAndLineEnds) {
  const struct {
    const char* name;
    std::string text, rewritten;
  } cases[] = {
      {"CR LF", "period 1990 2050\r\nN_gupt 0.0\r\nNOx_dep 0.5\r\n",
       "period 1990 2050\r\n!N_gupt 0.0\r\n" + Refs({1}, "\r\n") + "NOx_dep 0.5\r\n" +
           Refs({2, 3, 4, 5, 6}, "\r\n")},
      {"CR CR LF", "period 1990 2050\r\r\nNlf\r\r\nClf 0.5\r\r\n",
       "period 1990 2050\r\r\nNlf\r\r\n!Clf 0.5\r\r\n" + Refs({5}, "\r\n") +
           Refs({1, 2, 3, 4, 6}, "\r\n")},
      {"other control characters belong to the key", "Clf\x01 0\nNlf\x7f\n\x0bN_gupt 1\n",
       "Clf\x01 0\nNlf\x7f\n\x0bN_gupt 1\n" + Refs(kAll)},
      {"the first line's end counts", "period 1990 2050\nN_gupt 0.0\r\n",
       "period 1990 2050\n!N_gupt 0.0\r\n" + Refs({1, 2, 3, 4, 5, 6})},
      {"a last line without its end, matched", "period 1990 2050\nNlf 0.0",
       "period 1990 2050\n!Nlf 0.0\n" + Refs({6, 1, 2, 3, 4, 5})},
      {"a last line without its end, kept", "period 1990 2050\r\nNOx_dep 0.5",
       "period 1990 2050\r\nNOx_dep 0.5\r\n" + Refs(kAll, "\r\n")},
      {"no line end at all", "NOx_dep 0.5", "NOx_dep 0.5\n" + Refs(kAll)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RewriteQsmReferences(c.text, "/out/site1.csv"), c.rewritten);
  }
}

TEST(QsmReference, ExportingTwiceKeepsTheEarlierReferencesCommentedOut) {
  const std::string once = RewriteQsmReferences("period 1990 2050\n", "/a.csv");
  const std::string twice = RewriteQsmReferences(once, "/b.csv");
  EXPECT_NE(twice.find("!N_gupt     /a.csv;\\1\nN_gupt     /b.csv;\\1\n"), std::string::npos);
  const std::string third = RewriteQsmReferences(twice, "/c.csv");
  EXPECT_NE(third.find("!N_gupt     /a.csv;\\1\n!N_gupt     /b.csv;\\1\nN_gupt     /c.csv;\\1\n"),
            std::string::npos);
}

// A results file over 2000..2001 whose value in year y and column j is
// y + j / 8.
std::string ResultsText() {
  std::string text = "! Year,N_gupt,Ca_upt,Mg_upt,K_upt,Clf,Nlf\n";
  for (int y = 2000; y <= 2001; ++y) {
    text += std::to_string(y);
    for (int j = 1; j <= kQsmReferenceColumns; ++j) text += "," + std::to_string(y + j / 8.0);
    text += "\n";
  }
  return text;
}

// The soil model reads the rewritten file through the library's key-file
// reader and its series getter, which takes a column of the results file
// through the column-data reader; the deposition still reads through
// READ4UP.
TEST(QsmReference, TheRewrittenFileReadsBackThroughTheLibrary) {
  const std::string line1 = "period 2000 2001";
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"LF", line1 + "\nNOx_dep 0.5\nNH3_dep 0.25\nN_gupt 0.0\nNlf 7\n"},
      {"CR LF", line1 + "\r\nNOx_dep 0.5\r\nNH3_dep 0.25\r\nN_gupt 0.0\r\nNlf 7\r\n"},
      // READ4UP's own keys would not read with a "\r" at the end of their
      // values: the stray line ends stand at the soil model's keys.
      {"CR CR LF", line1 + "\r\nNOx_dep 0.5\r\nNH3_dep 0.25\r\nN_gupt 0.0\r\r\nNlf\r\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestFolder folder;
    const std::string results = folder.write("site1.csv", ResultsText());
    const std::string qsm = folder.write("site.qsm", RewriteQsmReferences(c.text, results));

    auto list = std::make_unique<standsim::KEYLIST>();
    standsim::assign_text(list->LISTFILE, qsm);
    EXPECT_EQ(standsim::FIL2LIST(*list).kind, standsim::Fil2listOverflow::NONE);
    for (int j = 1; j <= kQsmReferenceColumns; ++j) {
      const std::string_view name = ResultColumnNames[static_cast<std::size_t>(j - 1)];
      SCOPED_TRACE(name);
      std::vector<float> series(2, -1.0f);
      standsim::KEYMSG.fill(' ');
      standsim::GETKEYTS(*list, name, 2000, 2000, 2001, 1, series, nullptr);
      EXPECT_EQ(standsim::without_trailing_blanks(
                    std::string_view(standsim::KEYMSG.data(), standsim::KEYMSG.size())),
                "");
      EXPECT_EQ(series[0], static_cast<float>(2000 + j / 8.0));
      EXPECT_EQ(series[1], static_cast<float>(2001 + j / 8.0));
    }

    auto site = std::make_unique<CSite>();
    ReadDeposition(&READ4UP, qsm, *site);
    EXPECT_EQ(site->FirstYear, 2000);
    EXPECT_EQ(site->LastYear, 2001);
    EXPECT_EQ(site->Ndep[2001], 0.75f);
  }
}

// The column-data reader reads the first 256 characters of a line: the year
// and the six referenced values must end within them.
TEST(QsmReference, ReferencedValuesMustLieWithinTheLineTheReaderReads) {
  const auto line = [](int year, std::size_t length) {
    std::string text = std::to_string(year) + ",1,2,3,4,5,";
    text += std::string(length - text.size(), '6');
    return text + ",7\n";
  };
  const std::string header = "! Year," + std::string(300, 'x') + "\n";
  EXPECT_EQ(QsmResultsRefusal(header + line(2000, 256) + line(2001, 256)), std::nullopt);
  EXPECT_EQ(QsmResultsRefusal(header + line(2000, 256) + line(2001, 257)),
            "The values of year 2001 in the results file reach beyond character 256 of their "
            "line, the last one the column-data reader reads");
  EXPECT_EQ(QsmResultsRefusal("1999,1,2,3,4,5," + std::string(251, '6') + "\n"),
            "The values of year 1999 in the results file reach beyond character 256 of their "
            "line, the last one the column-data reader reads");
  // Columns after the six the references read may reach beyond.
  EXPECT_EQ(QsmResultsRefusal("2000,1,2,3,4,5,6," + std::string(400, '7') + "\n"), std::nullopt);
}

// The key-file reader takes 256 keys; a rewrite that would add more is
// refused. Comments and blank lines hold no key.
TEST(QsmReference, TheRewrittenFileMustFitTheKeyFileReader) {
  const auto keys = [](int n) {
    std::string text = "! comment\n\n";
    for (int k = 1; k <= n; ++k) text += "key" + std::to_string(k) + " 1\n";
    return text;
  };
  EXPECT_EQ(QsmKeysRefusal(RewriteQsmReferences(keys(250), "/out/site1.csv")), std::nullopt);
  EXPECT_EQ(QsmKeysRefusal(RewriteQsmReferences(keys(251), "/out/site1.csv")),
            "The rewritten file would hold 257 keys, more than the 256 a QSM+ input file may "
            "hold");
}

}  // namespace
}  // namespace tarvex
