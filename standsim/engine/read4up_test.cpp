#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "standsim/engine/standsim_api.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

constexpr float UNTOUCHED = -7.0f;

struct Read4upResult {
  int32_t iyr1 = -1, iyr2 = -1;
  std::vector<float> ndep;  // element y - IB is year y
  std::string message;      // ERRMSG up to its zero byte
};

// Calls READ4UP as the workbench does, on an NDEP prefilled with UNTOUCHED.
// FNAME holds 127 characters, so the file is named from the current folder
// (the tests' build folder), wherever the build tree lies.
Read4upResult call_read4up(const std::string& path, int32_t ib = 0, int32_t ie = 4999) {
  const std::string name =
      std::filesystem::path(path).lexically_proximate(std::filesystem::current_path()).string();
  EXPECT_LE(name.size(), 127u) << "too long for FNAME: " << name;
  std::vector<unsigned char> fname(128, 0);
  std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 127), fname.begin());
  std::vector<unsigned char> errmsg(256, '#');
  errmsg[0] = ' ';
  errmsg[1] = 0;
  Read4upResult r;
  r.ndep.assign(static_cast<std::size_t>(ie - ib + 1), UNTOUCHED);
  READ4UP(fname.data(), &ib, &ie, &r.iyr1, &r.iyr2, r.ndep.data(), errmsg.data());
  EXPECT_EQ(errmsg[127], 0);
  r.message.assign(reinterpret_cast<const char*>(errmsg.data()));
  return r;
}

const std::string BLANK_MESSAGE(127, ' ');

class Read4up : public ::testing::Test {
 protected:
  // Writes a QSM input file of the given lines and reads it.
  Read4upResult read(const std::string& content, int32_t ib = 0, int32_t ie = 4999) {
    return call_read4up(folder_.write("site.qsm", content), ib, ie);
  }

  // NDEP of years FIRST..LAST (with IB = 0).
  static std::vector<float> years(const Read4upResult& r, int32_t first, int32_t last) {
    return {r.ndep.begin() + first, r.ndep.begin() + last + 1};
  }

  static void expect_untouched(const Read4upResult& r) {
    for (float v : r.ndep) ASSERT_EQ(v, UNTOUCHED);
  }

  TestFolder folder_;
};

TEST_F(Read4up, SumsTheTwoSeriesOverThePeriod) {
  struct Case {
    const char* period;
    int32_t ib, ie;
  };
  const Case cases[] = {
      {"1990 2050", 0, 4999},
      {"1990, 2050 years of the run", 0, 4999},
      {" 1990,2050,", 0, 4999},
      // A period may fill the caller's years exactly.
      {"1990 2050", 1990, 2050},
  };
  for (const Case& c : cases) {
    const Read4upResult r = read(
        std::string("! site\nperiod ") + c.period + "\nNOx_dep 0.5\nNH3_dep  0.25\n", c.ib, c.ie);
    const std::string context =
        std::string(c.period) + " in " + std::to_string(c.ib) + ".." + std::to_string(c.ie);
    EXPECT_EQ(r.message, BLANK_MESSAGE) << context;
    EXPECT_EQ(r.iyr1, 1990) << context;
    EXPECT_EQ(r.iyr2, 2050) << context;
    for (int32_t y = c.ib; y <= c.ie; ++y) {
      const float expected = y >= 1990 && y <= 2050 ? 0.75f : UNTOUCHED;
      ASSERT_EQ(r.ndep[static_cast<std::size_t>(y - c.ib)], expected) << context << ", year " << y;
    }
  }
}

TEST_F(Read4up, ReadsColumnReferencesRelativeToTheQsmFolder) {
  std::filesystem::create_directories(folder_.file("sub/data"));
  folder_.write("sub/data/dep.dat",
                "! deposition\r\n"
                "!Year NOx NH3\r\n"
                "1990  1.0  0.5\r\n"
                "2000  2.0  -99\r\n"
                "2010  3.0  1.5\r\n");
  const std::string qsm = folder_.write("sub/site.qsm",
                                        "period 1985 2015\n"
                                        "NOx_dep data/dep.dat;NOx\n"
                                        "NH3_dep data\\dep.dat;\\2\n");
  // The folder of the QSM file ends at its last "/" or "\".
  for (const std::string& path : {qsm, folder_.folder() + "sub\\site.qsm"}) {
    const Read4upResult r = call_read4up(path);
    EXPECT_EQ(r.message, BLANK_MESSAGE) << path;
    EXPECT_FLOAT_EQ(r.ndep[1985], 1.0f + 0.5f);  // before the first year: the first values
    EXPECT_FLOAT_EQ(r.ndep[1995], 1.5f + 0.75f);
    EXPECT_FLOAT_EQ(r.ndep[2000], 2.0f + 1.0f);  // the missing NH3 value interpolated
    EXPECT_FLOAT_EQ(r.ndep[2015], 3.0f + 1.5f);  // after the last year: the last values
    EXPECT_EQ(r.ndep[1984], UNTOUCHED);
  }
}

TEST_F(Read4up, AnAbsentSeriesCountsAsZero) {
  const Read4upResult r = read("period 2000 2002\nNH3_dep 0.3\n");
  EXPECT_EQ(r.message, BLANK_MESSAGE);
  EXPECT_EQ(years(r, 2000, 2002), std::vector<float>(3, 0.3f));
  const Read4upResult neither = read("period 2000 2002\n");
  EXPECT_EQ(years(neither, 2000, 2002), std::vector<float>(3, 0.0f));
}

