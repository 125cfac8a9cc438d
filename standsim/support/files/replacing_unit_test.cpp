#include "standsim/support/files/replacing_unit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

TEST(ReplacingUnit, ReplacesTheTargetOnlyOnCommitAndKeepsItsPermissions) {
  TestFolder folder;
  const std::string target = folder.write("target.txt", "old\n");
  ::chmod(target.c_str(), 0640);
  {
    ReplacingUnit out(target);
    ASSERT_TRUE(out.is_open());
    out.write_line("abandoned");
  }
  EXPECT_EQ(contents(target), "old\n");
  EXPECT_EQ(files_in(folder.folder()), 1);

  ReplacingUnit out(target);
  out.write_line("new");
  out.write_line("");
  EXPECT_EQ(contents(target), "old\n");
  ASSERT_TRUE(out.commit());
  EXPECT_EQ(contents(target), "new\n\n");
  struct stat info;
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(files_in(folder.folder()), 1);
  EXPECT_EQ(lowest_free_unit(), FIRST_POOL_UNIT);
}

TEST(ReplacingUnit, CannotOpenInAMissingFolder) {
  TestFolder folder;
  ReplacingUnit out(folder.file("none/target.txt"));
  EXPECT_FALSE(out.is_open());
  out.write_line("x");
  EXPECT_FALSE(out.commit());
  EXPECT_FALSE(std::filesystem::exists(folder.file("none/target.txt")));
}

}  // namespace
}  // namespace standsim
