#include "standsim/support/fortran_runtime/fortran_units.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "testing/test_folder.h"

namespace standsim {
namespace {

// One step on a read unit and what it gives ("" for a step back or rewind).
struct Step {
  char op;  // 'r' read a line, 'b' step back, 'w' rewind
  UnitStatus status;
  std::string line;
};

void run_steps(int32_t unit, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    const Step& s = steps[i];
    std::string line = "?";
    UnitStatus status = UnitStatus::error;
    if (s.op == 'r') status = unit_read_line(unit, line);
    if (s.op == 'b') status = unit_backspace(unit);
    if (s.op == 'w') status = unit_rewind(unit);
    EXPECT_EQ(status, s.status);
    if (s.op == 'r') {
      EXPECT_EQ(line, s.status == UnitStatus::ok ? s.line : "?");
    }
  }
}

constexpr UnitStatus ok = UnitStatus::ok;
constexpr UnitStatus eof = UnitStatus::end_of_file;
constexpr UnitStatus err = UnitStatus::error;

TEST(FortranUnits, EndOfFileAndStepBackAsAFortranRunTime) {
  // The sequence and its outcomes are those of gfortran on the same files.
  const std::vector<Step> steps = {
      {'r', ok, "A"}, {'r', ok, "B"}, {'r', eof, ""}, {'r', err, ""}, {'b', ok, ""},
      {'r', eof, ""}, {'b', ok, ""},  {'b', ok, ""},  {'r', ok, "B"}, {'b', ok, ""},
      {'b', ok, ""},  {'b', ok, ""},  {'r', ok, "A"}, {'w', ok, ""},  {'r', ok, "A"},
  };
  TestFolder folder;
  for (const char* content : {"A\nB\n", "A\nB", "A\r\nB\r\n", "A\r\nB"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(content)));
    const std::string path = folder.write("ab.txt", content);
    ASSERT_TRUE(unit_open(101, path, UnitAccess::read));
    run_steps(101, steps);
    unit_close(101);
  }
  const std::string empty = folder.write("empty.txt", "");
  ASSERT_TRUE(unit_open(101, empty, UnitAccess::read));
  run_steps(101, {{'r', eof, ""},
                  {'r', err, ""},
                  {'b', ok, ""},
                  {'b', ok, ""},
                  {'r', eof, ""},
                  {'w', ok, ""},
                  {'r', eof, ""}});
  unit_close(101);
}

TEST(FortranUnits, LinesKeepEverythingButTheirEnd) {
  using namespace std::string_literals;
  TestFolder folder;
  const std::string long_line(10000, 'L');
  const std::string path = folder.write(
      "lines.txt", "\n  x \t\0y\r\n\r\nlast\r\r\n"s + long_line + "\n" + long_line + "\n");
  ASSERT_TRUE(unit_open(200, path, UnitAccess::read));
  run_steps(200, {{'r', ok, ""}, {'r', ok, "  x \t\0y"s}, {'r', ok, ""}, {'r', ok, "last\r"}});
  run_steps(200, {{'r', ok, long_line},
                  {'r', ok, long_line},
                  {'b', ok, ""},
                  {'b', ok, ""},
                  {'b', ok, ""},
                  {'r', ok, "last\r"}});
  std::string line;
  EXPECT_EQ(unit_read_line(200, line), ok);
  EXPECT_EQ(line, long_line);
  unit_close(200);
}

