#include "standsim/support/column_data/column_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "standsim/support/text/fixed_text.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

constexpr float XMISS = -99.0f;
constexpr float UNTOUCHED = 12345.0f;

// The tests work inside their folder, so that file names in messages are short.
class ColumnData : public testing::Test {
 protected:
  ColumnData() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder_.folder());
  }
  ~ColumnData() override { std::filesystem::current_path(previous_); }

  void write(const std::string& name, const std::string& content) { folder_.write(name, content); }

  // VARIN01 into a series of the years 1980..2020 (N0 = 1980), preset to
  // UNTOUCHED, and the message it left (blank when none).
  struct Result {
    std::vector<float> vec;
    std::string message;
    float at(int32_t index) const { return vec[static_cast<std::size_t>(index - 1980)]; }
  };
  static Result read01(const std::string& reference, int32_t iyrb, int32_t iyre, int32_t nsub = 1,
                       int32_t n0 = 1980) {
    Result r{std::vector<float>(41, UNTOUCHED), std::string(128, ' ')};
    VARIN01(padded(reference, 256), n0, iyrb, iyre, nsub, XMISS, r.vec, r.message);
    EXPECT_FALSE(unit_is_open(101)) << "the file is left open";
    EXPECT_EQ(lowest_free_unit(), 101);
    r.message.erase(r.message.find_last_not_of(' ') + 1);
    return r;
  }

  TestFolder folder_;
  std::filesystem::path previous_;
};

const std::string series_file =
    "! a series with gaps\n"
    "!Year  A     B     Label\n"
    "1990   1.0   10.   x\n"
    "1993   2.0   -99   y\n"
    "\n"
    "! a comment among the data\n"
    "2000   3.0   40.   z\n";

// The value of a gap at year J between the valid years A and B, as the gap
// filling computes it in single precision.
float between(int32_t a, float va, int32_t b, float vb, int32_t j) {
  const float s = (vb - va) / static_cast<float>(b - a);
  return static_cast<float>(j - a) * s + va;
}

TEST_F(ColumnData, ReadsANamedOrNumberedColumnAndFillsItsGaps) {
  write("series.dat", series_file);
  for (const char* reference : {"series.dat;A", "series.dat;\\1", "series.dat", "series.dat;",
                                "series.dat;Year", "series.dat;\\0", "series.dat ; A "}) {
    SCOPED_TRACE(reference);
    const Result r = read01(reference, 1985, 2005);
    ASSERT_EQ(r.message, "");
    EXPECT_EQ(r.at(1984), UNTOUCHED);
    for (int32_t y = 1985; y <= 1990; ++y) EXPECT_EQ(r.at(y), 1.0f) << y;
    EXPECT_EQ(r.at(1991), between(1990, 1.0f, 1993, 2.0f, 1991));
    EXPECT_EQ(r.at(1992), between(1990, 1.0f, 1993, 2.0f, 1992));
    EXPECT_EQ(r.at(1993), 2.0f);
    for (int32_t y = 1994; y <= 1999; ++y)
      EXPECT_EQ(r.at(y), between(1993, 2.0f, 2000, 3.0f, y)) << y;
    for (int32_t y = 2000; y <= 2005; ++y) EXPECT_EQ(r.at(y), 3.0f) << y;
    EXPECT_EQ(r.at(2006), UNTOUCHED);
  }
}

