// For tests: a fresh folder for the files of one test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

}  // namespace standsim
