#include "tarvex/data/path_parts.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvex {
namespace {

TEST(MakeFullPath, CompletesOnlyRelativePaths) {
  struct Case {
    std::string path, folder, full;
  };
  const Case cases[] = {
      {"site.txt", "C:\\data\\", "C:\\data\\site.txt"},
      {"C:\\x\\site.txt", "C:\\data\\", "C:\\x\\site.txt"},
      {"\\x\\site.txt", "C:\\data\\", "\\x\\site.txt"},
      {"/x/site.txt", "/data/", "/x/site.txt"},
      {"s", "/data/", "s"},
      {"qsm/in.txt", "/data/", "/data/qsm/in.txt"},
      {"in.txt", "/data", "/data/in.txt"},
      {"in.txt", "", "in.txt"},
  };
  for (const Case& c : cases) {
    std::string path = c.path;
    MakeFullPath(path, c.folder);
    EXPECT_EQ(path, c.full) << c.path << " in " << c.folder;
  }
}

TEST(NativePath, OpensBackslashesAsSlashes) {
  EXPECT_EQ(NativePath("data\\qsm\\in.txt"), "data/qsm/in.txt");
  EXPECT_EQ(NativePath("/a/b"), "/a/b");
}

}  // namespace
}  // namespace tarvex