TEST_F(Read4up, RefusesWhatItCannotRead) {
  const std::string long_value(257, 'v');
  std::string many_keys = "period 1990 2000\n";
  for (int i = 2; i <= 257; ++i) many_keys += "key" + std::to_string(i) + " 1\n";
  folder_.write("dep.dat", "!Year NOx NH3\n1990 1 1\n1991 1 -5\n");
  const std::string largest = "300000000000000000000000000000000000000";  // 3e38, finite in 4 bytes
  struct Case {
    std::string content;
    int32_t ib, ie;
    int32_t iyr1, iyr2;
    std::string message;  // the start of the message
  };
  const Case cases[] = {
      {"NOx_dep 1\n", 0, 4999, 0, 4999, "No period defined in qsm+ input file!"},
      {"", 10, 20, 10, 20, "No period defined in qsm+ input file!"},
      {"Period 1990 2000\n", 0, 4999, 0, 4999, "No period defined in qsm+ input file!"},
      {"period 1990 2000\n", 1995, 4999, 1990, 2000, "xREADINP: first year (time step) < IB!"},
      {"period 1990 2000\n", 0, 1999, 1990, 2000, "xREADINP: last year (time step) > IE!"},
      {"period 2000 1990\nNOx_dep 1\n", 0, 4999, 2000, 1990,
       "xREADINP: last year (time step) < first year!"},
      // Also when its first year lies beyond the years of the deposition table.
      {"period 6000 5000\n", 0, 6000, 6000, 5000, "xREADINP: last year (time step) < first year!"},
      {"period 0 10\nNH3_dep 1\n", 0, 4999, 0, 10, "xREADINP: first year (time step) < 1!"},
      {"period 4990 5001\n", 0, 6000, 4990, 5001, "xREADINP: last year (time step) > 5000!"},
      {"period 1990\n", 0, 4999, 0, 4999,
       "xREADINP: value of key period does not begin with two integer years!"},
      {"period from 1990 to 2000\n", 0, 4999, 0, 4999,
       "xREADINP: value of key period does not begin with two integer years!"},
      {"period 1990 2000.5\n", 0, 4999, 0, 4999,
       "xREADINP: value of key period does not begin with two integer years!"},
      {"period 1990 2000\nNOx_dep =\n", 0, 4999, 1990, 2000,
       "xREADINP: series NOx_dep may not be \"=\"!"},
      {"period 1990 2000\nNOx_dep 1\nNH3_dep  = ;\\1\n", 0, 4999, 1990, 2000,
       "xREADINP: series NH3_dep may not be \"=\"!"},
      {"period 1990 2000\n\nNOx_dep_and_more_ 1\n", 0, 4999, 0, 4999,
       "xREADINP: key longer than 16 characters in line 3 of "},
      {"period 1990 2000\nNOx_dep " + long_value + "\n", 0, 4999, 0, 4999,
       "xREADINP: value longer than 256 characters in line 2 of "},
      {many_keys + "NOx_dep 1\n", 0, 4999, 0, 4999,
       "xREADINP: more than 256 keys, from line 257 of "},
      {"period 1990 2000\nNOx_dep missing.dat;NOx\n", 0, 4999, 1990, 2000, "xVARIN01: File  "},
      // A deposition that can only give nonsense, after gap filling, in a year of the period.
      {"period 1990 1992\nNOx_dep -99\n", 0, 4999, 1990, 1992,
       "xREADINP: NOx_dep of year 1990 is negative or not finite in  "},
      {"period 1990 1992\nNOx_dep 1\nNH3_dep dep.dat;NH3\n", 0, 4999, 1990, 1992,
       "xREADINP: NH3_dep of year 1991 is negative or not finite in  "},
      {"period 1990 1991\nNOx_dep dep.dat;-1*NOx\n", 0, 4999, 1990, 1991,
       "xREADINP: NOx_dep of year 1990 is negative or not finite in  "},
      {"period 1990 1990\nNOx_dep " + largest + "\nNH3_dep " + largest + "\n", 0, 4999, 1990, 1990,
       "xREADINP: NOx_dep + NH3_dep of year 1990 is not finite in  "},
  };
  for (const Case& c : cases) {
    const Read4upResult r = read(c.content, c.ib, c.ie);
    EXPECT_EQ(r.message.substr(0, c.message.size()), c.message) << c.content;
    EXPECT_EQ(r.message.size(), 127u);
    EXPECT_EQ(r.iyr1, c.iyr1) << c.content;
    EXPECT_EQ(r.iyr2, c.iyr2) << c.content;
    expect_untouched(r);
  }
  const Read4upResult missing = call_read4up(folder_.file("none.qsm"));
  EXPECT_EQ(missing.message.substr(0, 37), "No period defined in qsm+ input file!");
}

TEST_F(Read4up, AFailedCallIsFollowedByAGoodOne) {
  const Read4upResult failed = read("period 1990 2000\nNOx_dep missing.dat;NOx\n");
  ASSERT_NE(failed.message, BLANK_MESSAGE);
  const Read4upResult good = read("period 1990 2000\nNOx_dep 2\n");
  EXPECT_EQ(good.message, BLANK_MESSAGE);
  EXPECT_EQ(years(good, 1990, 2000), std::vector<float>(11, 2.0f));
}

}  // namespace
}  // namespace standsim
