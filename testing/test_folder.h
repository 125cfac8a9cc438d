// For tests: a fresh folder for the files of one test, removed with its
// contents afterwards, and the small jobs on whole files the tests share.
// The tests of standsim, tarvex/data, tarvex/window_logic and the windows all
// use it; no program code includes it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

// Writes CONTENT as it stands into the file at PATH.
inline void write_file(const std::string& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

// The whole contents of the file at PATH; empty when it cannot be read.
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

class TestFolder {
 public:
  // A new folder below "test_files" of the test program's build folder, so
  // that the name of a file in it, relative to the build folder the tests
  // run in, stays short.
  TestFolder() {
    const std::filesystem::path parent = std::filesystem::path(TEST_BINARY_DIR) / "test_files";
    std::filesystem::create_directories(parent);
    std::string pattern = (parent / "XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot make a test folder in " + parent.string());
    }
    path_ = pattern;
  }
  // Removes the folder even when a test left it read-only.
  ~TestFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The path of the folder with a "/" at its end.
  std::string folder() const { return path_.string() + "/"; }

  // The path of NAME inside the folder.
  std::string file(std::string_view name) const { return (path_ / name).string(); }

  // Writes CONTENT as it stands into NAME; returns its path.
  std::string write(std::string_view name, std::string_view content) const {
    write_file(file(name), content);
    return file(name);
  }

 private:
  std::filesystem::path path_;
};