TEST_F(ColumnData, ScalesAndShiftsValidValuesOnly) {
  write("series.dat", series_file);
  struct Case {
    const char* reference;
    float y1990, y1993, y2000;
  };
  const Case cases[] = {
      {"series.dat;2*B+-1", 19.0f, between(1990, 19.0f, 2000, 79.0f, 1993),
       79.0f},  // 1993 is missing before scaling
      {"series.dat;0.5*\\2+10", 15.0f, between(1990, 15.0f, 2000, 30.0f, 1993), 30.0f},
      {"series.dat;-20*A", -20.0f, -40.0f, -60.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    const Result r = read01(c.reference, 1990, 2000);
    ASSERT_EQ(r.message, "");
    EXPECT_EQ(r.at(1990), c.y1990);
    EXPECT_EQ(r.at(1993), c.y1993);
    EXPECT_EQ(r.at(2000), c.y2000);
  }
  // -200 * A makes every value missing after scaling.
  EXPECT_EQ(read01("series.dat;-200*A", 1990, 2000).message, "xVARIN01: Error in vecintp!");
}

TEST_F(ColumnData, NumbersAndTheEqualsReference) {
  Result r = read01("15", 1990, 1992);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.at(1989), UNTOUCHED);
  EXPECT_EQ(r.at(1990), 15.0f);
  EXPECT_EQ(r.at(1992), 15.0f);
  EXPECT_EQ(r.at(1993), UNTOUCHED);

  r = read01(" +12.5  7 ", 1990, 1990, 2);
  EXPECT_EQ(r.at(1990), 12.5f);
  EXPECT_EQ(r.at(1991), 12.5f);
  EXPECT_EQ(r.at(1992), UNTOUCHED);

  // No year requested: nothing written, nothing reported, also when the
  // first year lies beyond the series.
  for (const int32_t iyrb : {1992, 2100}) {
    for (const char* reference : {"15", "series.dat;A"}) {
      write("series.dat", series_file);
      r = read01(reference, iyrb, 1990);
      EXPECT_EQ(r.message, "") << reference << ' ' << iyrb;
      EXPECT_EQ(std::count(r.vec.begin(), r.vec.end(), UNTOUCHED), 41) << reference << ' ' << iyrb;
    }
  }

  r = read01("  =  ", 1990, 2000);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.at(1990), -999999.0f);
  EXPECT_EQ(std::count(r.vec.begin(), r.vec.end(), UNTOUCHED), 40);
  r = read01("=;\\2", 1995, 2000);
  EXPECT_EQ(r.at(1995), -999999.0f);
}

TEST_F(ColumnData, SubPeriodsFollowEachOtherPerYear) {
  write("sub.dat", "!Year v\n2000 1\n2000 2\n2001 3\n2001 -99\n2002 5\n2002 6\n");
  const Result r = read01("sub.dat;v", 2000, 2001, 2);
  ASSERT_EQ(r.message, "");
  EXPECT_EQ(r.at(2000), 1.0f);
  EXPECT_EQ(r.at(2001), 2.0f);
  EXPECT_EQ(r.at(2002), 3.0f);
  EXPECT_EQ(r.at(2003), 4.0f);  // sub-period 2 of 2001 lies between 2.0 (2000) and 6.0 (2002)
  EXPECT_EQ(r.at(2004), UNTOUCHED);
}

