#include "standsim/support/tables_and_grids/data_file_scan.h"

#include <gtest/gtest.h>

#include <string>

#include "standsim/support/files/file_housekeeping.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

struct TableSize {
  int32_t ioff = -9, joff = -9, ni = -9, nj = -9;
  double vmin = -9.0, vmax = -9.0;
};

TableSize scan(const std::string& path, std::string_view layout) {
  TableSize t;
  FILECHAR(path, layout, t.ioff, t.joff, t.ni, t.nj, t.vmin, t.vmax);
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT) << "FILECHAR left its file open";
  return t;
}

struct FilecharCase {
  const char* name;
  const char* layout;
  const char* content;
  int32_t ioff, ni, joff, nj;
  double vmin, vmax;
  bool warns = false;  // of an unreadable row
};

TEST(Filechar, MeasuresIndexRecordsAndRows) {
  const FilecharCase cases[] = {
      {"index records in any order", "i-j-val", "3 5 1.5\n7, 2, -4.0\n4 9 0.0\n", 2, 5, 1, 8, -4.0,
       1.5},
      {"a record completed from the next line", "i-j-val      ", "! i j v\n3 5\n1.5\n7 2 -4.0\n", 2,
       5, 1, 4, -4.0, 1.5},
      // The ranges start from the first record, so indexes that are all
      // non-positive, or all above 99999, measure right.
      {"non-positive indexes", "i-j-val", "-3 0 2\n-1 -4 3\n", -4, 3, -5, 5, 2.0, 3.0},
      {"indexes above 99999", "i-j-val", "100005 200000 1\n100001 200003 2\n", 100000, 5, 199999, 4,
       1.0, 2.0},
      {"the extreme 32-bit indexes", "i-j-val",
       "-2147483648 2147483647 1\n2147483647 -2147483648 2\n", -2147483648, 2147483647, -2147483648,
       2147483647, 1.0, 2.0},
      {"no complete record", "i-j-val", "\n", 0, 0, 0, 0, 1.0e30, -1.0e30},
      {"free-format rows under a header", "*",
       "! a\n! b\n1 2 3 4 5 6\n6 5 4 3 2 1\n0 0 0 0 0 -7.5\n1,2,3,4,5,9\n", 0, 6, 0, 4, -7.5, 9.0},
      {"formatted rows", "(3f4.1)", "! x\n  12 3.5  -1\n 100   0   0\n", 0, 3, 0, 2, -0.1, 10.0},
      {"a first data line without items", "*", "!h\n\n", 0, 0, 0, 1, 1.0e30, -1.0e30},
      {"a blank then '!' is data", "*", " !x\n", 0, 1, 0, 0, 1.0e30, -1.0e30, true},
  };
  TestFolder folder;
  for (const FilecharCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::internal::CaptureStderr();
    const TableSize t = scan(folder.write("table.dat", c.content), c.layout);
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(t.ioff, c.ioff);
    EXPECT_EQ(t.ni, c.ni);
    EXPECT_EQ(t.joff, c.joff);
    EXPECT_EQ(t.nj, c.nj);
    EXPECT_DOUBLE_EQ(t.vmin, c.vmin);
    EXPECT_DOUBLE_EQ(t.vmax, c.vmax);
    EXPECT_EQ(warnings.starts_with("FILECHAR: cannot read line 1 of "), c.warns) << warnings;
  }
}

TEST(Filechar, ReportsUnreadableRecordsAndGoesOn) {
  TestFolder folder;
  const std::string path = folder.write("bad.dat", "!h\n1 2 3\nx 2 3\n4 5 6\n");
  testing::internal::CaptureStderr();
  const TableSize rows = scan(path, "*");
  EXPECT_EQ(
      testing::internal::GetCapturedStderr(),
      "FILECHAR: cannot read line 3 of " + path + ": Bad real number in item 1 of list input\n");
  EXPECT_EQ(rows.ni, 3);
  EXPECT_EQ(rows.nj, 2);
  EXPECT_DOUBLE_EQ(rows.vmax, 6.0);

  testing::internal::CaptureStderr();
  const TableSize records = scan(path, "i-j-val");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "FILECHAR: cannot read line 3 of " + path + ": Bad integer for item 1 in list input\n");
  EXPECT_EQ(records.ni, 4);
  EXPECT_EQ(records.nj, 4);
}

