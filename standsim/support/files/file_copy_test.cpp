#include "standsim/support/files/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "standsim/support/files/file_housekeeping.h"
#include "standsim/support/fortran_runtime/fortran_units.h"
#include "testing/test_folder.h"

namespace standsim {
namespace {

TEST(Copyfile, DropsTheMarkedLinesAndTrailingBlanks) {
  TestFolder folder;
  const std::string src = folder.write("src.txt", "keep  \n!drop\n  x ! y   \n\nlast   ");
  const std::string dst = folder.write("dst.txt", "old contents that are longer\n");
  COPYFILE(src, dst, "!#");
  EXPECT_EQ(contents(dst), "keep\n  x ! y\n\nlast\n");
  EXPECT_EQ(files_in(folder.folder()), 2) << "a temporary file was left behind";
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
}

TEST(Copycut, CutsEachLineBeforeTheMark) {
  TestFolder folder;
  const std::string src = folder.write("src.txt", "abc  !note\n!drop\nplain   \n\n");
  const std::string dst = folder.file("dst.txt");
  COPYCUT(src, dst, "!");
  EXPECT_EQ(contents(dst), "abc  \nplain\n\n");
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
}

TEST(Copyfile, CutsLinesTo512Characters) {
  TestFolder folder;
  const std::string src = folder.write("src.txt", std::string(600, 'x') + "\n");
  const std::string dst = folder.file("dst.txt");
  COPYFILE(src, dst, "!");
  EXPECT_EQ(contents(dst), std::string(512, 'x') + "\n");
}

TEST(CopyfileDeathTest, StopsOnAMissingSourceOrADestinationThatCannotBeMade) {
  TestFolder folder;
  const std::string src = folder.write("src.txt", "a\n");
  EXPECT_EXIT(COPYFILE(folder.file("none.txt"), folder.file("dst.txt"), "!"),
              testing::ExitedWithCode(EXIT_FAILURE),
              "COPYFILE: cannot open file .*none.txt: no such file");
  EXPECT_EXIT(COPYCUT(src, folder.file("no/such/folder/dst.txt"), "!"),
              testing::ExitedWithCode(EXIT_FAILURE), "COPYCUT: cannot create file .*dst.txt");
  // A folder cannot be replaced by the copy; the stop leaves no temporary file.
  std::filesystem::create_directory(folder.file("dst"));
  EXPECT_EXIT(COPYFILE(src, folder.file("dst"), "!"), testing::ExitedWithCode(EXIT_FAILURE),
              "COPYFILE: cannot write file .*dst");
  EXPECT_EQ(files_in(folder.folder()), 2) << "a temporary file was left behind";
}

TEST(Echopar, FramesTheParameterFileOnTheCallersUnit) {
  TestFolder folder;
  const std::string par = folder.write("run.par", "   alpha = 1   \nbeta=2\n\n");
  const std::string report = folder.file("report.txt");
  ASSERT_TRUE(unit_open(7, report, UnitAccess::write));
  ECHOPAR("prog  ", -7, "> ", par);
  ECHOPAR("prog", 0, "> ", par);
  ECHOPAR("prog", 7, "> ", folder.file("missing.par"));
  EXPECT_TRUE(unit_is_open(7));
  unit_write_line(7, "after");
  unit_close(7);
  EXPECT_EQ(contents(report),
            "> -- Begin: Parameters used by prog   --\n"
            "> alpha = 1\n"
            "> beta=2\n"
            "> \n"
            "> -- End: Parameters used by prog   --\n"
            "after\n");
  EXPECT_EQ(FREEUNIT(), FIRST_POOL_UNIT);
}

}  // namespace
}  // namespace standsim
