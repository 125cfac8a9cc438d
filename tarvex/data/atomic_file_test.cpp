#include "tarvex/data/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "testing/test_folder.h"

namespace tarvex {
namespace {

// A save through a symbolic link replaces the file it points to, also one
// that does not exist yet or one reached through a chain of links, and
// leaves the links as they are.
TEST(SaveFileAtomically, FollowsSymbolicLinks) {
  TestFolder folder;
  std::filesystem::create_directory(folder.path() / "data");
  write_file(folder.file("data/site.txt"), "old\n");
  std::filesystem::create_symlink("data/site.txt", folder.path() / "link.txt");
  std::filesystem::create_symlink(folder.path() / "link.txt", folder.path() / "link2.txt");
  std::filesystem::create_symlink("new.txt", folder.path() / "data/dangling.txt");

  SaveFileAtomically(folder.file("link2.txt"), "new\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.txt"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link2.txt"));
  EXPECT_EQ(contents(folder.file("data/site.txt")), "new\n");

  SaveFileAtomically(folder.file("data/dangling.txt"), "created\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "data/dangling.txt"));
  EXPECT_EQ(contents(folder.file("data/new.txt")), "created\n");
  EXPECT_EQ(files_in(folder.file("data")), 3);  // no temporary file left

  std::filesystem::create_symlink("loop.txt", folder.path() / "loop.txt");
  EXPECT_THROW(SaveFileAtomically(folder.file("loop.txt"), "x\n"), AtomicSaveError);
}

// The new file keeps the mode, owner and group of the old one; a process
// that may not give files away keeps its own (then the old owner is its own).
TEST(SaveFileAtomically, KeepsModeAndOwner) {
  TestFolder folder;
  const std::string file = folder.file("site.txt");
  write_file(file, "old\n");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
  }
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);

  SaveFileAtomically(file, "new\n");
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(contents(file), "new\n");
}

TEST(SaveFileAtomically, SavesANameOfTheLongestLength) {
  TestFolder folder;
  const std::string name(NAME_MAX, 'n');
  SaveFileAtomically(folder.file(name), "first\n");
  SaveFileAtomically(folder.file(name), "second\n");
  EXPECT_EQ(contents(folder.file(name)), "second\n");
  EXPECT_EQ(files_in(folder.folder()), 1);
}

}  // namespace
}  // namespace tarvex
