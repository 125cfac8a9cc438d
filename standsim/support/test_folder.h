// For tests: a fresh folder for the files of one test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace standsim {

class TestFolder {
 public:
  TestFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(TEST_BINARY_DIR) / "test_files" /
            (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() { std::filesystem::remove_all(path_); }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The path of NAME inside the folder.
  std::string file(std::string_view name) const { return (path_ / name).string(); }

  // Writes CONTENT as it stands into NAME; returns its path.
  std::string write(std::string_view name, std::string_view content) const {
    std::ofstream out(file(name), std::ios::binary);
    out << content;
    return file(name);
  }

  std::string folder() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// The whole contents of the file at PATH.
inline std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// How many entries FOLDER holds.
inline int files_in(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace standsim
