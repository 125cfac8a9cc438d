// A file that replaces its target only once it has been written in full:
// the lines go to a temporary file in the target's folder, opened on the
// lowest free unit; COMMIT closes it, checks that every write and the close
// succeeded, and renames it over the target. A file not committed, or one
// whose check fails, is removed and the target stays as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standsim {

class SavedFile {
 public:
  // TARGET is a file name as the units take it (see OPEN_NAME).
  explicit SavedFile(std::string_view target);
  ~SavedFile();
  SavedFile(const SavedFile&) = delete;
  SavedFile& operator=(const SavedFile&) = delete;

  // False when no unit was free or the temporary file could not be created.
  bool is_open() const { return unit_ > 0; }

  // Writes LINE followed by "\n"; a failure is remembered for COMMIT.
  void write_line(std::string_view line);

  // True when the target now holds every line written.
  bool commit();

 private:
  void discard();

  std::string target_, temporary_;
  int32_t unit_ = -1;
  bool failed_ = false;
};

}  // namespace standsim
