#include "standsim/support/files/file_housekeeping.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

std::string next_line(int32_t unit) {
  std::string line = "(none)";
  unit_read_line(unit, line);
  return line;
}

TEST(Freeunit, GivesTheLowestUnitNoFileUses) {
  TestFolder folder;
  const std::string path = folder.write("a.txt", "a\n");
  EXPECT_EQ(FREEUNIT(), 101);
  ASSERT_TRUE(unit_open(101, path, UnitAccess::read));
  ASSERT_TRUE(unit_open(102, path, UnitAccess::read));
  EXPECT_EQ(FREEUNIT(), 103);
  unit_close(102);
  EXPECT_EQ(FREEUNIT(), 102);
  unit_close(101);
}

TEST(Backlines, StepBackAndSkipLinesOnTheCallersUnit) {
  TestFolder folder;
  ASSERT_TRUE(unit_open(7, folder.write("abcd.txt", "a\nb\nc\nd\n"), UnitAccess::read));
  SKIPLINES(7, 2);
  EXPECT_EQ(next_line(7), "c");
  BACKLINES(7, 2);
  EXPECT_EQ(next_line(7), "b");
  SKIPLINES(7, 0);
  SKIPLINES(7, -3);
  BACKLINES(7, 0);
  BACKLINES(7, -1);
  EXPECT_EQ(next_line(7), "c");
  SKIPLINES(7, 5);  // past the end of the file
  BACKLINES(7, 2);  // back before the end mark and over "d"
  EXPECT_EQ(next_line(7), "d");
  BACKLINES(7, 10);
  EXPECT_EQ(next_line(7), "a");
  EXPECT_TRUE(unit_is_open(7));
  unit_close(7);
}

TEST(Delfile, DeletesAFileOpenOrNot) {
  TestFolder folder;
  const std::string open_file = folder.write("open.txt", "x\n");
  ASSERT_TRUE(unit_open(150, open_file, UnitAccess::read));
  DELFILE(open_file);
  EXPECT_FALSE(std::filesystem::exists(open_file));
  EXPECT_FALSE(unit_is_open(150));

  const std::string closed_file = folder.write("closed.txt", "x\n");
  DELFILE("  " + closed_file);
  EXPECT_TRUE(std::filesystem::exists(closed_file)) << "leading blanks belong to the name";
  DELFILE(closed_file + "   ");
  EXPECT_FALSE(std::filesystem::exists(closed_file));

  const std::string missing = folder.file("missing.txt");
  DELFILE(missing);
  EXPECT_FALSE(std::filesystem::exists(missing));
  DELFILE(std::string("\t \0", 3));
  std::filesystem::create_directory(folder.file("sub"));
  DELFILE(folder.file("sub"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("sub")));
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
}

// Runs in a test folder as the current folder.
class Tmpdir : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.folder());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  std::string tmpdir(std::size_t length) {
    std::string dir(length, '?');
    TMPDIR(dir);
    EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
    return dir;
  }

  TestFolder folder_;
  std::filesystem::path previous_;
};

TEST_F(Tmpdir, TakesTheFolderNamedInTmpDat) {
  folder_.write("tmp.dat", "/data/scratch\nsecond line\n");
  EXPECT_EQ(tmpdir(20), "/data/scratch\\      ");
  EXPECT_EQ(tmpdir(13), "/data/scratch") << "no room for the backslash";
  EXPECT_EQ(tmpdir(5), "/data");
  folder_.write("tmp.dat", "c:\\temp\\\r\n");
  EXPECT_EQ(tmpdir(10), "c:\\temp\\  ");
}

TEST_F(Tmpdir, IsBlankWithoutAPointerFile) {
  if (file_exists("\\tmp.dat")) GTEST_SKIP() << "this machine has a /tmp.dat";
  EXPECT_EQ(tmpdir(8), "        ");
  folder_.write("tmp.dat", "");
  EXPECT_EQ(tmpdir(8), "        ");
}

}  // namespace
}  // namespace standsim
