#include "standsim/support/saved_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "standsim/support/test_folder.h"

namespace standsim {
namespace {

std::string read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

int files_in(const TestFolder& folder) {
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.folder())) ++files;
  return files;
}

TEST(SavedFile, ReplacesTheTargetOnlyWhenCommitted) {
  TestFolder folder;
  const std::string target = folder.write("out.txt", "old\n");
  {
    SavedFile file(target);
    ASSERT_TRUE(file.is_open());
    file.write_line("new");
    EXPECT_EQ(read_all(target), "old\n");
  }
  EXPECT_EQ(read_all(target), "old\n");  // dropped without a commit
  EXPECT_EQ(files_in(folder), 1);

  SavedFile file(target);
  file.write_line("new");
  file.write_line("");
  EXPECT_TRUE(file.commit());
  EXPECT_EQ(read_all(target), "new\n\n");
  EXPECT_EQ(files_in(folder), 1);
  EXPECT_FALSE(file.commit());
}

TEST(SavedFile, ATargetInAMissingFolderIsNotSaved) {
  TestFolder folder;
  SavedFile file(folder.file("missing/out.txt"));
  EXPECT_FALSE(file.is_open());
  file.write_line("lost");
  EXPECT_FALSE(file.commit());
}

}  // namespace
}  // namespace standsim
