// Saving a whole text file so that a failure never destroys the old file: the
// text goes to a temporary file in the target's folder, which is flushed to
// disk, closed and checked, and only then renamed over the target.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvex {

class AtomicSaveError : public std::runtime_error {
 public:
  // CREATED is false when the temporary file could not even be created.
  AtomicSaveError(const std::string& reason, bool created)
      : std::runtime_error(reason), created_(created) {}
  bool Created() const { return created_; }

 private:
  bool created_;
};

// Replaces (or creates) the file FILENAME ("\" opens as "/") with CONTENTS.
// A symbolic link is followed: the file it points to is replaced and the link
// stays. A target that exists and is not a regular file is refused. The new
// file keeps the old file's permissions, and its owner and group where the
// process may set them. On any failure the target is untouched, the
// temporary file is removed and AtomicSaveError carries the reason.
void SaveFileAtomically(const std::string& fileName, std::string_view contents);

}  // namespace tarvex