TEST(Filechar, WarnsOfALongFirstLineAndCountsItsFirst4096Characters) {
  TestFolder folder;
  std::string line;
  for (int k = 0; k < 1023; ++k) line += "1.5 ";  // 4092 characters, 1023 items
  line += "2 7777";                               // item 1024 ends at column 4094
  const std::string path = folder.write("long.dat", line + "\n");
  testing::internal::CaptureStderr();
  const TableSize t = scan(path, "*");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "WARNING: Long line!\n");
  EXPECT_EQ(t.ni, 1025);  // "2" and "777" of the first 4096 characters

  testing::internal::CaptureStderr();
  scan(folder.write("fits.dat", line.substr(0, 4093) + "\n"), "*");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(FilecharDeathTest, StopsOnAFileWithoutDataOrThatCannotBeOpened) {
  TestFolder folder;
  int32_t i, j, ni, nj;
  double vmin, vmax;
  for (const char* content : {"", "! only\n! headers\n"}) {
    const std::string path = folder.write("empty.dat", content);
    EXPECT_EXIT(FILECHAR(path, "*", i, j, ni, nj, vmin, vmax),
                testing::ExitedWithCode(EXIT_FAILURE), "FILECHAR: no data in file!");
  }
  EXPECT_EXIT(FILECHAR(folder.file("missing.dat"), "*", i, j, ni, nj, vmin, vmax),
              testing::ExitedWithCode(EXIT_FAILURE),
              "FILECHAR: cannot open file .*missing.dat: no such file");
  const std::string rows = folder.write("rows.dat", "1 2\n");
  EXPECT_EXIT(FILECHAR(rows, "rows", i, j, ni, nj, vmin, vmax),
              testing::ExitedWithCode(EXIT_FAILURE), "FILECHAR: unusable layout for .*rows.dat");
}

TEST(Cntlines, CountsMarkedLinesAndStepsBackAtTheFirstOther) {
  TestFolder folder;
  const std::string path = folder.write("marks.txt", "#a\n#b\n#c\nfourth\n#e\n#f\n");
  ASSERT_TRUE(unit_open(7, path, UnitAccess::read));
  EXPECT_EQ(CNTLINES(7, "#"), 3);
  std::string line;
  ASSERT_EQ(unit_read_line(7, line), UnitStatus::ok);
  EXPECT_EQ(line, "fourth");
  EXPECT_EQ(CNTLINES(7, "# ignored"), -1);  // two more, then the end of the file
  unit_close(7);

  ASSERT_TRUE(unit_open(7, folder.write("blank.txt", "\n   x\ny\n"), UnitAccess::read));
  EXPECT_EQ(CNTLINES(7, ""), 2);  // an empty CH counts lines that start blank
  unit_close(7);
}

TEST(Nthline, FindsTheNthLineNotMarked) {
  TestFolder folder;
  const std::string path = folder.write("lines.txt", "!c\nfirst line\n!c\nsecond\nthird\n");
  char line[8];
  const struct {
    int32_t n;
    const char* expected;
  } cases[] = {{-3, "first l"}, {1, "first l"}, {2, "second "}, {3, "third  "}, {4, "       "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    std::fill(std::begin(line), std::end(line), '?');
    NTHLINE(c.n, path, "!", std::span<char>(line, 7));
    EXPECT_EQ(std::string(line, 7), c.expected);
    EXPECT_EQ(line[7], '?');
    EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
  }
}

TEST(Hasdata, TellsWhetherAFileHasAFirstLine) {
  TestFolder folder;
  EXPECT_TRUE(HASDATA(folder.write("one.txt", "x")));
  EXPECT_TRUE(HASDATA(folder.write("blank.txt", "\n")));
  EXPECT_FALSE(HASDATA(folder.write("empty.txt", "")));
  EXPECT_FALSE(HASDATA(folder.file("missing.txt")));
  EXPECT_FALSE(HASDATA(folder.folder()));
  EXPECT_FALSE(HASDATA(std::string("\t\0  ", 4)));
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
}

}  // namespace
}  // namespace standsim
