#include "tarvex/data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tarvex/data/text_helpers.h"

namespace tarvex {
namespace {

std::string Reason() { return std::strerror(errno); }

// Removes the temporary file unless it has been renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string pattern) : path_(std::move(pattern)) {
    fd_ = ::mkstemp(path_.data());
    if (fd_ < 0) throw AtomicSaveError(Reason(), false);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int Descriptor() const { return fd_; }
  const std::string& Path() const { return path_; }
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw AtomicSaveError(Reason(), true);
  }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

void WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw AtomicSaveError(Reason(), true);
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void SaveFileAtomically(const std::string& fileName, std::string_view contents) {
  const std::string target = NativePath(fileName);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) throw AtomicSaveError("not a regular file", false);

  TemporaryFile temporary(target + ".tmp-XXXXXX");
  const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
  if (::fchmod(temporary.Descriptor(), mode) != 0) throw AtomicSaveError(Reason(), true);
  WriteAll(temporary.Descriptor(), contents);
  if (::fsync(temporary.Descriptor()) != 0) throw AtomicSaveError(Reason(), true);
  temporary.Close();

  struct stat written {};
  if (::stat(temporary.Path().c_str(), &written) != 0) throw AtomicSaveError(Reason(), true);
  if (static_cast<std::size_t>(written.st_size) != contents.size()) {
    throw AtomicSaveError("the file was not written completely", true);
  }
  if (std::rename(temporary.Path().c_str(), target.c_str()) != 0) {
    throw AtomicSaveError(Reason(), true);
  }
  temporary.Keep();
}

}  // namespace tarvex