TEST_F(ColumnData, FileLayouts) {
  struct Case {
    const char* content;
    const char* spec;
    float y1990, y1991, y1992;
  };
  const Case cases[] = {
      // A header as the first line, no comment lines: both passes skip it.
      {"Year NOx NH3\n1990 1 5\n1992 3 7\n", "NH3", 5.0f, 6.0f, 7.0f},
      // The results file's header: "! Year" and comma-separated names.
      {"! Year,NOx,NH3\n1990,1.,5.\n1992,3.,7.\n", "NOx", 1.0f, 2.0f, 3.0f},
      // Unsorted years, a repeated year (the later line wins), a "!" after blanks is data.
      {"!Y v\n1992 9\n1990 1\n1992 3\n", "v", 1.0f, 2.0f, 3.0f},
      // Items before the chosen column are skipped as text; the rest of the line is not read.
      {"!Y a b c\n1990 n.a. 'x y' 1 rest of the line\n1991 - - 2\n1992,,,3 4\n", "c", 1.0f, 2.0f,
       3.0f},
      // Commas: an empty column is a missing value.
      {"!Y a b\n1990,1,\n1991,,2\n1992,3,\n", "a", 1.0f, 2.0f, 3.0f},
      // Lines of TABs and zero bytes are blank; TABs separate header items.
      {"!Y\tv\n1990\t1\n\t\t\n1992\t3\n", "v", 1.0f, 2.0f, 3.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    write("layout.dat", c.content);
    const Result r = read01(std::string("layout.dat;") + c.spec, 1990, 1992);
    ASSERT_EQ(r.message, "");
    EXPECT_EQ(r.at(1990), c.y1990);
    EXPECT_EQ(r.at(1991), c.y1991);
    EXPECT_EQ(r.at(1992), c.y1992);
  }
}

TEST_F(ColumnData, ACrlfFileReadsAsItsLfTwin) {
  std::string crlf;
  for (char c : series_file) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  write("lf.dat", series_file);
  write("cr.dat", crlf);
  for (const char* spec : {";Label", ";B", ";\\1"}) {
    const Result lf = read01(std::string("lf.dat") + spec, 1985, 2005);
    const Result twin = read01(std::string("cr.dat") + spec, 1985, 2005);
    EXPECT_EQ(lf.vec, twin.vec) << spec;
    std::string twin_message = twin.message;
    if (const std::size_t at = twin_message.find("cr.dat"); at != std::string::npos)
      twin_message.replace(at, 6, "lf.dat");
    EXPECT_EQ(lf.message, twin_message) << spec;
  }
}

TEST_F(ColumnData, EveryFailureHasItsMessageAndLeavesTheSeries) {
  write("series.dat", series_file);
  write("comments.dat", "! only\n! comments\n");
  write("empty.dat", "");
  write("blankline.dat", "! comments\n\n");
  write("groups.dat", "!Y v\n1990 1\n1990 2\n1991 3\n1992 4\n");
  write("nodata.dat", "!Y v w\n1990 1 -99\n1991 2 -100\n");
  write("subperiod.dat", "!Y v\n1990 1\n1990 -99\n1991 2\n1991 -99\n");
  write("stray.dat", "!Y v\n1990 1\n2000000000 2\n");
  write("badyear.dat", "!Y v\n1990 1\n1995.5 2\n");
  write("badvalue.dat", "!Y v w\n1990 1 2\n1991 x 3\n");
  write("infinite.dat", "!Y v w x y z\n1990 1 1e39 Inf -Infinity nan\n1991 1e10 1 1 1 1\n");
  struct Case {
    const char* reference;
    int32_t n0, iyrb, iyre, nsub;
    const char* message;
    int written = 0;  // elements written before the failure
  };
  const Case cases[] = {
      {"15", 1980, 1979, 1990, 1, "xVARINO1: iyrb < n0!"},
      {"series.dat;A", 1990, 1989, 1990, 1, "xVARINO1: iyrb < n0!"},
      {"missing.dat;A", 1980, 1990, 2000, 1, "xVARIN01: File  missing.dat  does not exist!"},
      {"2.5e1", 1980, 1990, 2000, 1, "xVARIN01: File  2.5e1  does not exist!"},
      {"comments.dat", 1980, 1990, 2000, 1, "xVARIN01: File  comments.dat  holds no data!"},
      {"empty.dat;\\1", 1980, 1990, 2000, 1, "xVARIN01: File  empty.dat  holds no data!"},
      {"series.dat;NO3", 1980, 1990, 2000, 1,
       "xVARIN01: Column with name  NO3  not found in  series.dat"},
      {"series.dat;a", 1980, 1990, 2000, 1,
       "xVARIN01: Column with name  a  not found in  series.dat"},
      {"groups.dat;v", 1980, 1990, 1992, 2,
       "xVARIN01: File groups.dat: Wrong number of data in year 1991 (?)"},
      {"nodata.dat;w", 1980, 1990, 2000, 1, "xVARIN01: File nodata.dat: No data in column   2"},
      {"blankline.dat;\\1", 1980, 1990, 2000, 1,
       "xVARIN01: File blankline.dat: No data in column   1"},
      // Sub-period 1 has data and is written; sub-period 2 has none.
      {"subperiod.dat;v", 1980, 1990, 1991, 2, "xVARIN01: Error in vecintp!", 2},
      // Faults of input the reader refuses instead of reading wrongly or beyond its bounds.
      {"stray.dat;v", 1980, 1990, 2000, 1,
       "xVARIN01: File stray.dat: Data years 1990 to 2000000000 lie too far apart!"},
      {"badyear.dat;v", 1980, 1990, 2000, 1, "xVARIN01: File badyear.dat: Line 3 holds no year!"},
      {"badvalue.dat;v", 1980, 1990, 2000, 1,
       "xVARIN01: File badvalue.dat: Line 3: column   1 is not a number!"},
      {"infinite.dat;w", 1980, 1990, 2000, 1,
       "xVARIN01: File infinite.dat: Line 2: column   2 is not a finite number!"},
      {"infinite.dat;x", 1980, 1990, 2000, 1,
       "xVARIN01: File infinite.dat: Line 2: column   3 is not a finite number!"},
      {"infinite.dat;y", 1980, 1990, 2000, 1,
       "xVARIN01: File infinite.dat: Line 2: column   4 is not a finite number!"},
      {"infinite.dat;z", 1980, 1990, 2000, 1,
       "xVARIN01: File infinite.dat: Line 2: column   5 is not a finite number!"},
      {"infinite.dat;1e30*v", 1980, 1990, 2000, 1,
       "xVARIN01: File infinite.dat: Line 3: column   1 is not finite with the factor and the "
       "offset!"},
      {"infinite.dat;1e39*v", 1980, 1990, 2000, 1,
       "xVARIN01: Cannot read the column  1e39*v  of  infinite.dat"},
      {"999999999999999999999999999999999999999", 1980, 1990, 2000, 1,
       "xVARIN01: Cannot read  999999999999999999999999999999999999999  as a number!"},
      {"series.dat;A", 1980, 1990, 2021, 1, "xVARIN01: iyre beyond the end of vec!"},
      {"15", 1980, 2000, 2015, 2, "xVARIN01: iyre beyond the end of vec!"},
      {"series.dat;A", 1980, 1990, 2000, 0, "xVARIN01: nsub < 1!"},
      {"1.2.3", 1980, 1990, 2000, 1, "xVARIN01: Cannot read  1.2.3  as a number!"},
      {"   ", 1980, 1990, 2000, 1, "xVARIN01: No number and no file given!"},
      {"series.dat;O.5*A", 1980, 1990, 2000, 1,
       "xVARIN01: Cannot read the column  O.5*A  of  series.dat"},
      {"series.dat;\\x", 1980, 1990, 2000, 1,
       "xVARIN01: Cannot read the column  \\x  of  series.dat"},
      {"series.dat;A+", 1980, 1990, 2000, 1,
       "xVARIN01: Cannot read the column  A+  of  series.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    const Result r = read01(c.reference, c.iyrb, c.iyre, c.nsub, c.n0);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(std::count(r.vec.begin(), r.vec.end(), UNTOUCHED), 41 - c.written);
  }
}

TEST_F(ColumnData, DataYearsBeyondTheSeriesFillItsGapsAndAreNotWritten) {
  write("wide.dat", "!Y v\n1980 0\n2000 -99\n2020 40\n");
  std::vector<float> vec(23, UNTOUCHED);  // elements 1989..2011, years 1990..2010 asked for
  std::string message(128, ' ');
  VARIN01("wide.dat;v", 1989, 1990, 2010, 1, XMISS, vec, message);
  EXPECT_EQ(message, std::string(128, ' '));
  EXPECT_EQ(vec.front(), UNTOUCHED);
  EXPECT_EQ(vec.back(), UNTOUCHED);
  for (int32_t y = 1990; y <= 2010; ++y)
    EXPECT_EQ(vec[static_cast<std::size_t>(y - 1989)], between(1980, 0.0f, 2020, 40.0f, y)) << y;
}

TEST_F(ColumnData, AMessageIsCutToTheBufferAndSuccessKeepsTheOldOne) {
  std::array<char, 20> message;
  message.fill('#');
  std::vector<float> vec(10, 0.0f);
  VARIN01("missing.dat", 1, 1, 10, 1, XMISS, vec, message);
  EXPECT_EQ(std::string(message.begin(), message.end()), "xVARIN01: File  miss");
  VARIN01("7", 1, 1, 10, 1, XMISS, vec, message);
  EXPECT_EQ(std::string(message.begin(), message.end()), "xVARIN01: File  miss");
  EXPECT_EQ(vec[9], 7.0f);
}

TEST_F(ColumnData, UnitsTakenByTheCallerStayOpenAndTheReadersAreFreed) {
  write("series.dat", series_file);
  ASSERT_TRUE(unit_open(101, "series.dat", UnitAccess::read));
  std::vector<float> vec(41, 0.0f);
  std::string message(128, ' ');
  VARIN01("series.dat;A", 1980, 1990, 2000, 1, XMISS, vec, message);
  VARIN01("series.dat;none", 1980, 1990, 2000, 1, XMISS, vec, message);
  EXPECT_TRUE(unit_is_open(101));
  EXPECT_EQ(lowest_free_unit(), 102);
  unit_close(101);
}

TEST_F(ColumnData, Varin00ReadsOneValuePerDataLine) {
  write("lines.dat", "!v w\n5 1\n-99 2\n7 3\n\n8 4\n9 5\n");
  write("missing.dat", "!v\n-99\n-99\n-99\n");
  struct Case {
    const char* reference;
    int32_t nbeg, nend;
    std::vector<float> values;  // elements 1..6, N0 = 1
    const char* message;
  };
  const Case cases[] = {
      {"lines.dat", 2, 5, {UNTOUCHED, 5, 6, 7, 8, UNTOUCHED}, ""},
      {"lines.dat;\\2",
       1,
       3,
       {1, 2, 3, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       ""},  // the second item of the line
      // Header item 2 gives column 1, the first item of a line without a year.
      {"lines.dat;w", 1, 2, {5, 5, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED}, ""},
      {"4", 3, 4, {UNTOUCHED, UNTOUCHED, 4, 4, UNTOUCHED, UNTOUCHED}, ""},
      {"4",
       9,
       8,
       {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       ""},  // no element requested
      {"lines.dat",
       0,
       2,
       {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARINO0: nbeg < n0!"},
      {"lines.dat",
       1,
       7,
       {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARIN00: nend beyond the end of vec!"},
      {"none.dat",
       1,
       2,
       {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARIN00: File  none.dat  does not exist!"},
      {"lines.dat;x",
       1,
       2,
       {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARIN00: Column with name  x  not found in  lines.dat"},
      {"missing.dat",
       2,
       3,
       {UNTOUCHED, -198, -198, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARIN00: File missing.dat: No data in column   1"},
      {"lines.dat;-50*\\1",
       1,
       3,
       {-250, -198, -350, UNTOUCHED, UNTOUCHED, UNTOUCHED},
       "xVARIN00: Error in vecintp!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    std::vector<float> vec(6, UNTOUCHED);
    std::string message(128, ' ');
    VARIN00(padded(c.reference, 256), 1, c.nbeg, c.nend, XMISS, vec, message);
    EXPECT_EQ(message, padded(c.message, 128));
    EXPECT_EQ(vec, c.values);
    EXPECT_FALSE(unit_is_open(101));
  }
}

TEST(ColumnSpec, ParsesFactorColumnAndOffset) {
  struct Case {
    const char* spec;
    float fact, offs;
    const char* name;
    bool byname;
    int32_t icol;
    bool readable = true;
  };
  const Case cases[] = {
      {"", 1.0f, 0.0f, "", false, 1},
      {"  NOx_dep  ", 1.0f, 0.0f, "NOx_dep", true, 0},
      {"\\3", 1.0f, 0.0f, "", false, 3},
      {"0.5*NOx_dep+10", 0.5f, 10.0f, "NOx_dep", true, 0},
      {"2*\\3", 2.0f, 0.0f, "", false, 3},
      {"2* \\3", 2.0f, 0.0f, " \\3", true, 0},  // the "\" must follow the "*" directly
      {"NOx+-2.5", 1.0f, -2.5f, "NOx", true, 0},
      {"a_name_longer_than_thirty_two_characters", 1.0f, 0.0f, "a_name_longer_than_thirty_two_ch",
       true, 0},
      {"x*\\", 1.0f, 0.0f, "", false, 1,
       false},  // unreadable factor and column number keep their defaults
      {"*NOx+", 1.0f, 0.0f, "NOx", true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    float fact = 0, offs = 0;
    std::array<char, 32> name;
    bool byname = !c.byname;
    int32_t icol = -1;
    bool readable = false;
    COLSPEC(c.spec, fact, offs, name, byname, icol, &readable);
    EXPECT_EQ(readable, c.readable);
    EXPECT_EQ(fact, c.fact);
    EXPECT_EQ(offs, c.offs);
    EXPECT_EQ(std::string(name.begin(), name.end()), padded(c.name, 32));
    EXPECT_EQ(byname, c.byname);
    EXPECT_EQ(icol, c.icol);
  }
}

}  // namespace
}  // namespace standsim
