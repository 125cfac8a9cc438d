#include "standsim/support/files/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace standsim {
namespace {

using namespace std::string_literals;

TEST(FileNames, FullpathJoinsRelativeNamesOnly) {
  struct Case {
    std::string dir, file, result;
  };
  const Case cases[] = {
      {"C:\\qsm\\   ", "   dep.dat;NOx  ", "C:\\qsm\\dep.dat;NOx"},
      {"C:\\qsm\\", ".\\dep.dat", ".\\dep.dat"},
      {"C:\\qsm\\", "\\data\\dep.dat", "\\data\\dep.dat"},
      {"C:\\qsm\\", "/data/dep.dat", "/data/dep.dat"},  // a leading "/" is rooted as well
      {"C:\\qsm\\", "D:dep.dat", "D:dep.dat"},
      {"/home/q/", "..\\dep.dat", "..\\dep.dat"},
      {"C:\\qsm", "dep.dat", "C:\\qsmdep.dat"},  // no separator is put in
      {"qsm\\\0\0"s, "dep.dat", "qsm\\dep.dat"},
      {"   ", "dep.dat", "dep.dat"},
      {"C:\\qsm\\", "    ", ""},
      {"C:\\qsm\\", "\t\0"s, ""},
      {"C:\\qsm\\", "d", "C:\\qsm\\d"},  // a one-character name has no second character
      {"C:\\qsm\\", "   x", "C:\\qsm\\x"},
      {"C:\\qsm\\", ".", "."},
      {"", "f:", "f:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dir + " + " + c.file);
    const std::string result = FULLPATH(c.dir, c.file);
    EXPECT_EQ(result.size(), c.dir.size() + c.file.size());
    EXPECT_EQ(result.substr(0, c.result.size()), c.result);
    EXPECT_EQ(result.find_first_not_of(' ', c.result.size()), std::string::npos);
  }
}

TEST(FileNames, ExtdirEndsAFolderWithASeparator) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\qsm   ", "C:\\qsm\\   "}, {"C:\\qsm\\  ", "C:\\qsm\\   "}, {"   ", "    "},
      {"/home/q/", "/home/q/ "},      {"dir\0\0"s, "dir\\  "},         {"", " "},
  };
  for (const auto& [dir, result] : cases) EXPECT_EQ(EXTDIR(dir), result) << dir;
}

TEST(FileNames, AddextAndNewext) {
  struct Case {
    std::string name, added, replaced;
  };
  const Case cases[] = {
      {"dep      ", "dep.dat", "dep.dat"},
      {"dep.     ", "dep.dat", "dep.dat"},
      {"dep.txt  ", "dep.txt", "dep.dat"},
      {".profile ", ".profile.dat", ".profile."},  // a point in the first place marks no extension
      {"a.b\\dep  ", "a.b\\dep.dat", "a.b\\dep.d"},
      {"a.b/dep  ", "a.b/dep.dat", "a.b/dep.d"},
      {"d.longext", "d.longext", "d.dat"},
      {"abcdefgh ", "abcdefgh.dat", "abcdefgh."},  // NEWEXT cuts to the field
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string added = ADDEXT(c.name, ".dat");
    EXPECT_EQ(added.size(), c.name.size() + 4);
    EXPECT_EQ(added.substr(0, c.added.size()), c.added);
    EXPECT_EQ(added.find_first_not_of(' ', c.added.size()), std::string::npos);
    const std::string replaced = NEWEXT(c.name, ".dat");
    EXPECT_EQ(replaced.size(), c.name.size());
    EXPECT_EQ(replaced.substr(0, c.replaced.size()), c.replaced);
    EXPECT_EQ(replaced.find_first_not_of(' ', c.replaced.size()), std::string::npos);
  }
  EXPECT_EQ(ADDEXT("dep ", ""), "dep ");
  EXPECT_EQ(NEWEXT("dep.txt", ""), "dep.txt");
}

}  // namespace
}  // namespace standsim
