#include "standsim/support/files/file_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/test_folder.h"

namespace standsim {
namespace {

std::vector<std::string> all_lines(FileLines& lines) {
  std::vector<std::string> all;
  std::string_view line;
  while (lines.next(line)) all.emplace_back(line);
  return all;
}

TEST(FileLines, SplitsAsTheFileUnitsDo) {
  const TestFolder folder;
  using Lines = std::vector<std::string>;
  struct Case {
    std::string content;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a\nb\n", {"a", "b"}},
      {"a\nlast", {"a", "last"}},
      {"\n\n", {"", ""}},
      {"crlf\r\nmid\rdle\r\n\r", {"crlf", "mid\rdle", ""}},
      {std::string("zero\0byte\n", 10), {std::string("zero\0byte", 9)}},
  };
  for (const Case& c : cases) {
    FileLines lines;
    ASSERT_TRUE(lines.read(folder.write("case.txt", c.content)));
    EXPECT_EQ(all_lines(lines), c.lines) << c.content;
  }
}

TEST(FileLines, GoesBackToALineAndOpensNamesAsUnitsDo) {
  const TestFolder folder;
  folder.write("two.txt", "one\ntwo\n");
  FileLines lines;
  // A "\" separates folders, and trailing blanks are no part of the name.
  ASSERT_TRUE(lines.read(folder.folder() + "two.txt   "));
  std::string_view line;
  lines.next(line);
  const std::size_t second = lines.position();
  EXPECT_EQ(all_lines(lines), std::vector<std::string>{"two"});
  lines.seek(second);
  EXPECT_EQ(all_lines(lines), std::vector<std::string>{"two"});

  std::string backslashed = folder.folder() + "two.txt";
  backslashed[backslashed.rfind('/')] = '\\';
  EXPECT_TRUE(lines.read(backslashed));
  EXPECT_FALSE(lines.read(folder.file("missing.txt")));
  EXPECT_FALSE(lines.read(folder.folder()));  // a folder cannot be read
  EXPECT_FALSE(lines.next(line));
}

}  // namespace
}  // namespace standsim