TEST(FortranUnits, TheLowestFreeUnitOfThePoolIsTaken) {
  TestFolder folder;
  const std::string path = folder.write("f.txt", "x\n");
  EXPECT_EQ(lowest_free_unit(), 101);
  ASSERT_TRUE(unit_open(101, path, UnitAccess::read));
  ASSERT_TRUE(unit_open(102, path, UnitAccess::read));
  ASSERT_TRUE(unit_open(1, path, UnitAccess::read));  // a caller's unit outside the pool
  EXPECT_EQ(lowest_free_unit(), 103);
  EXPECT_FALSE(unit_open(102, path, UnitAccess::read));  // already in use
  unit_close(102);
  EXPECT_EQ(lowest_free_unit(), 102);
  {
    OpenedUnit own(path, UnitAccess::read);
    ASSERT_TRUE(own.is_open());
    EXPECT_EQ(own.number(), 102);
    EXPECT_TRUE(unit_is_open(102));
  }
  EXPECT_FALSE(unit_is_open(102));
  unit_close(101);
  unit_close(1);
  EXPECT_EQ(unit_close(1), ok);  // closing a closed unit is no error
  EXPECT_FALSE(unit_open(-1, path, UnitAccess::read));
}

TEST(FortranUnits, EveryPoolUnitInUseLeavesNoneFree) {
  TestFolder folder;
  const std::string path = folder.write("f.txt", "x\n");
  for (int32_t unit = FIRST_POOL_UNIT; unit <= LAST_POOL_UNIT; ++unit)
    ASSERT_TRUE(unit_open(unit, path, UnitAccess::read));
  EXPECT_EQ(lowest_free_unit(), -1);
  OpenedUnit own(path, UnitAccess::read);
  EXPECT_FALSE(own.is_open());
  for (int32_t unit = FIRST_POOL_UNIT; unit <= LAST_POOL_UNIT; ++unit) unit_close(unit);
}

TEST(FortranUnits, FileNamesAsOpened) {
  EXPECT_EQ(open_name("dir\\sub\\f.dat   "), "dir/sub/f.dat");
  EXPECT_EQ(open_name(std::string_view("  f.dat\0zz", 10)),
            "  f.dat");  // leading blanks belong to the name
  EXPECT_EQ(open_name("    "), "");

  TestFolder folder;
  std::filesystem::create_directories(folder.file("sub"));
  folder.write("sub/f.dat", "one\n");
  std::string windows_name = folder.file("sub\\f.dat") + "      ";
  EXPECT_TRUE(file_exists(windows_name));
  EXPECT_TRUE(file_exists(folder.file("sub")));  // a folder exists but cannot be opened
  EXPECT_FALSE(unit_open(101, folder.file("sub"), UnitAccess::read));
  EXPECT_FALSE(file_exists(folder.file("none.dat")));
  EXPECT_FALSE(unit_open(101, folder.file("none.dat"), UnitAccess::read));
  EXPECT_FALSE(unit_is_open(101));
  ASSERT_TRUE(unit_open(101, windows_name, UnitAccess::read));
  std::string line;
  EXPECT_EQ(unit_read_line(101, line), ok);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(unit_of_file(folder.file("sub/f.dat")), 101);
  EXPECT_EQ(unit_of_file(folder.file("none.dat")), -1);
  unit_close(101);
  EXPECT_EQ(unit_of_file(folder.file("sub/f.dat")), -1);
}

TEST(FortranUnits, WrittenLinesReadBackAndCloseCanDelete) {
  TestFolder folder;
  const std::string path = folder.write("out.txt", "old content that is replaced\n");
  ASSERT_TRUE(unit_open(7, path, UnitAccess::write));
  EXPECT_EQ(unit_write_line(7, "first  "), ok);
  EXPECT_EQ(unit_write_line(7, ""), ok);
  std::string line;
  EXPECT_EQ(unit_read_line(7, line), err);  // a write unit is not read
  EXPECT_EQ(unit_backspace(7), err);
  EXPECT_EQ(unit_close(7), ok);
  EXPECT_EQ(contents(path), "first  \n\n");

  ASSERT_TRUE(unit_open(7, path, UnitAccess::read));
  EXPECT_EQ(unit_write_line(7, "x"), err);  // a read unit is not written
  EXPECT_EQ(unit_close(7, true), ok);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(unit_read_line(7, line), err);  // not open any more
}

}  // namespace
}  // namespace standsim
